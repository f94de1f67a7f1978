#!/bin/bash
# The trainer on a real desktop: an X server of its own with a window manager (openbox), the
# real program in a scratch folder, driven with xdotool and wmctrl as a user drives it.
#
#   desktop_test.sh PROGRAM DATA_DIR CASE
#
# PROGRAM is the built tessaro, DATA_DIR the build folder holding Velden and Teks, CASE one
# of: exit_question, unsaved_question, window_manager_close, close_while_asking, owned_windows,
# random_file, fifo, small_grid, small_layout, hidpi, fit_large, fit_small. Exits 77 (skipped) when no X server with a
# window manager can be started here. With TESSARO_SCREENSHOTS set to a folder, the case leaves
# a screenshot of the moment it checks there.
set -u

program=$1
data_dir=$2
case_name=$3
# The commonest school laptop, unless the case is about a smaller screen.
case "$case_name" in
  small_grid) kScreenWidth=1280 kScreenHeight=720 ;;
  small_layout) kScreenWidth=1024 kScreenHeight=768 ;;
  # A 1366 x 768 laptop of twice the density, and the program told so.
  hidpi) kScreenWidth=2732 kScreenHeight=1536 ;;
  # The operator screen drawn larger on a large screen, and smaller on a netbook's.
  fit_large) kScreenWidth=1920 kScreenHeight=1080 ;;
  fit_small) kScreenWidth=1024 kScreenHeight=600 ;;
  *) kScreenWidth=1366 kScreenHeight=768 ;;
esac
readonly kScreenWidth kScreenHeight
scale=1
[ "$case_name" = hidpi ] && scale=2
# The size the operator screen is drawn at, in percent: its 1286 x 632 fitted to the screen.
zoom=100
[ "$case_name" = fit_large ] && zoom=149
[ "$case_name" = fit_small ] && zoom=79

source "$(dirname "$0")/../support/x_server.sh"
require_tools Xvfb openbox xdotool wmctrl xprop xlogo

# --- the desktop: an X server on a free display, then the window manager ---
start_x_server "$kScreenWidth" "$kScreenHeight"
openbox --sm-disable > "$scratch/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id"; }
wait_for 10 wm_ready || skip "the window manager did not start"

# --- the program, in a folder of its own ---
mkdir "$scratch/run"
cp -r "$data_dir/Velden" "$data_dir/Teks" "$scratch/run/"
rm -f "$scratch/run/Velden/data1.txt"
# Settings of its own: no size chosen for the operator screen, no recent projects.
(cd "$scratch/run" && XDG_CONFIG_HOME="$scratch/config" QT_SCALE_FACTOR=$scale exec "$program") > "$scratch/program.log" 2>&1 &
app=$!
pids+=($app)

window_named() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n1)
  [ -n "$id" ] && echo "$id"
}
# The program's windows from bottom to top, as the window manager stacks them (decimal ids).
stacking() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g' |
    while read -r -a ids; do for id in "${ids[@]}"; do echo $((id)); done; done
}
top_window() { stacking | tail -n1; }
running() { kill -0 "$app" 2> /dev/null; }
# A click at (x, y) inside window $1.
# Both in the program's pixels, which on a dense screen are $scale device pixels wide.
click_in() {
  xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1
  sleep 0.2
}
# A click at (x, y) on the operator screen, which covers the whole screen from (0, 0); (x, y)
# on its process picture, which is drawn at $zoom percent.
on_screen() { echo $((($1 * zoom * scale + 50) / 100)); }
click_screen() {
  xdotool mousemove "$(on_screen "$1")" "$(on_screen "$2")" click 1
  sleep 0.2
}
shot() {
  [ -n "${TESSARO_SCREENSHOTS:-}" ] && import -window root "$TESSARO_SCREENSHOTS/$1.png"
  return 0
}
# The first shown window of the program that is not among the ids given.
new_window() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app" 2> /dev/null); do
    [[ " $* " == *" $id "* ]] || {
      echo "$id"
      return 0
    }
  done
  return 1
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

wait_for 10 window_named '^Tessaro$' > /dev/null || fail "the operator screen did not open"
main=$(window_named '^Tessaro$')
sleep 0.3

# The operator screen's command buttons, at the positions the window design gives them.
exit_button=(36 12)
logics_button=(196 12)
project_button=(388 12)

# Whether window $1 is a window of the operator screen's, and not one that floats over every
# program.
expect_owned() {
  xprop -id "$1" WM_TRANSIENT_FOR | grep -q "window id # $(printf '0x%x' "$main")\$" ||
    fail "window $1 ($2) is not owned by the operator screen: $(xprop -id "$1" WM_TRANSIENT_FOR)"
  ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "window $1 ($2) floats over every program"
}
# Whether window $1 stands in front of window $2.
in_front_of() {
  local order
  order=$(stacking | grep -nx -e "$1" -e "$2" | head -n1)
  [ "${order#*:}" = "$2" ]
}
expect_in_front() {
  wait_for 2 in_front_of "$1" "$2" ||
    fail "$3: stacking $(stacking | tr '\n' ' '), expected $1 in front of $2"
}
# The whole window $1, frame included, on the screen.
expect_on_screen() {
  local left top right bottom
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS |
    sed 's/.*= //; s/,//g')
  geometry "$1"
  # xdotool counts a reparented window's frame twice; the X server's own figures.
  X=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  ((X - left >= 0 && Y - top >= 0 && X + WIDTH + right <= kScreenWidth &&
    Y + HEIGHT + bottom <= kScreenHeight)) ||
    fail "$2 (${WIDTH}x$HEIGHT at $X,$Y, frame $left $right $top $bottom) runs off the ${kScreenWidth}x$kScreenHeight screen"
}

# Opens the save/load dialog and presses "Inlezen".
press_inlezen() {
  click_screen "${project_button[@]}"
  wait_for 5 window_named '^Opslaan/Inlezen$' > /dev/null || fail "the save/load dialog did not open"
  click_in "$(window_named '^Opslaan/Inlezen$')" 220 32
}

# The "Afsluiten?" question: up within a second and the top-most window.
expect_exit_question() {
  wait_for 2 window_named '^Exit$' > /dev/null || fail "no \"Afsluiten?\" question ($1)"
  question=$(window_named '^Exit$')
  wait_for 2 test "$(top_window)" = "$question" ||
    fail "the question is not in front ($1): stacking $(stacking | tr '\n' ' '), question $question"
}

answer() {
  geometry "$question"
  if [ "$1" = No ]; then click_in "$question" $((WIDTH - 50)) $((HEIGHT - 22)); fi
  if [ "$1" = Yes ]; then click_in "$question" $((WIDTH - 135)) $((HEIGHT - 22)); fi
}

expect_runs_on() {
  wait_for 2 sh -c "! xdotool search --onlyvisible --name '^Exit$' > /dev/null" ||
    fail "the question stayed open after No ($1)"
  sleep 0.3
  running || fail "the program ended after No ($1)"
  # By its window: a loaded project names itself in the title.
  xdotool search --onlyvisible --pid "$app" 2> /dev/null | grep -qx "$main" ||
    fail "the operator screen went away after No ($1)"
}

# An error box of the program that is whole on the screen, up within $1 seconds.
expect_error_box() {
  local known="$main $(window_named '^Opslaan/Inlezen$')" box=""
  wait_for "$1" new_window $known > /dev/null || fail "no error box within $1 s"
  box=$(new_window $known)
  wait_for 2 test "$(top_window)" = "$box" || fail "the error box is not in front"
  sleep 0.3
  geometry "$box"
  echo "error box at $X,$Y size ${WIDTH}x$HEIGHT"
  ((X >= 0 && Y >= 0 && X + WIDTH <= kScreenWidth && Y + HEIGHT <= kScreenHeight)) ||
    fail "the error box (${WIDTH}x$HEIGHT at $X,$Y) does not fit the ${kScreenWidth}x$kScreenHeight screen"
  error_box=$box
}

case "$case_name" in
  exit_question)
    # The logic grid and a PID faceplate stay on top of the operator screen.
    cp "$(dirname "$0")/faceplate_project.txt" "$scratch/run/Velden/data1.txt"
    press_inlezen
    click_screen "${logics_button[@]}"
    wait_for 5 window_named '^Logics' > /dev/null || fail "the logic grid did not open"
    # "Reg1" stands where the project puts it: left and top on lines 177 and 178.
    reg1_left=$(sed -n 177p "$scratch/run/Velden/data1.txt" | tr -d '\r')
    reg1_top=$(sed -n 178p "$scratch/run/Velden/data1.txt" | tr -d '\r')
    shown=$(xdotool search --onlyvisible --pid "$app" | tr '\n' ' ')
    click_screen $((reg1_left + 8)) $((reg1_top + 8))
    wait_for 5 new_window $shown > /dev/null || fail "the PID faceplate did not open"
    click_screen "${exit_button[@]}"
    expect_exit_question "Exit over the logic grid and a faceplate"
    shot exit-question
    answer No
    expect_runs_on "Exit"
    window_named '^Logics' > /dev/null || fail "the logic grid went away"
    ;;
  unsaved_question)
    # A block placed and not saved: "Exit" asks whether to save it, not "Afsluiten?".
    click_screen "${logics_button[@]}"
    wait_for 5 window_named '^Logics' > /dev/null || fail "the logic grid did not open"
    click_in "$(window_named '^Logics')" 35 35
    wait_for 5 window_named '^Plaats de inputblokken$' > /dev/null || fail "no input palette"
    click_in "$(window_named '^Plaats de inputblokken$')" 48 30
    click_screen "${exit_button[@]}"
    wait_for 2 window_named '^Niet opgeslagen$' > /dev/null || fail "no save question"
    question=$(window_named '^Niet opgeslagen$')
    window_named '^Exit$' > /dev/null && fail "\"Afsluiten?\" came with unsaved changes"
    wait_for 2 test "$(top_window)" = "$question" || fail "the save question is not in front"
    shot save-question
    # Escape is Cancel: the question goes, the program runs on, nothing was written.
    xdotool key Escape
    wait_for 2 sh -c "! xdotool search --onlyvisible --name '^Niet opgeslagen$' > /dev/null" ||
      fail "the save question stayed open after Cancel"
    sleep 0.3
    running || fail "the program ended after Cancel"
    [ -e "$scratch/run/Velden/data1.txt" ] && fail "Cancel saved the project"
    # Saved with "Opslaan": the next "Exit" asks "Afsluiten?" again.
    click_screen "${project_button[@]}"
    wait_for 5 window_named '^Opslaan/Inlezen$' > /dev/null || fail "the save/load dialog did not open"
    click_in "$(window_named '^Opslaan/Inlezen$')" 76 32
    wait_for 5 test -s "$scratch/run/Velden/data1.txt" || fail "Opslaan wrote no project"
    click_screen "${exit_button[@]}"
    expect_exit_question "Exit after a save"
    answer No
    expect_runs_on "Exit after a save"
    ;;
  window_manager_close)
    click_screen "${logics_button[@]}"
    wmctrl -i -c "$main"
    expect_exit_question "close through the window manager"
    answer No
    expect_runs_on "window manager close"
    wmctrl -i -c "$main"
    expect_exit_question "second close"
    answer Yes
    wait_for 3 sh -c "! kill -0 $app 2> /dev/null" || fail "Yes did not end the program"
    ;;
  close_while_asking)
    # A close through the window manager while "Afsluiten?" is open, after "Exit" and after a
    # first close through the window manager: the question answers it.
    for first in exit window_manager; do
      if [ $first = exit ]; then click_screen "${exit_button[@]}"; else wmctrl -i -c "$main"; fi
      expect_exit_question "$first"
      wmctrl -i -c "$main"
      sleep 0.5
      expect_exit_question "a close while the question is open, after $first"
      answer No
      expect_runs_on "a close while the question was open, after $first"
      xprop -id "$main" WM_STATE | grep -q Normal || fail "the operator screen is unmapped"
    done
    ;;
  owned_windows)
    # The grid, a faceplate and the save/load dialog stay in front of the operator screen
    # because it owns them; another program may come in front of all of them.
    cp "$(dirname "$0")/faceplate_project.txt" "$scratch/run/Velden/data1.txt"
    press_inlezen
    click_screen "${logics_button[@]}"
    wait_for 5 window_named '^Logics' > /dev/null || fail "the logic grid did not open"
    grid=$(window_named '^Logics')
    reg1_left=$(sed -n 177p "$scratch/run/Velden/data1.txt" | tr -d '\r')
    reg1_top=$(sed -n 178p "$scratch/run/Velden/data1.txt" | tr -d '\r')
    shown=$(xdotool search --onlyvisible --pid "$app" | tr '\n' ' ')
    click_screen $((reg1_left + 8)) $((reg1_top + 8))
    wait_for 5 new_window $shown > /dev/null || fail "the PID faceplate did not open"
    faceplate=$(new_window $shown)
    click_screen "${project_button[@]}"
    wait_for 5 window_named '^Opslaan/Inlezen$' > /dev/null || fail "the save/load dialog did not open"
    dialog=$(window_named '^Opslaan/Inlezen$')
    for window in grid faceplate dialog; do expect_owned "${!window}" $window; done
    # A click on the operator screen leaves them in front of it.
    click_screen 150 700
    for window in grid faceplate dialog; do
      expect_in_front "${!window}" "$main" "after a click on the operator screen"
    done
    shot owned-windows
    # "Logics" brings the grid in front of the other windows of the program.
    click_in "$dialog" 150 90
    click_screen "${logics_button[@]}"
    expect_in_front "$grid" "$faceplate" "after \"Logics\""
    expect_in_front "$grid" "$dialog" "after \"Logics\""
    # Another program comes in front of them all.
    xlogo -geometry 200x200+1100+500 > /dev/null 2>&1 &
    pids+=($!)
    wait_for 5 window_named '^xlogo$' > /dev/null || fail "xlogo did not open"
    other=$(window_named '^xlogo$')
    xdotool windowactivate "$other" 2> /dev/null
    for window in grid faceplate dialog; do
      expect_in_front "$other" "${!window}" "another program"
    done
    ;;
  small_grid)
    # On a 1280 x 720 screen the grid fits, and its last row scrolls into reach.
    click_screen "${logics_button[@]}"
    wait_for 5 window_named '^Logics' > /dev/null || fail "the logic grid did not open"
    grid=$(window_named '^Logics')
    sleep 0.5
    expect_on_screen "$grid" "the logic grid"
    geometry "$grid"
    xdotool mousemove --window "$grid" 250 300
    for _ in $(seq 30); do xdotool click 5; done
    sleep 0.3
    shot small-grid
    # Scrolled to the end: the "Logics" label and a margin (29 px) below row 16.
    shown=$(xdotool search --onlyvisible --pid "$app" | tr '\n' ' ')
    click_in "$grid" 35 $((HEIGHT - 29 - 36))
    wait_for 5 window_named '^Plaats de inputblokken$' > /dev/null ||
      fail "row 16 did not open its palette"
    palette=$(window_named '^Plaats de inputblokken$')
    expect_on_screen "$palette" "the input palette"
    ;;
  small_layout)
    # On a 1024 x 768 screen the layout window fits, and scrolls to its last controls.
    click_screen 116 12
    wait_for 5 window_named '^Screen, maak' > /dev/null || fail "the layout window did not open"
    layout=$(window_named '^Screen, maak')
    sleep 0.5
    expect_on_screen "$layout" "the layout window"
    shot small-layout
    ;;
  hidpi)
    # The process picture on the screen is its copy at twice the size, pixel for pixel: not
    # the picture enlarged. (A part of it that no item covers.)
    sleep 0.5
    shot hidpi-operator-screen
    import -window root -crop 1400x500+1000+900 "$scratch/shown.png"
    convert "$scratch/run/Teks/Procesplaat@2x.bmp" -crop 1400x500+1000+900 "$scratch/plate.png"
    differing=$(compare -metric AE "$scratch/shown.png" "$scratch/plate.png" null: 2>&1)
    [ "$differing" = 0 ] || fail "$differing pixels of the process picture differ from its copy at 2x"
    # A faceplate: its bar scale is drawn at the screen's density.
    cp "$(dirname "$0")/faceplate_project.txt" "$scratch/run/Velden/data1.txt"
    press_inlezen
    reg1_left=$(sed -n 177p "$scratch/run/Velden/data1.txt" | tr -d '\r')
    reg1_top=$(sed -n 178p "$scratch/run/Velden/data1.txt" | tr -d '\r')
    shown=$(xdotool search --onlyvisible --pid "$app" | tr '\n' ' ')
    click_screen $((reg1_left + 8)) $((reg1_top + 8))
    wait_for 5 new_window $shown > /dev/null || fail "the PID faceplate did not open"
    sleep 0.5
    shot hidpi-faceplate
    ;;
  fit_large | fit_small)
    # The faceplate project with push button 1 shown (its visibility is on line 407; its
    # place, 216,200, on lines 189 and 190).
    tr -d '\r' < "$(dirname "$0")/faceplate_project.txt" | sed '407s/.*/1/' | sed 's/$/\r/' \
      > "$scratch/run/Velden/data1.txt"
    press_inlezen
    sleep 0.5
    shot "operator-fit-${kScreenWidth}x$kScreenHeight"
    # Pressed where it stands on the picture drawn at $zoom %, the button shows "aan": what
    # changes on the screen is inside the button's place, scaled, and fills most of it.
    left=$(on_screen 216) top=$(on_screen 200) right=$(on_screen 306) bottom=$(on_screen 240)
    import -window root "$scratch/before.png"
    xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
    sleep 0.5
    import -window root "$scratch/after.png"
    changed=$(convert "$scratch/before.png" "$scratch/after.png" -compose difference -composite \
      -threshold 0 -trim -format '%w %h %X %Y' info: | tr -d '+')
    read -r w h x y <<< "$changed"
    echo "button at ${left},${top} to ${right},${bottom}; changed ${w}x$h at $x,$y"
    ((w > 1 && x >= left && y >= top && x + w <= right && y + h <= bottom)) ||
      fail "the press changed ${w}x$h at $x,$y, not inside the button at $left,$top-$right,$bottom"
    ((w * 2 > right - left && h * 2 > bottom - top)) ||
      fail "the press changed only ${w}x$h of the ${left},${top}-${right},${bottom} button"
    ;;
  random_file)
    # 112 block keys of random text (none names a picture), then a valid rest. Random bytes
    # would make no text at all, which is refused before any picture is looked for.
    {
      for ((line = 1; line <= 112; line++)); do
        head -c 2250 /dev/urandom | base64 -w0
        printf '\r\n'
      done
      for ((line = 113; line <= 470; line++)); do printf '0\r\n'; done
    } > "$scratch/run/Velden/data1.txt"
    press_inlezen
    expect_error_box 5
    shot random-file-error
    ;;
  fifo)
    mkfifo "$scratch/run/Velden/data1.txt"
    press_inlezen
    expect_error_box 1
    running || fail "the program ended"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
echo "passed: $case_name"
