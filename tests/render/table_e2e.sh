#!/usr/bin/env bash
# The real game program under a bare X server, photographed once its first table paint (with the
# card show) is over. Runs inside xvfb-run; $DRAVONEL is the program, $OUT_DIR receives
# table.png and layout.txt for the test to check.
set -u
export QT_QPA_PLATFORM=xcb
tmp=$(mktemp -d)
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

export VELKARO_CONFIG_DIR="$tmp/cfg" VELKARO_DUMP_LAYOUT="$tmp/layout.txt"
"$DRAVONEL" -Automation &
pid=$!

wid=""
for _ in $(seq 300); do
  wid=$(xdotool search --onlyvisible --name '^Velkaro Ver1\.20$' 2>/dev/null | head -1)
  [ -n "$wid" ] && [ -s "$tmp/layout.txt" ] && break
  # A greeting dialog before the table: accept it.
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    xdotool key --window "$w" Return 2>/dev/null
  done
  sleep 0.1
done
[ -n "$wid" ] || fail "the main window never showed"
for _ in $(seq 100); do
  grep -q '^pane 5 .*Player1' "$tmp/layout.txt" 2>/dev/null && break
  sleep 0.1
done
# The first paint waits a second and shows 80 card frames before the hands are dealt out: wait
# until two screenshots a second apart are the same.
sleep 2
import -window root "$tmp/table.png" || fail "screenshot"
for _ in $(seq 15); do
  sleep 1
  import -window root "$tmp/next.png" || fail "screenshot"
  diff=$(compare -metric AE "$tmp/table.png" "$tmp/next.png" null: 2>&1)
  mv "$tmp/next.png" "$tmp/table.png"
  [ "$diff" = "0" ] && break
done
cp "$tmp/table.png" "$tmp/layout.txt" "$OUT_DIR/" || fail "copy"
echo PASS
