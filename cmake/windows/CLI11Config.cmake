# CLI11 for the Windows cross build: Debian's headers (header-only), reached
# through a folder that holds nothing else, so that the host's /usr/include
# never shadows the MinGW system headers.
include(${CMAKE_CURRENT_LIST_DIR}/host_headers.cmake)
ctrlelem_host_header_target(CLI11::CLI11 CLI)
set(CLI11_FOUND TRUE)
