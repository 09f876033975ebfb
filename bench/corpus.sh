#!/usr/bin/env bash
# Builds a corpus of real English text from what Debian installs: the licence
# texts and the manual pages, unpacked. Prints the path of the text.
#   bench/corpus.sh [DIR] [MEGABYTES]
set -euo pipefail
dir=${1:-${TMPDIR:-/tmp}/fendle-corpus}
megabytes=${2:-80}
mkdir -p "$dir"
text=$dir/english.txt
if [ ! -s "$text" ]; then
  {
    cat /usr/share/common-licenses/* 2>/dev/null || true
    find /usr/share/man -name '*.gz' -type f 2>/dev/null | sort | xargs -r zcat 2>/dev/null || true
    find /usr/share/doc -name '*.txt' -type f 2>/dev/null | sort | xargs -r cat 2>/dev/null || true
  } > "$dir/once.txt"
  [ -s "$dir/once.txt" ] || { echo "no licence texts or manual pages found" >&2; exit 1; }
  # Repeat it up to the size asked for, so that timings are long enough to trust.
  : > "$text"
  while [ "$(stat -c %s "$text")" -lt $((megabytes << 20)) ]; do cat "$dir/once.txt" >> "$text"; done
  head -c $((megabytes << 20)) "$text" > "$dir/cut.txt" && mv "$dir/cut.txt" "$text"
  rm -f "$dir/once.txt"
fi
echo "$text"
