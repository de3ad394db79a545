#!/usr/bin/env bash
# Cross-builds the two third-party libraries for MinGW-w64 as static libraries from
# Debian's source packages (with Debian's patches applied), once, into a cache that
# survives clean clones. Prints the install prefix on stdout.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jpeg_version=1:2.1.5-2
gif_version=5.2.1-2.5+deb12u1
cache=${TESSERA_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessera}
prefix=$cache/mingw-jpeg-${jpeg_version#1:}-gif-$gif_version

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
staging=$work/prefix
cd "$work"

echo "deps: fetching the Debian sources of libjpeg-turbo and giflib" >&2
apt-get source --download-only -qq "libjpeg-turbo=$jpeg_version" "giflib=$gif_version" >/dev/null 2>&1 \
  || apt-get source --download-only "libjpeg-turbo=$jpeg_version" "giflib=$gif_version" >&2
for dsc in *.dsc; do dpkg-source -x "$dsc" >/dev/null; done

echo "deps: building libjpeg-turbo" >&2
cmake -S libjpeg-turbo-2.1.5 -B jpeg-build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$staging" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=ON -DWITH_TURBOJPEG=OFF \
  >jpeg-configure.log 2>&1 || { cat jpeg-configure.log >&2; exit 1; }
cmake --build jpeg-build --target jpeg-static >jpeg-build.log 2>&1 || { tail -40 jpeg-build.log >&2; exit 1; }
mkdir -p "$staging/lib" "$staging/include"
cp jpeg-build/libjpeg.a "$staging/lib/"
cp libjpeg-turbo-2.1.5/jpeglib.h libjpeg-turbo-2.1.5/jmorecfg.h libjpeg-turbo-2.1.5/jerror.h \
   jpeg-build/jconfig.h "$staging/include/"

echo "deps: building giflib" >&2
make -C giflib-5.2.1 libgif.a CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar \
  CFLAGS="-std=gnu99 -O2 -Wall" >gif-build.log 2>&1 || { tail -40 gif-build.log >&2; exit 1; }
cp giflib-5.2.1/libgif.a "$staging/lib/"
cp giflib-5.2.1/gif_lib.h "$staging/include/"

touch "$staging/.complete"
mkdir -p "$(dirname "$prefix")"
rm -rf "$prefix"
mv "$staging" "$prefix"
echo "$prefix"
