#!/usr/bin/env bash
# Peak resident memory of fendle on a single word of 200 MB, each way.
#   bench/memory.sh [path/to/fendle]      (needs GNU time: /usr/bin/time)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
fendle=$(realpath "${1:-$here/../build/fendle}")
[ -x /usr/bin/time ] || { echo "GNU time is not installed" >&2; exit 1; }
report=$(mktemp)
trap 'rm -f "$report"' EXIT
word() { yes TheQuickBrownFoxJumpsOverTheLazyDog | tr -d '\n' | head -c $((200 << 20)) || true; }
for mode in "" /i; do
  word | /usr/bin/time -o "$report" -f %M "$fendle" $mode > /dev/null 2> /dev/null
  printf 'fendle %-3s on one 200 MB word: %6d KiB peak resident\n' "$mode" "$(tail -1 "$report")"
done
