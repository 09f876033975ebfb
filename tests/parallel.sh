#!/usr/bin/env bash
# Splitting at line ends is sound: GNU parallel over a multi-megabyte input,
# across processes, gives the single process's bytes, both ways.
#   tests/parallel.sh path/to/fendle
set -euo pipefail
fendle=$1
command -v parallel >/dev/null || { echo "GNU parallel is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Some 8 MB of text with long lines, short lines, blank lines and hyphens.
{
  for i in $(seq 1 20000); do
    printf 'Line %d: The quick brown fox jumps over the lazy dog; well-known, hyphen- -ated.\n' "$i"
    printf 'Why, Jinx? Hq!  \t\n\n'
    [ $((i % 100)) -ne 0 ] || printf '%0500d%s\n' 0 "$(printf 'wordy%.0s' $(seq 1 200))"
  done
} > "$work/text"
for mode in "" /i; do
  input=$work/text
  if [ "$mode" = /i ]; then "$fendle" < "$work/text" > "$work/fendle"; input=$work/fendle; fi
  "$fendle" $mode < "$input" > "$work/one" 2> "$work/one.err"
  parallel --will-cite --pipe -k --block 256k -j 4 "$fendle" $mode < "$input" > "$work/many" 2> "$work/many.err"
  cmp "$work/one" "$work/many"
  cmp "$work/one.err" "$work/many.err"
  echo "fendle $mode: $(stat -c %s "$input") bytes, the same output from parallel"
done
