#!/usr/bin/env bash
# Installs what is missing, builds, and starts tessera.exe under Wine: on $DISPLAY when
# there is one, otherwise on a virtual two-monitor display, where it takes a screenshot
# of the main window (build/screenshot.png) and closes the program again.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

"$root/scripts/setup.sh"
source "$root/scripts/build.sh"
build_windows >/dev/null
exe=$build_dir/win/src/app/tessera.exe

if [ -n "${DISPLAY:-}" ]; then
  # A real desktop: Wine's own display settings are right there, so this prefix does
  # not get the overrides of the virtual test displays.
  TESSERA_REAL_DESKTOP=1 "$root/scripts/wine-prefix.sh" "$build_dir/desktop"
  source "$root/scripts/wine-env.sh" "$build_dir/desktop"
  echo "run: starting tessera.exe on $DISPLAY"
  exec "$WINE" "$exe" "$@"
fi

"$root/scripts/wine-prefix.sh" "$build_dir/win"
source "$root/scripts/wine-env.sh" "$build_dir/win"
source "$root/scripts/display.sh"
source "$root/scripts/wine-session.sh"
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  wine_session_stop
  display_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

display_start left "$build_dir/display"
wine_session_start
echo "run: no DISPLAY; starting tessera.exe on a virtual two-monitor display ($DISPLAY)"
"$WINE" "$exe" "$@" </dev/null >/dev/null 2>&1 &
program_pid=$!

window=
for _ in $(seq 1 100); do
  window=$(xwininfo -root -tree 2>/dev/null | grep -F '"壁紙設定"' | awk '{print $1}' | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run: the main window did not appear" >&2
  exit 1
fi
sleep 1  # let it paint
import -window "$window" "$build_dir/screenshot.png"
echo "run: the main window is up; screenshot written to $build_dir/screenshot.png"
