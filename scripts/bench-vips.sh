#!/usr/bin/env bash
# Runs the composition benchmark beside vipsthumbnail on the same 24-megapixel photo:
# our whole pipeline (decode, compose on 9600 x 2160, file image, BMP) against a
# cover-resize of the photo to 3840 x 2160 by vipsthumbnail. Prints both and the ratio.
# Usage: scripts/bench-vips.sh   (TESSERA_BUILD_DIR chooses the build tree, as for test.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if ! command -v vipsthumbnail >/dev/null; then
  echo "bench-vips: installing libvips-tools" >&2
  apt-get install -y --no-install-recommends libvips-tools >/dev/null
fi
"$root/scripts/setup.sh"
source "$root/scripts/build.sh"
log=$(mktemp)
build_windows >"$log" 2>&1 || { cat "$log" >&2; rm -f "$log"; exit 1; }
rm -f "$log"
"$root/scripts/wine-prefix.sh" "$build_dir/win"
source "$root/scripts/wine-env.sh" "$build_dir/win"
source "$root/scripts/display.sh"
source "$root/scripts/wine-session.sh"
work=$(mktemp -d)
trap 'wine_session_stop; display_stop; rm -rf "$work"' EXIT
display_start single "$build_dir/display"
wine_session_start

# The benchmark makes the photo with our encoder when it is missing; Wine's Z: is /.
photo=$build_dir/bench-photo-24mp.jpg
report=$work/ours.txt
(cd "$build_dir/win/bench" && "$WINE" "$build_dir/win/bench/compose_bench.exe" "Z:${photo//\//\\}") | tee "$report"
ours=$(tr -d '\r' <"$report" | sed -n 's/^best total: \([0-9.]*\) s$/\1/p')

# Wall time of each vipsthumbnail run; the best counts, as for ours.
best=
TIMEFORMAT='%R'
for run in 1 2 3; do
  wall=$( { time vipsthumbnail "$photo" --size 3840x2160 --smartcrop centre -o "$work/thumb.jpg[Q=90]"; } 2>&1 )
  printf 'vipsthumbnail run %d: %.3f s\n' "$run" "$wall"
  if [ -z "$best" ] || awk -v w="$wall" -v b="$best" 'BEGIN { exit !(w < b) }'; then best=$wall; fi
done
printf '\nours (whole pipeline, best of 3):        %.3f s\n' "$ours"
printf 'vipsthumbnail (cover-resize, best of 3): %.3f s\n' "$best"
awk -v o="$ours" -v v="$best" 'BEGIN { printf "ratio ours / vipsthumbnail:              %.2f\n", o / v }'
# The machine's load makes both figures slower; say how busy it was.
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
