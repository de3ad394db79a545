#!/usr/bin/env bash
# Builds the Windows programs and runs benchmarks under Wine, printing their figures.
# Usage: scripts/bench.sh [NAME_bench...]   (no name: every bench/*_bench.cpp)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
source "$root/scripts/build.sh"
build_windows >/dev/null
"$root/scripts/wine-prefix.sh" "$build_dir/win"
source "$root/scripts/wine-env.sh" "$build_dir/win"
source "$root/scripts/display.sh"
source "$root/scripts/wine-session.sh"
trap 'wine_session_stop; display_stop' EXIT
display_start "${TESSERA_BENCH_LAYOUT:-single}" "$build_dir/display"
wine_session_start
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$root"/bench/*_bench.cpp; do [ -e "$f" ] && names+=("$(basename "$f" .cpp)"); done
fi
for name in "${names[@]}"; do
  echo "== $name"
  (cd "$build_dir/win/bench" && "$WINE" "$build_dir/win/bench/$name.exe")
done
