#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, once per machine.
# Idempotent: asks apt only for what is missing, and never upgrades what is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest          # native build of the portable core and its tests
  libjpeg62-turbo-dev libgif-dev            # the codecs' libraries for the native build
  clang libclang-rt-14-dev                  # libFuzzer for the fuzz targets
  g++-mingw-w64-x86-64-posix mingw-w64-tools  # the Windows toolchain
  nasm dpkg-dev                             # libjpeg-turbo's SIMD code; apt-get source
  wine64                                    # runs the Windows programs and tests
  xserver-xorg-core xserver-xorg-video-dummy  # the virtual multi-monitor desktop
  fonts-vlgothic imagemagick x11-utils locales  # Japanese glyphs, screenshots, the ja_JP locale
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Source packages come from the same archive as the binary ones: derive a deb-src
# entry from the existing deb entry instead of naming any host here.
srcfile=/etc/apt/sources.list.d/tessera-src.sources
need_update=0
if [ ! -f "$srcfile" ]; then
  uri=$(grep -h -m1 -E '^URIs:.*debian/?$' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1 | awk '{print $2}')
  if [ -z "$uri" ]; then
    uri=$(grep -h -m1 -E '^deb ' /etc/apt/sources.list 2>/dev/null | awk '{print $2}')
  fi
  [ -n "$uri" ] || { echo "setup: no Debian deb entry found to derive a deb-src entry from" >&2; exit 1; }
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$uri" >"$srcfile"
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get install -y -qq --no-upgrade --no-install-recommends "${missing[@]}" >/dev/null
fi
