# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 GCC.
#
#   cmake -S . -B build-windows-x64 -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CTRLELEM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CTRLELEM_WINE_NAMES wine wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
