# Shared pieces of the end-to-end scripts: the real game program under a bare X server (the
# scripts run inside xvfb-run). $DRAVONEL is the program; $E2E_SHOT_DIR, when set, keeps the
# screenshots. Source it, then call the functions; $tmp is the script's scratch directory.
set -u
export QT_QPA_PLATFORM=xcb
tmp=$(mktemp -d)
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$tmp/program.log" ] && grep -v QStandardPaths "$tmp/program.log" | tail -20
  exit 1
}

# Starts the game with the settings directory $tmp/cfg and the layout dump $tmp/layout.txt, and
# waits until the main window shows and has been dumped; sets pid and wid. Arguments go to the
# program. With E2E_ACCEPT_DIALOGS=1 any greeting dialog before the window is accepted.
start_dravonel() {
  mkdir -p "$tmp/cfg"
  rm -f "$tmp/layout.txt"
  VELKARO_CONFIG_DIR="$tmp/cfg" VELKARO_DUMP_LAYOUT="$tmp/layout.txt" "$DRAVONEL" "$@" > "$tmp/program.log" 2>&1 &
  pid=$!
  wid=""
  for _ in $(seq 300); do
    wid=$(xdotool search --onlyvisible --name '^Velkaro Ver1\.20$' 2>/dev/null | head -1)
    [ -n "$wid" ] && [ -s "$tmp/layout.txt" ] && return 0
    if [ "${E2E_ACCEPT_DIALOGS:-0}" = 1 ]; then
      for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xdotool key --window "$w" Return 2>/dev/null
      done
    fi
    sleep 0.1
  done
  fail "the main window never showed"
}

# Ends the running game program.
end_dravonel() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
}

# Waits up to 10 s for a line of the layout dump to match PATTERN.
wait_for() {
  for _ in $(seq 100); do grep -q "$1" "$tmp/layout.txt" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}

# Sets ox, oy (the view's top-left on the screen), vw, vh from the layout dump.
read_view() {
  local cx cy vx vy
  read -r _ cx cy _ _ < <(grep '^client ' "$tmp/layout.txt")
  read -r _ vx vy vw vh < <(grep '^view ' "$tmp/layout.txt")
  ox=$((cx + vx)); oy=$((cy + vy))
}

shot() { # NAME: the whole screen into $tmp/NAME.png
  import -window root "$tmp/$1.png" || fail "screenshot $1"
  [ -n "${E2E_SHOT_DIR:-}" ] && cp "$tmp/$1.png" "$E2E_SHOT_DIR/"
  return 0
}

pixel() { # NAME X Y -> "r,g,b"
  convert "$tmp/$1.png" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

expect_pixel() { # NAME X Y WANT WHAT
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5 at $2,$3 is $got, not $4"
}

region() { # NAME X Y: a checksum of the 40 x 40 pixels around a point
  convert "$tmp/$1.png" -crop "40x40+$(($2 - 20))+$(($3 - 20))" +repage rgb:- | md5sum | cut -d' ' -f1
}
