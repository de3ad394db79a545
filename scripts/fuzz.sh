#!/usr/bin/env bash
# Runs fuzz targets natively with libFuzzer, address and undefined-behaviour sanitizers.
# Usage: scripts/fuzz.sh SECONDS [TARGET...]   (no target: every fuzz/*_fuzz.cpp)
# New corpus entries go to a scratch folder; crashes are left in build/fuzz/crashes/TARGET.
# Put an input that once crashed a parser into fuzz/corpus/TARGET/ so that it is replayed
# by every test run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: fuzz.sh SECONDS [TARGET...]}
shift
"$root/scripts/setup.sh"
build=${TESSERA_BUILD_DIR:-$root/build}/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSERA_FUZZ=ON -DTESSERA_SANITIZE=ON >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
cmake --build "$build" --target "${targets[@]}"
for t in "${targets[@]}"; do
  scratch=$build/corpus/$t
  crashes=$build/crashes/$t
  mkdir -p "$scratch" "$crashes" "$root/fuzz/corpus/$t"
  echo "== $t for $seconds s"
  "$build/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=4096 -artifact_prefix="$crashes/" \
    -print_final_stats=1 "$scratch" "$root/fuzz/corpus/$t" 2>&1 | tail -n 12
done
