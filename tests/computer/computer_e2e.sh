#!/usr/bin/env bash
# The real game against the computer under a bare X server: a player's shot that touches nothing
# hands the turn to the computer, which shoots at once, and its turn ends back with the player.
# Runs inside xvfb-run; $DRAVONEL is the game, $DRAVONEL_LAB the lab (for the table's layout),
# $E2E_SHOT_DIR (optional) keeps the screenshots.
. "$(dirname "$0")/../e2e/lib.sh"

# No shot bar (the release fires), no sound, the fastest pace; the computer is the default opponent.
mkdir -p "$tmp/cfg"
printf '[Option]\r\nProMode=0\r\nSound=0\r\nMusic=0\r\nGameSpeed=9\r\n' > "$tmp/cfg/dravonel.ini"
start_dravonel

player_is() { grep -q "^pane 5 .*\"現在のプレーヤーは Player$1 です\"$" "$tmp/layout.txt" 2>/dev/null; }
# Answers any message box (every one has the game's caption) with Enter.
answer_boxes() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Velkaro Ver1\.20$' 2>/dev/null); do
    [ "$w" = "$wid" ] && continue
    xdotool windowfocus --sync "$w" 2>/dev/null && xdotool key Return
    echo "answered a message box" >> "$tmp/log"
  done
}
for _ in $(seq 100); do player_is 1 && break; sleep 0.1; done
player_is 1 || fail "player 1 never had the turn"

# Where the view lies on the screen, and the table the game lays out for it (from the lab).
read_view
read -r _ fw fh _ < <(grep '^metrics ' "$tmp/layout.txt")
echo "{\"client\": [$vw, $vh], \"frame\": [$fw, $fh]}" | "$DRAVONEL_LAB" > "$tmp/table.json" || fail "lab layout"
read -r sl st < <(sed -n 's/^ *"leftSpot": \[\([-0-9]*\), *\([-0-9]*\),.*/\1 \2/p' "$tmp/table.json")
read -r d < <(sed -n 's/^ *"ballDiameter": \([0-9]*\).*/\1/p' "$tmp/table.json")
[ -n "$sl" ] && [ -n "$d" ] || fail "no left spot in the lab's layout"
# The placement line runs 20 LU right of the left spot's square.
x=$((ox + (sl + 20) / 10)); y=$((oy + (st + d / 2) / 10))

# The break: put the cue ball down on the line, then press below it and release: the stroke goes
# straight up the line, where no ball lies, and touches nothing.
xdotool windowfocus --sync "$wid" || fail "focus"
xdotool mousemove "$x" "$y" click 1
sleep 0.5
xdotool mousemove "$x" $((y + 60)) mousedown 1
sleep 0.2
xdotool mouseup 1

# The no-contact message, then the computer's turn at once.
for _ in $(seq 300); do
  answer_boxes
  player_is 2 && break
  sleep 0.1
done
player_is 2 || fail "the turn never passed to the computer"
shot before

# The computer aims, strokes and plays on while it pots; a miss or a foul hands the turn back.
for _ in $(seq 1200); do
  answer_boxes
  player_is 1 && break
  sleep 0.1
done
player_is 1 || fail "the computer's turn never returned"
sleep 0.5
shot after
changed=$(compare -metric AE -crop "${vw}x$((vh - 96))+$ox+$((oy + 96))" \
          "$tmp/before.png" "$tmp/after.png" null: 2>&1)
[ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "the table did not change during the computer's turn ($changed)"
cat "$tmp/log" 2>/dev/null
echo PASS
