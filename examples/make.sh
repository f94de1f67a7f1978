#!/bin/sh
# Writes each example project NAME.txt from its script NAME.sim with tessaro-sim, which saves
# the project exactly as the program does.   examples/make.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
sim=$(cd "${1:-$here/../build}" && pwd)/tessaro-sim
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for script in "$here"/*.sim; do
  name=$(basename "$script" .sim)
  rm -rf "$work/Velden" && mkdir "$work/Velden"
  (cd "$work" && "$sim" "$script")
  cp "$work/Velden/data1.txt" "$here/$name.txt"
  # The process the lesson is made for, from its script's last `plant`, as a setting the
  # program reads when the lesson opens.
  plant=$(sed -n 's/^plant \([a-z]*\).*/\1/p' "$script" | tail -n1)
  if [ -n "$plant" ]; then printf 'lab.process=%s\r\n' "$plant" >> "$here/$name.txt"; fi
  echo "$name.txt"
done
