#!/bin/bash
# The trainer on a Wayland desktop: a compositor of its own (weston or GNOME's mutter) nested
# in an X server of its own, so that xdotool can click, and the real program on it.
#
#   wayland_test.sh PROGRAM DATA_DIR COMPOSITOR
#
# COMPOSITOR is weston or mutter. Opens the logic grid, a faceplate and the save/load dialog,
# clicks on the operator screen and checks that they stay in front of it; then "Logics"
# brings the grid in front of the others. Exits 77 (skipped) when the compositor cannot be
# started here. With TESSARO_SCREENSHOTS set to a folder, it leaves a screenshot there.
set -u

program=$1
data_dir=$2
compositor=$3
readonly kWidth=1366 kHeight=768

source "$(dirname "$0")/../support/x_server.sh"
require_tools Xvfb xdotool import compare dbus-run-session "$compositor"

# --- an X server for the compositor's window, then the compositor on a socket of its own ---
start_x_server "$kWidth" "$kHeight"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket="tessaro-test-$$"
unset WAYLAND_DISPLAY
case "$compositor" in
  weston)
    # No panel: the operator screen then starts at the output's top-left corner, as on mutter.
    printf '[shell]\npanel-position=none\n[core]\nidle-time=0\n' > "$scratch/weston.ini"
    weston --config="$scratch/weston.ini" --backend=x11-backend.so --use-pixman \
      --width=$kWidth --height=$kHeight --socket="$socket" --debug \
      > "$scratch/compositor.log" 2>&1 &
    pids+=($!)
    ;;
  mutter)
    MUTTER_DEBUG_DUMMY_MODE_SPECS=${kWidth}x$kHeight dbus-run-session -- \
      sh -c 'echo $$ > "$1"; exec mutter --nested --wayland --no-x11 --wayland-display="$2"' \
      sh "$scratch/compositor.pid" "$socket" > "$scratch/compositor.log" 2>&1 &
    pids+=($!)
    wait_for 10 test -s "$scratch/compositor.pid" && pids+=("$(cat "$scratch/compositor.pid")")
    ;;
  *) fail "unknown compositor $compositor" ;;
esac
wait_for 15 test -S "$XDG_RUNTIME_DIR/$socket" || skip "$compositor did not start"

# --- the program, in a folder of its own, on the compositor ---
mkdir "$scratch/run"
cp -r "$data_dir/Velden" "$data_dir/Teks" "$scratch/run/"
cp "$(dirname "$0")/../desktop/faceplate_project.txt" "$scratch/run/Velden/data1.txt"
(cd "$scratch/run" && WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland exec "$program") \
  > "$scratch/program.log" 2>&1 &
app=$!
pids+=($app)

# weston's X11 backend moves its pointer by the X pointer's motion, not to where it is: the
# pointer goes to the top-left corner first, then by (x, y). mutter follows the X pointer.
point() {
  if [ "$compositor" = weston ]; then
    xdotool mousemove_relative -- -5000 -5000
    xdotool mousemove_relative "$1" "$2"
  else
    xdotool mousemove "$1" "$2"
  fi
}
click() {
  point "$1" "$2"
  sleep 0.2
  xdotool click 1
  sleep 0.8
}
shot() { import -window root "$scratch/$1.png"; }
pixel() { convert "$scratch/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
# How many pixels of two screenshots differ.
differing() { compare -metric AE -fuzz 3% "$scratch/$1.png" "$scratch/$2.png" null: 2>&1; }
# How many pixels of a screenshot have colour $2.
count_colour() {
  convert "$scratch/$1.png" -fill black +opaque "$2" -fill white -opaque "$2" \
    -format "%[fx:mean*w*h]" info: | cut -d. -f1
}
# The program's windows from front to back (weston only).
toplevels() {
  WAYLAND_DISPLAY="$socket" timeout 5 weston-debug scene-graph 2> /dev/null |
    sed -n "s/.*role xdg_toplevel.*top-level window '\\([^']*\\)'.*/\\1/p"
}
# Whether one of the program's other windows lies over (x, y) (weston only): weston puts a
# new window at a random place, and may put it over a button the test clicks next.
covered() {
  WAYLAND_DISPLAY="$socket" timeout 5 weston-debug scene-graph 2> /dev/null |
    awk -v x="$1" -v y="$2" '
      /role xdg_toplevel/ { other = ($0 !~ /window .Tessaro/) }
      other && /position:/ {
        gsub(/[(),>-]/, " "); split($0, p, " +")
        if (x >= p[3] && x < p[5] && y >= p[4] && y < p[6]) hit = 1
        other = 0
      }
      END { exit !hit }'
}
click_screen() {
  if [ "$compositor" = weston ] && covered "$1" "$2"; then
    skip "weston placed a window over ($1, $2) of the operator screen"
  fi
  click "$1" "$2"
}
operator_screen_up() {
  running || return 1
  shot start
  [ "$(pixel start 1340 740)" = "srgb(128,128,128)" ]
}
running() { kill -0 "$app" 2> /dev/null; }

wait_for 20 operator_screen_up || {
  running || skip "the program did not start on $compositor: $(head -c 300 "$scratch/program.log")"
  fail "the operator screen did not come up on $compositor"
}
# Paused, so that no chart moves between two screenshots.
click 660 700
xdotool key F5
sleep 0.5

# The save/load dialog, "Inlezen" by the keyboard (it opens where the compositor puts it).
shot before
click 388 12
shot dialog
(($(differing before dialog) > 20000)) || fail "the save/load dialog did not open"
xdotool key Tab space
sleep 1
# The PID faceplate from its label, where the project puts it; then the grid.
shot loaded
click_screen 1068 58
shot faceplate
(($(differing loaded faceplate) > 20000)) || fail "the faceplate did not open"
click_screen 196 12
shot grid
(($(differing faceplate grid) > 100000)) || fail "the logic grid did not open"
# A field of the empty grid starts dark in its top-left corner.
fields=$(count_colour grid "rgb(11,10,11)")
((fields >= 40)) || fail "only $fields fields of the grid are to be seen"

# A click on the operator screen, where none of them is: they stay in front of it.
for spot in "1340 740" "20 740" "1340 300" "20 300"; do
  read -r x y <<< "$spot"
  [ "$(pixel grid "$x" "$y")" = "srgb(128,128,128)" ] && break
done
click "$x" "$y"
shot clicked
changed=$(differing grid clicked)
echo "a click on the operator screen at $x,$y changed $changed pixels"
# Only the title bars change colour; the operator screen in front would cover the windows.
((changed < 40000)) || fail "the windows went behind the operator screen ($changed pixels changed)"
(($(count_colour clicked "rgb(11,10,11)") == fields)) || fail "the grid went behind"
if [ "$compositor" = weston ]; then
  [[ "$(toplevels | tail -n1)" == Tessaro* ]] || fail "stacking $(toplevels | tr '\n' '|')"
fi
[ -n "${TESSARO_SCREENSHOTS:-}" ] && cp "$scratch/clicked.png" "$TESSARO_SCREENSHOTS/wayland-$compositor.png"

# A click on the faceplate (its blue mode label) brings it in front; "Logics" brings the
# grid in front of it.
read -r fx fy < <(convert "$scratch/clicked.png" -fill black +opaque "rgb(0,0,255)" -trim \
  -format "%[fx:int(page.x+w/2)] %[fx:int(page.y+h/2)]" info:)
click "$fx" "$fy"
if [ "$compositor" = weston ]; then
  [[ "$(toplevels | head -n1)" == *tot* ]] || fail "the faceplate: $(toplevels | tr '\n' '|')"
fi
click 196 12
shot again
(($(count_colour again "rgb(11,10,11)") >= fields)) || fail "\"Logics\" did not bring the whole grid to the front"
if [ "$compositor" = weston ]; then
  [ "$(toplevels | head -n1)" = "Logics, bouw hier je logisch schema op" ] ||
    fail "\"Logics\": $(toplevels | tr '\n' '|')"
fi
running || fail "the program ended"
echo "passed: $compositor"
