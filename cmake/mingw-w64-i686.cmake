# Cross-compiles for 32-bit Windows with Debian's MinGW-w64 GCC: the build a
# 32-bit host process loads (PE32, i386). Its tests run under 32-bit Wine
# (wine32:i386).
#
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CTRLELEM_MINGW_TRIPLE i686-w64-mingw32)
set(CTRLELEM_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
