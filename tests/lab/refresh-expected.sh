#!/usr/bin/env bash
# Rewrites the expected output of the named lab scenarios (all when none is named) with the given
# dravonel-lab. Check every changed outcome by reasoning before committing it.
# Usage: tests/lab/refresh-expected.sh build/dist/dravonel-lab [NAME...]
set -euo pipefail
lab=$1; shift
dir="$(dirname "$0")/scenarios"
if [ $# -eq 0 ]; then
  set -- $(cd "$dir" && ls *.json | grep -v '\.expected\.json$' | sed 's/\.json$//')
fi
for name in "$@"; do
  "$lab" "$dir/$name.json" > "$dir/$name.expected.json"
  echo "$name"
done
