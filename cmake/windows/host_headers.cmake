include_guard(GLOBAL)

# Makes the INTERFACE target `target` whose include folder holds only a link to
# /usr/include/<folder>: the host's header-only libraries without the rest of
# /usr/include (glibc's headers would shadow MinGW's).
function(ctrlelem_host_header_target target folder)
  if(TARGET ${target})
    return()
  endif()
  set(include_dir ${CMAKE_BINARY_DIR}/host_headers)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: install the Debian package "
                        "(bash scripts/install-deps.sh)")
  endif()
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK /usr/include/${folder} ${include_dir}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${include_dir})
endfunction()
