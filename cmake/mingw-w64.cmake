# What the MinGW-w64 cross toolchains share; cmake/mingw-w64-i686.cmake and
# cmake/mingw-w64-x86_64.cmake set CTRLELEM_MINGW_TRIPLE and the processor,
# then include this.
#
# The -posix variants of the compilers are used on purpose: the default
# (-win32) variants use the win32 thread model, whose libstdc++ has no
# std::mutex or std::thread. The posix model implements them over
# winpthreads, so libwinpthread-1.dll ships beside the libraries.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${CTRLELEM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CTRLELEM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CTRLELEM_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${CTRLELEM_MINGW_TRIPLE}-objdump)
set(CMAKE_DLLTOOL ${CTRLELEM_MINGW_TRIPLE}-dlltool)

# Libraries and headers come from the MinGW sysroot only; programs (the build's
# own tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CTRLELEM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine (see scripts/windows.sh for the prefix it uses).
# `wine` runs 32-bit and 64-bit programs alike (32-bit ones need wine32:i386);
# wine64 alone runs only 64-bit ones.
find_program(CTRLELEM_WINE NAMES ${CTRLELEM_WINE_NAMES})
if(CTRLELEM_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CTRLELEM_WINE})
endif()

# The header-only libraries and GoogleTest's sources are taken from the host's
# Debian packages; cmake/windows/ has the package files that find them.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/windows)
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/windows)
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/windows)
