# Configures and builds the two build trees. Sourced by test.sh and run.sh after setup.sh;
# defines build_native and build_windows. TESSERA_BUILD_DIR (default: build) holds both.
tessera_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TESSERA_BUILD_DIR:-$tessera_root/build}
# Warnings are errors in CI; locally they stay warnings.
werror=OFF
[ -n "${CI:-}" ] && werror=ON

build_native() {
  cmake -S "$tessera_root" -B "$build_dir/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSERA_SANITIZE=ON -DTESSERA_WERROR=$werror >/dev/null
  cmake --build "$build_dir/native" --parallel "$(nproc)"
}

build_windows() {
  local deps
  deps=$("$tessera_root/scripts/build-deps.sh")
  cmake -S "$tessera_root" -B "$build_dir/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$tessera_root/cmake/mingw-w64.cmake" \
    -DTESSERA_DEPS_PREFIX="$deps" -DTESSERA_WERROR=$werror >/dev/null
  cmake --build "$build_dir/win" --parallel "$(nproc)"
}
