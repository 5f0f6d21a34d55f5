# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model: the win32 one
# lacks std::mutex) against the Qt kit named by CMAKE_PREFIX_PATH; the tests run under Wine.
# tools/build-winqt-kit.sh builds that kit with this file too, with -DKESTRO_RUN_UNDER_WINE=OFF:
# Qt's own build runs nothing it makes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR x86_64-w64-mingw32-ar CACHE FILEPATH "")
set(CMAKE_RANLIB x86_64-w64-mingw32-ranlib CACHE FILEPATH "")

# Packages are searched in the target roots only: the MinGW system root and the Qt kit given
# as CMAKE_PREFIX_PATH. The host's moc, rcc and uic come through QT_HOST_PATH.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT DEFINED KESTRO_RUN_UNDER_WINE OR KESTRO_RUN_UNDER_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
endif()
