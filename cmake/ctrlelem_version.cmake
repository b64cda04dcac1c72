# The project version as the libraries carry it: a generated header per public
# library, VERSION and SOVERSION on the shared libraries, and on Windows a
# version resource in each DLL.

# While the major version is 0 every minor version may break the ABI, so the
# soname carries both numbers (liblanguage.so.0.2).
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(CTRLELEM_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
else()
  set(CTRLELEM_SOVERSION ${PROJECT_VERSION_MAJOR})
endif()

# Generated headers live here; the folder is part of the libraries' build
# include paths and is installed beside the other headers.
set(CTRLELEM_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated/include)

# Writes <include_path> (e.g. "language/version.h") with macros PREFIX_VERSION_*
# and constants kVersion* in the namespace.
function(ctrlelem_version_header include_path prefix namespace what)
  set(VERSION_PREFIX ${prefix})
  set(VERSION_NAMESPACE ${namespace})
  set(VERSION_WHAT ${what})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in
                 ${CTRLELEM_GENERATED_INCLUDE_DIR}/${include_path} @ONLY)
endfunction()

# Versions a shared library: its file version and soname, and on Windows a
# VERSIONINFO resource that names the DLL and what it is.
function(ctrlelem_version_library target description)
  set_target_properties(${target} PROPERTIES VERSION ${PROJECT_VERSION}
                                             SOVERSION ${CTRLELEM_SOVERSION})
  if(WIN32)
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
      set(output_name ${target})
    endif()
    set(RC_DESCRIPTION "${description}")
    set(RC_NAME ${output_name})
    set(RC_FILENAME ${output_name}.dll)
    set(rc_file ${PROJECT_BINARY_DIR}/generated/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc_file} @ONLY)
    target_sources(${target} PRIVATE ${rc_file})
  endif()
endfunction()

if(WIN32)
  enable_language(RC)
endif()
