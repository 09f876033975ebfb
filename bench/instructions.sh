#!/usr/bin/env bash
# Counts the instructions fendle executes per input byte with callgrind, which
# counts the same on a busy machine as on an idle one: forward on English text,
# inverse on its fendle.
#   bench/instructions.sh [path/to/fendle] [MEGABYTES]      (needs valgrind)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fendle=$(realpath "${1:-$here/../build/fendle}")
megabytes=${2:-16}
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
dir=${TMPDIR:-/tmp}/fendle-corpus-$megabytes
text=$("$here/corpus.sh" "$dir" "$megabytes")
fendled=$dir/english.fendle
"$fendle" < "$text" > "$fendled"

count() {  # name input args...
  local name=$1 input=$2
  shift 2
  local total
  total=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$fendle" "$@" < "$input" 2>&1 >/dev/null |
    awk '/Collected/ { print $NF }')
  awk -v n="$total" -v b="$(stat -c %s "$input")" -v name="$name" \
    'BEGIN { printf "%-8s %12d instructions for %10d bytes: %.2f per byte\n", name, n, b, n / b }'
}

count forward "$text"
count inverse "$fendled" /i
