#!/usr/bin/env bash
# Times fendle against `tr a-z b-za` and `cat` on the same real English text,
# whole process, input from a file, output to /dev/null; and the other way on
# the fendle of that text. Prints each time and fendle's ratio to tr.
#   bench/compare.sh [path/to/fendle]      (needs hyperfine)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fendle=$(realpath "${1:-$here/../build/fendle}")
command -v hyperfine >/dev/null || { echo "hyperfine is not installed" >&2; exit 1; }
dir=${TMPDIR:-/tmp}/fendle-corpus
text=$("$here/corpus.sh" "$dir")
fendled=$dir/english.fendle
[ "$fendled" -nt "$fendle" ] && [ "$fendled" -nt "$text" ] || "$fendle" < "$text" > "$fendled"

# Output must not change: the text read back is the text with the hyphens that
# follow letters removed, and nothing is reported.
"$fendle" /i < "$fendled" 2> "$dir/errors" | cmp -s - <(sed 's/\([A-Za-z]\)-/\1/g' "$text") ||
  { echo "fendle /i did not give the text back" >&2; exit 1; }
[ ! -s "$dir/errors" ] || { echo "fendle /i reported syllables of its own output" >&2; exit 1; }
# And the fast paths write what the word-by-word loop writes, where it was built.
words=$(dirname "$fendle")/tests/fendle-words
if [ -x "$words" ]; then
  "$words" < "$text" | cmp -s - "$fendled" || { echo "fendle and fendle-words differ" >&2; exit 1; }
  cmp -s <("$fendle" /i < "$fendled") <("$words" /i < "$fendled") ||
    { echo "fendle /i and fendle-words /i differ" >&2; exit 1; }
  echo "output: the same bytes as the word-by-word loop, both ways"
fi

measure() {  # name input command...
  local name=$1 input=$2
  shift 2
  local commands=()
  for c in "$@"; do commands+=("$c < '$input' > /dev/null"); done
  # hyperfine takes the shell's own start-up time off each measurement.
  hyperfine --style none --warmup 3 --runs "${RUNS:-20}" --export-csv "$dir/$name.csv" \
    "${commands[@]}" > /dev/null
  awk -F, -v name="$name" 'NR > 1 { gsub(/"/, "", $1); sub(/ <.*/, "", $1); t[NR - 1] = $2; c[NR - 1] = $1 }
    END { printf "%s (%s):\n", name, FILENAME
          for (i = 1; i <= 3; i++) printf "  %-22s %8.4f s\n", c[i], t[i]
          printf "  fendle / tr: %.2f   fendle / cat: %.2f\n", t[1] / t[2], t[1] / t[3] }' "$dir/$name.csv"
}

echo "corpus: $(stat -c %s "$text") bytes of text, $(stat -c %s "$fendled") bytes of fendle"
measure forward "$text" "$fendle" "tr a-z b-za" "cat"
measure inverse "$fendled" "$fendle /i" "tr a-z b-za" "cat"
