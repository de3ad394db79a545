# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSERA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSERA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSERA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSERA_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TESSERA_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${TESSERA_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# The prefix of the cross-built libraries (libjpeg-turbo, giflib) is a find root too,
# so that find_package(JPEG) and find_package(GIF) see it and nothing of the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TESSERA_MINGW_TRIPLE} ${TESSERA_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
