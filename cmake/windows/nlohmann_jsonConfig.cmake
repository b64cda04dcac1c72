# nlohmann-json for the Windows cross build: Debian's headers (header-only),
# reached through a folder that holds nothing else (see host_headers.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/host_headers.cmake)
ctrlelem_host_header_target(nlohmann_json::nlohmann_json nlohmann)
set(nlohmann_json_FOUND TRUE)
