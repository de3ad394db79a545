#!/usr/bin/env bash
# Creates the Wine prefix of a build tree once: Japanese locale, the Japanese font and
# the X11 driver settings the virtual multi-monitor displays need. Usage: wine-prefix.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh" "$1"

if [ -f "$WINEPREFIX/.tessera-ready" ]; then exit 0; fi

mkdir -p "$HOME" "$LOCPATH"
if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
  (export LC_ALL=C LANG=C; localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" 2>/dev/null) || [ -d "$LOCPATH/ja_JP.UTF-8" ]
fi

echo "wine: creating the prefix $WINEPREFIX" >&2
(
  unset DISPLAY
  "$WINE" wineboot --init </dev/null >/dev/null 2>&1
  # Without these Wine reports a single monitor on the dummy Xinerama displays. They are
  # right for the virtual test displays only; run.sh uses a prefix of its own on a real desktop.
  if [ "${TESSERA_REAL_DESKTOP:-0}" != 1 ]; then
    for value in UseXRandR UseXVidMode; do
      "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    done
  fi
  "$WINESERVER" -w
)
cp /usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
touch "$WINEPREFIX/.tessera-ready"
