# Environment of the Wine prefix that belongs to one build tree. Sourced with the build
# directory as $1. The prefix and its HOME live inside the build tree, so that nothing
# of the user's own Wine setup is touched and a clean build starts from a clean prefix.
mkdir -p "$1"
tessera_build=$(cd "$1" && pwd)
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEPREFIX=$tessera_build/wine/prefix
export HOME=$tessera_build/wine/home          # before the prefix exists: it links Desktop etc. here
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$tessera_build/wine/locale     # ja_JP.UTF-8 gives code page 932
# (bash itself cannot load the private locale and would warn; Wine can.)
{ export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
unset tessera_build
