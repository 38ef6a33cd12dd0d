#!/bin/sh
# A case double-clicked in a file manager: with the program's menu entry and case type installed
# into a private data folder, "gio open" on a .ROC file must start "tarnolo CASE". Skipped (77)
# without gio, Xvfb or the desktop database tools.
# Usage: file_manager_open.sh TARNOLO DATA_SOURCE_FOLDER WORK_FOLDER
set -eu
tarnolo=$1 data=$2 work=$3/file_manager
for tool in gio Xvfb update-mime-database update-desktop-database pgrep; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

rm -rf "$work"
mkdir -p "$work/share/applications" "$work/share/mime/packages" "$work/bin" "$work/config"
cp "$data/org.example.tarnolo.Tarnolo.desktop" "$work/share/applications/"
cp "$data/org.example.tarnolo.Tarnolo.mime.xml" "$work/share/mime/packages/org.example.tarnolo.Tarnolo.xml"
update-mime-database "$work/share/mime"
update-desktop-database "$work/share/applications"
ln -s "$tarnolo" "$work/bin/tarnolo"
case=$work/caso.ROC
printf '\012\000\000\000\024\000\000\000\101\000\000\000\005\000\000\000' >"$case"

# Xvfb picks a free display and writes its number once it accepts clients.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
started=
cleanup() {
  [ -n "$started" ] && kill "$started" 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1)); [ "$tries" -lt 200 ] || { echo "Xvfb did not start"; exit 1; }
  sleep 0.05
done

export DISPLAY=":$(cat "$work/display")" XDG_DATA_HOME="$work/share" XDG_DATA_DIRS="$work/share" \
  XDG_CONFIG_HOME="$work/config" PATH="$work/bin:$PATH"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
gio open "$case"

# gio returns once it has launched the program; find it by its command line.
tries=0
while :; do
  for pid in $(pgrep -x tarnolo || true); do
    if [ "$(tr '\0' ' ' </proc/"$pid"/cmdline)" = "tarnolo $case " ]; then started=$pid; fi
  done
  [ -n "$started" ] && break
  tries=$((tries + 1)); [ "$tries" -lt 200 ] || { echo "gio open did not start tarnolo $case"; exit 1; }
  sleep 0.05
done
echo "gio open started tarnolo $case (process $started)"
