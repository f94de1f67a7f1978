#!/bin/bash
# The Windows program as a school gets it, under Wine on a desktop of its own (Xvfb, openbox):
# the installer run silently into a new Wine prefix, the installed tessaro.exe started, its
# operator screen compared with the Linux program's, a project loaded and saved (in place and
# through Windows' own "Opslaan als" dialog), a faceplate opened, "Exit" answered with Yes,
# and the uninstaller run.
#
#   wine_desktop_test.sh SETUP_EXE LINUX_TESSARO LINUX_DATA_DIR
#
# LINUX_DATA_DIR is the Linux build folder holding Velden and Teks. Exits 77 (skipped) when no
# X server with a window manager can be started here. With TESSARO_SCREENSHOTS set to a
# folder, screenshots of the steps are left there (win-*.png).
set -u

setup=$(realpath "$1")
linux_program=$(realpath "$2")
data_dir=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
project=$here/../desktop/faceplate_project.txt

source "$here/../support/x_server.sh"
require_tools Xvfb openbox xdotool wmctrl xprop xwininfo import convert compare wine wineserver \
  winepath

export WINEDEBUG=-all
# A Windows of its own, without the prompts for Wine's .NET and browser add-ons.
export WINEPREFIX=$scratch/wine
# Wine links the Windows user's Documents to the Unix home's: a home of its own keeps the
# test out of the user's files.
export HOME=$scratch/home
mkdir -p "$HOME"
export WINEDLLOVERRIDES="mscoree,mshtml="
end_wine() {
  wineserver -k 2> /dev/null
  cleanup
}
trap end_wine EXIT

start_x_server 1366 768
openbox --sm-disable > "$scratch/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id"; }
wait_for 10 wm_ready || skip "the window manager did not start"

window_named() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n1)
  [ -n "$id" ] && echo "$id"
}
gone() { ! xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; }
click_in() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}
# The operator screen covers the screen from (0, 0) at its own size here.
click_screen() {
  xdotool mousemove "$1" "$2" click 1
  sleep 0.3
}
# A click at (x, y) on the screen, repeated while the command after it does not succeed within
# five seconds: a busy Wine may miss a click.
click_until() {
  local x=$1 y=$2 try
  shift 2
  for try in 1 2 3; do
    click_screen "$x" "$y"
    wait_for 5 "$@" && return 0
  done
  return 1
}
windows_shown() {
  xdotool search --onlyvisible --name '.' 2> /dev/null |
    while read -r id; do printf '"%s" ' "$(xdotool getwindowname "$id")"; done
}
shot() {
  import -window root "$scratch/$1.png"
  [ -n "${TESSARO_SCREENSHOTS:-}" ] && cp "$scratch/$1.png" "$TESSARO_SCREENSHOTS/win-$1.png"
  return 0
}
# A failure leaves a picture of the screen as it was.
fail() {
  echo "FAIL: $*"
  shot failure
  exit 1
}

# --- Windows, and the program installed into it as a school installs it ---
wineboot --init > "$scratch/wineboot.log" 2>&1 || fail "Wine could not make a prefix"
wineserver -w
wine "$setup" /S > "$scratch/setup.log" 2>&1 || fail "the installer failed: $(cat "$scratch/setup.log")"
install_dir=$WINEPREFIX/drive_c/Program\ Files/Tessaro
[ -f "$install_dir/bin/tessaro.exe" ] || fail "the installer put no tessaro.exe in Program Files"
[ -f "$install_dir/bin/platforms/qwindows.dll" ] || fail "the installer left out Qt's platform plugin"
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
documents=$(winepath -u "$(wine cmd /c echo %USERPROFILE% | tr -d '\r')")/Documents
[ -d "$appdata" ] || fail "no %APPDATA% folder: $appdata"

# --- the Linux program first, for the positions the operator screen must have ---
mkdir "$scratch/linux"
cp -r "$data_dir/Velden" "$data_dir/Teks" "$scratch/linux/"
rm -f "$scratch/linux/Velden/data1.txt"
(cd "$scratch/linux" && XDG_CONFIG_HOME="$scratch/config" exec "$linux_program") \
  > "$scratch/linux.log" 2>&1 &
linux=$!
pids+=($linux)
wait_for 20 window_named '^Tessaro$' > /dev/null || fail "the Linux program did not open"
sleep 1.5
shot linux-operator
kill "$linux"
wait "$linux" 2> /dev/null
wait_for 5 gone '^Tessaro$' || fail "the Linux program's window stayed"

# --- the installed program, started from a folder without pictures, as the Start menu does ---
# Wine's Windows speaks English; the user has chosen the program's own language, Dutch, whose
# words the checks below look for (the choice is kept where Qt keeps settings on Windows).
wine reg add 'HKCU\Software\Tessaro\Tessaro\view' /v language /d nl /f > /dev/null 2>&1 ||
  fail "the language choice could not be stored"
mkdir "$scratch/start"
(cd "$scratch/start" && exec wine "C:\\Program Files\\Tessaro\\bin\\tessaro.exe") \
  > "$scratch/windows.log" 2>&1 &
app=$!
pids+=($app)
running() { kill -0 "$app" 2> /dev/null; }
wait_for 60 window_named '^Tessaro$' > /dev/null ||
  fail "tessaro.exe did not open its operator screen: $(cat "$scratch/windows.log")"
sleep 2
shot operator

# The process picture stands where it stands on Linux: a part of the screen with the tank,
# pipes and instruments differs in hardly a pixel, and the same part moved by a few pixels
# differs in many (so a moved picture is seen).
differing() {
  convert "$scratch/$1.png" -crop "$3" +repage "$scratch/a.png"
  convert "$scratch/$2.png" -crop "$4" +repage "$scratch/b.png"
  compare -metric AE -fuzz 10% "$scratch/a.png" "$scratch/b.png" null: 2>&1 | cut -d' ' -f1
}
part=700x460+300+130
same=$(differing linux-operator operator $part $part)
moved=$(differing linux-operator operator $part 700x460+304+133)
echo "operator screen: $same pixels differ from Linux in place, $moved moved by (4, 3)"
((same * 5 < moved)) || fail "the operator screen is not where it is on Linux ($same vs $moved)"
((same < 700 * 460 / 50)) || fail "the operator screen differs from Linux in $same pixels"

# --- a project loaded and saved ---
velden=$appdata/Tessaro/Velden
wait_for 10 test -d "$velden" || fail "the user's own folder %APPDATA%\\Tessaro\\Velden was not made"
cp "$project" "$velden/data1.txt"
dialog() {
  click_until 388 12 window_named '^Opslaan/Inlezen$' > /dev/null ||
    fail "the save/load dialog did not open; shown: $(windows_shown)"
  window_named '^Opslaan/Inlezen$'
}
click_in "$(dialog)" 220 32
# The project's own controller opens its faceplate from the logic grid: the project is in.
click_until 196 12 window_named '^Logics' > /dev/null || fail "the logic grid did not open"
shown=$(xdotool search --onlyvisible --name '.' 2> /dev/null | sort)
reg1_left=$(sed -n 177p "$project" | tr -d '\r')
reg1_top=$(sed -n 178p "$project" | tr -d '\r')
new_window() { comm -13 <(echo "$shown") <(xdotool search --onlyvisible --name '.' 2> /dev/null | sort) | head -n1 | grep .; }
click_until $((reg1_left + 8)) $((reg1_top + 8)) new_window > /dev/null ||
  fail "the loaded project's PID faceplate did not open"
sleep 1
shot faceplate
echo "faceplate: \"$(xdotool getwindowname "$(new_window)")\""

# "Opslaan" writes the project back where it came from, byte for byte.
mv "$velden/data1.txt" "$scratch/loaded.txt"
click_in "$(dialog)" 76 32
wait_for 10 test -s "$velden/data1.txt" || fail "Opslaan wrote no project"
# (The file is written under another name and renamed: once there, it is whole.)
cmp "$scratch/loaded.txt" "$velden/data1.txt" || fail "the saved project differs from the loaded one"

# "Opslaan als…" asks for a file through Windows' own dialog, which starts in Documents.
click_in "$(dialog)" 76 72
wait_for 10 window_named '^Opslaan als$' > /dev/null || fail "no \"Opslaan als\" file dialog"
sleep 1
shot save-dialog
xdotool type --delay 50 "klas 3b"
xdotool key Return
saved=$documents/Tessaro/klas\ 3b.txt
wait_for 10 test -s "$saved" || fail "\"Opslaan als\" wrote no $saved: $(ls -R "$documents")"
cmp "$scratch/loaded.txt" "$saved" || fail "the project saved as differs from the loaded one"
wait_for 10 gone '^Opslaan als$' || fail "the file dialog stayed open"
wait_for 10 gone '^Opslaan/Inlezen$' || fail "the save/load dialog stayed open after Opslaan als"

# --- "Exit", "Afsluiten?" answered with Yes: the program ends ---
click_until 36 12 window_named '^Exit$' > /dev/null ||
  fail "no \"Afsluiten?\" question after Exit; shown: $(windows_shown)"
sleep 0.5
shot exit-question
for try in 1 2 3; do
  xdotool key Return
  wait_for 5 sh -c "! kill -0 $app 2> /dev/null" && break
done
running && fail "Yes did not end the program; shown: $(windows_shown)"

# --- the uninstaller takes the program away and leaves the user's projects ---
wine "C:\\Program Files\\Tessaro\\Uninstall.exe" /S > /dev/null 2>&1
wait_for 30 test ! -e "$install_dir/bin/tessaro.exe" || fail "the uninstaller left tessaro.exe"
[ -s "$velden/data1.txt" ] && [ -s "$saved" ] || fail "the uninstaller took the user's projects"
echo "passed"
