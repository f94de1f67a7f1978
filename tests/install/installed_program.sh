#!/usr/bin/env bash
# The installed program as a new user meets it: install into a scratch root, start
# bin/tessaro with an empty HOME on an X server of its own, see the operator screen with its
# process picture, find the per-user folder prepared, save the project there through the
# save dialog, and start once more without the project being touched.
#   installed_program.sh BUILD_DIR WORK_DIR
# Exits 77 (skipped) where no X server or xdotool is at hand.
set -euo pipefail

build=$1
work=$2
skip=77

for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit $skip; }
done

rm -rf "$work"
mkdir -p "$work/home"
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log"

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 5 -screen 0 1366x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "no X server could be started: skipped"; exit $skip; }
export DISPLAY=:$(head -n1 "$work/display")
if command -v openbox >/dev/null; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  # As on a desktop, the window manager is there before the program: a window mapped while
  # it is still starting may never be shown.
  if command -v wmctrl >/dev/null; then
    for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
  fi
fi

# The environment of a fresh account: an empty HOME, nothing else set for the program.
home=$work/home
user_folder=$home/.local/share/tessaro

# Prints the id of the first shown window named exactly $1, waiting up to fifteen seconds
# (a busy CI machine may take a while to start the program);
# further arguments narrow the search (--pid PID).
wait_window() {
  local name=$1 found
  shift
  for _ in $(seq 150); do
    found=$(xdotool search --onlyvisible "$@" --name "^$name\$" 2>/dev/null | head -n1) || true
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.1
  done
}

tessaro_pid=
start_tessaro() {
  (cd "$work" && exec env -i "DISPLAY=$DISPLAY" "HOME=$home" "PATH=/usr/bin:/bin" "LANG=C.UTF-8" \
     "$root/usr/bin/tessaro") >>"$work/tessaro.log" 2>&1 &
  tessaro_pid=$!
  pids+=("$tessaro_pid")
  window=$(wait_window Tessaro --pid "$tessaro_pid")
  [ -n "$window" ] || fail "the operator screen did not appear"
  sleep 1  # let the window manager map it and the first paint reach the screen
}

stop_tessaro() {
  kill "$tessaro_pid"
  wait "$tessaro_pid" 2>/dev/null || true
}

# The operator screen shows the process picture from its top left corner: a stretch of it
# below the command buttons must equal the shipped picture, pixel for pixel.
see_process_picture() {
  local shot=$1
  import -window root "$shot"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local area=600x300
  convert "$shot" -crop "$area+$((X + 200))+$((Y + 120))" +repage "$work/seen.png"
  convert "$root/usr/share/tessaro/Teks/Procesplaat.bmp" -crop "$area+200+120" +repage \
          "$work/shipped.png"
  local differ
  differ=$(compare -metric AE "$work/seen.png" "$work/shipped.png" null: 2>&1) || true
  [ "$differ" = 0 ] || fail "the screen differs from the process picture in $differ pixels"
}

start_tessaro
see_process_picture "$work/first-start.png"

# The per-user folder holds the shipped pictures, beside room for the user's own.
for file in Teks/Procesplaat.bmp Velden/papier.bmp Velden/Papier40.bmp Velden/Blanco.bmp; do
  [ -r "$user_folder/$file" ] || fail "$file missing from the per-user folder"
done
[ -d "$user_folder/Velden" ] && [ ! -L "$user_folder/Velden" ] || fail "Velden is not the user's"

# "Opslaan/inlezen", then "Opslaan" in its dialog.
xdotool mousemove --window "$window" 388 12 click 1
dialog=$(wait_window Opslaan/Inlezen)
[ -n "$dialog" ] || fail "the save dialog did not open"
sleep 0.5
xdotool mousemove --window "$dialog" 76 32 click 1
project=$user_folder/Velden/data1.txt
for _ in $(seq 50); do [ -s "$project" ] && break; sleep 0.1; done
[ -s "$project" ] || fail "the project was not saved in the per-user folder"
[ "$(wc -l <"$project")" = 470 ] || fail "the saved project has not 470 lines"
[ ! -e "$root/usr/share/tessaro/Velden/data1.txt" ] || fail "the project went into the install"

# The first "Opslaan als…" starts in the documents folder's Tessaro, made for it: a name
# typed and Enter save the project there.
xdotool mousemove --window "$window" 388 12 click 1
dialog=$(wait_window Opslaan/Inlezen)
[ -n "$dialog" ] || fail "the save dialog did not open again"
sleep 0.5
xdotool mousemove --window "$dialog" 76 72 click 1
chooser=$(wait_window "Opslaan als" --pid "$tessaro_pid")
[ -n "$chooser" ] || fail "no file dialog for Opslaan als"
sleep 0.5
xdotool type --window "$chooser" proef
xdotool key --window "$chooser" Return
documents=$home/Documents/Tessaro
for _ in $(seq 50); do [ -s "$documents/proef.txt" ] && break; sleep 0.1; done
[ -s "$documents/proef.txt" ] || fail "the first Opslaan als did not start in $documents"
[ -s "$home/.config/Tessaro/Tessaro.conf" ] || fail "the settings are not under the program's name"
stop_tessaro

# The package brings the lessons' checks and the lessons' document, which the user's folder
# links to.
for file in examples/checks/heater_pid.sim examples/checks/tank_onoff.sim \
            examples/checks/valve_step.sim lessen.html; do
  [ -r "$root/usr/share/tessaro/$file" ] || fail "$file is not installed"
done
[ -r "$user_folder/lessen.html" ] || fail "the user's folder has no lessen.html"

# The user draws a picture of their own; neither it nor the project changes at the next start.
rm "$user_folder/Teks/Knop1aan.bmp"
cp "$root/usr/share/tessaro/Teks/Knop1uit.bmp" "$user_folder/Teks/Knop1aan.bmp"
before=$(stat -c '%i %s %Y' "$project" "$user_folder/Teks/Knop1aan.bmp"; md5sum "$project")
start_tessaro
see_process_picture "$work/second-start.png"
stop_tessaro
after=$(stat -c '%i %s %Y' "$project" "$user_folder/Teks/Knop1aan.bmp"; md5sum "$project")
[ "$before" = "$after" ] || fail "the second start touched the project or the user's picture"

# A home where no folder can be made: the program says so in a box of its own, and runs on.
home=$work/blocked-home
touch "$home"
start_tessaro
boxes=0
for _ in $(seq 50); do
  boxes=$(xdotool search --onlyvisible --pid "$tessaro_pid" --name '^Tessaro$' | wc -l) || true
  [ "$boxes" -ge 2 ] && break
  sleep 0.1
done
[ "$boxes" -ge 2 ] || fail "no message said that the per-user folder could not be made"
stop_tessaro

echo "installed program: operator screen seen twice, per-user folder prepared, project kept"
