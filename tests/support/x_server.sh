# Sourced by the desktop and Wayland tests: how a case is skipped or fails, a scratch folder
# and the processes to end with it, waiting for a condition, and an X server of the case's
# own on a free display.

skip() {
  echo "skipped: $*"
  exit 77
}
fail() {
  echo "FAIL: $*"
  exit 1
}

# Skips the case unless every tool named is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" > /dev/null || skip "$tool is not installed"
  done
}

scratch=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null; done
  wait 2> /dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local deadline=$((SECONDS * 10 + $1 * 10)) tenths=$((SECONDS * 10))
  shift
  until "$@"; do
    sleep 0.1
    tenths=$((tenths + 1))
    ((tenths < deadline)) || return 1
  done
}

# An X server of WIDTH x HEIGHT on a display nobody else uses; DISPLAY names it.
start_x_server() {
  Xvfb -displayfd 1 -screen 0 "$1x$2x24" -nolisten tcp \
    > "$scratch/display" 2> "$scratch/xvfb.log" &
  pids+=($!)
  wait_for 10 test -s "$scratch/display" || skip "no X server could be started"
  export DISPLAY=":$(head -n1 "$scratch/display")"
}
