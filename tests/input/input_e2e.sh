#!/usr/bin/env bash
# Two people at one mouse in the real game under a bare X server: the break ball placed on the
# line, a stroke through the shot bar (shot mode 1) and a pushed stroke (shot mode 2), each a miss
# that moves the cue ball and passes the turn to Player2.
# Runs inside xvfb-run; $DRAVONEL is the program, $E2E_SHOT_DIR (optional) keeps the screenshots.
. "$(dirname "$0")/../e2e/lib.sh"

# Starts the game with the given shot mode and waits for Player1's turn; sets wid, ox, oy (the
# view's top-left on the screen), vw, vh.
start_game() {
  mkdir -p "$tmp/cfg"
  printf '[Option]\r\nComputer=0\r\nProMode=1\r\nShotMode=%s\r\nSound=0\r\nMusic=0\r\n' "$1" > "$tmp/cfg/dravonel.ini"
  start_dravonel
  wait_for '^pane 5 .*"現在のプレーヤーは Player1 です"$' || fail "Player1 never had the turn"
  read_view
  sleep 1.5  # the deal's card show
}

# The placement line: the first black pixel left of the table's middle on row y (the row holds
# no spot and no ball but the rack, which lies to the right).
find_line() { # NAME Y -> x on the screen
  local left=$((ox + 5)) width=$((vw / 2 - 45))
  convert "$tmp/$1.png" -crop "${width}x1+${left}+$2" +repage txt:- |
    awk -F'[,:]' -v left="$left" '/\(0,0,0\)/ {x = $1 + left} END {if (x) print x; else exit 1}'
}

# Places the break ball on the line at row y; sets bx, by (its centre on the screen).
place_cue_ball() {
  by=$((oy + vh * 62 / 100))  # below the cue ball's start and the spots, beside the rack
  shot before-placing
  bx=$(find_line before-placing "$by") || fail "no placement line on row $by"
  xdotool mousemove "$bx" "$by" click 1
  sleep 0.5
}

# The no-contact message: Enter on the box closes it; the turn then passes.
close_message_and_expect_player2() {
  local box=""
  for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --name '^Velkaro Ver1\.20$' 2>/dev/null | grep -v "^$wid$" | head -1)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message after the miss"
  shot "$1-message"
  xdotool windowfocus --sync "$box" key Return
  wait_for '^pane 5 .*"現在のプレーヤーは Player2 です"$' || fail "$1: the turn did not pass to Player2"
  shot "$1-after"
}

# --- Shot mode 1: aim from below (a straight shot up the placement line touches no ball), open
# the shot bar on release, play with the right button on the bar.
start_game 1
place_cue_ball
shot mode1-placed
placed=$(region mode1-placed "$bx" "$by")
xdotool mousemove "$bx" $((by + 100)) mousedown 1
sleep 0.2
xdotool mousemove "$bx" $((by + 101))
sleep 0.2
xdotool mouseup 1
sleep 1
shot mode1-bar
# The bar lies over the card strip: its client starts 8 pixels into the view.
xdotool mousemove $((ox + 8 + 600)) $((oy + 8 + 75)) click 3
close_message_and_expect_player2 mode1
[ "$(region mode1-after "$bx" "$by")" != "$placed" ] || fail "mode 1: the cue ball did not move"
end_dravonel

# --- Shot mode 2: aim from below, release, press again, pull back 60 pixels, push through.
start_game 2
place_cue_ball
shot mode2-placed
placed=$(region mode2-placed "$bx" "$by")
xdotool mousemove "$bx" $((by + 100)) click 1
sleep 0.3
xdotool mousemove "$bx" $((by + 100)) mousedown 1
for k in 1 2 3 4 5 6; do xdotool mousemove "$bx" $((by + 100 + 10 * k)); sleep 0.05; done
xdotool mouseup 1
for k in 1 2 3 4; do xdotool mousemove "$bx" $((by + 160 - 20 * k)); sleep 0.05; done
close_message_and_expect_player2 mode2
[ "$(region mode2-after "$bx" "$by")" != "$placed" ] || fail "mode 2: the cue ball did not move"
end_dravonel
echo "PASS"
