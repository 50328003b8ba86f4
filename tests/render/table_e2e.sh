#!/usr/bin/env bash
# The real game program under a bare X server, photographed once its first table paint (with the
# card show) is over. Runs inside xvfb-run; $DRAVONEL is the program, $OUT_DIR receives
# table.png and layout.txt for the test to check.
. "$(dirname "$0")/../e2e/lib.sh"

E2E_ACCEPT_DIALOGS=1 start_dravonel -Automation
wait_for '^pane 5 .*Player1'
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
