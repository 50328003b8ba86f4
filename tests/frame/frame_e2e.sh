#!/usr/bin/env bash
# The real game program under a bare X server: window size, layout, status bar pixels, menus, exit.
# Runs inside xvfb-run; $DRAVONEL is the program, $E2E_SHOT_DIR (optional) keeps the screenshots.
. "$(dirname "$0")/../e2e/lib.sh"

start_dravonel

# The client asked for on a 1024 x 768 screen, before the menu bar takes its share.
size=$(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$size" = "1014x656" ] || fail "window is $size"
grep -qx "metrics 10140 6560 960" "$tmp/layout.txt" || fail "published metrics"
grep -q "^statusbar .* id 32794$" "$tmp/layout.txt" || fail "no status bar 32794"
[ "$(grep -c '^pane ' "$tmp/layout.txt")" = 11 ] || fail "not eleven panes"
# The game's first paint starts the match: the two players and whose turn it is.
wait_for '^pane 5 stretch 115 .*"現在のプレーヤーは Player1 です"$' || fail "pane 5"
grep -q '^pane 3 popout 115 .*"☆<Player1>"$' "$tmp/layout.txt" || fail "pane 3"
grep -q '^pane 6 popout 115 .*"☆<Player2>"$' "$tmp/layout.txt" || fail "pane 6"

sleep 0.3
shot start
read -r _ cx cy _ _ < <(grep '^client ' "$tmp/layout.txt")
read -r _ vx vy vw vh < <(grep '^view ' "$tmp/layout.txt")
read -r _ sy sh _ < <(grep '^statusbar ' "$tmp/layout.txt")
expect_pixel start $((cx + vx + vw / 2)) $((cy + vy + vh / 2)) "0,128,64" "cloth"
# A pop-out pane is raised (light top-left, dark bottom-right); a normal pane is sunken.
for p in 3 5; do
  read -r _ _ _ _ _ px _ pw _ < <(grep "^pane $p " "$tmp/layout.txt")
  top=$((cy + sy + 2)); bottom=$((cy + sy + sh - 3)); left=$((cx + px)); right=$((cx + px + pw - 1))
  if [ $p = 3 ]; then light=$left,$top dark=$right,$bottom; else light=$right,$bottom dark=$left,$top; fi
  expect_pixel start "${light%,*}" "${light#*,}" "255,255,255" "pane $p light edge"
  expect_pixel start "${dark%,*}" "${dark#*,}" "128,128,128" "pane $p dark edge"
done

# Opening the Help menu, twice, puts the tips command at its top once.
xdotool windowfocus --sync "$wid" || fail "focus"
for _ in 1 2; do
  xdotool key --window "$wid" alt+h
  wait_for '^  ﾍﾙﾌﾟ(&H) (open)$' || fail "Alt+H did not open the Help menu"
  shot help
  xdotool key Escape
  wait_for '^  ﾍﾙﾌﾟ(&H)$' || fail "Escape did not close the Help menu"
done
help=$(awk '/^  ﾍﾙﾌﾟ\(&H\)$/{on=1; next} on && /^  [^ ]/{on=0} on' "$tmp/layout.txt")
[ "$(echo "$help" | head -2 | tr -d ' ' | tr '\n' '|')" = "今日のヒント=177|-|" ] || fail "help menu: $help"
[ "$(echo "$help" | grep -c 今日のヒント)" = 1 ] || fail "tips item more than once"

# ｹﾞｰﾑ -> 終了 through the mnemonic letters ends the program.
xdotool key --window "$wid" alt+f
wait_for '^  ｹﾞｰﾑ(&F) (open)$' || fail "Alt+F did not open the Game menu"
shot game
xdotool key x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid"; status=$?
pid=""
[ "$status" = 0 ] || fail "exit status $status"
[ ! -e "$tmp/cfg/dravonel.ini" ] || fail "start-up wrote the settings file"
echo "PASS"
