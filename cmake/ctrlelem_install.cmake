# What `cmake --install` puts under the prefix:
#   bin/        ctrlelem (and on Windows the three DLLs and the MinGW runtime
#               DLLs that two of them and the tool import)
#   lib/        liblanguage.so.0.2.0, libctrlelem_pack.so.0.2.0,
#               libctrlelem_c.so.0.2.0 with their soname links (on Windows the
#               import libraries), ctrlelem_c.def, libctrlelem_host.a,
#               pkgconfig/ctrlelem_pack.pc and
#               pkgconfig/ctrlelem_pack_host.pc, cmake/ctrlelem_pack/ (the package)
#   include/    ctrlelem_pack/{ctrlelem_pack.h,host.h,layout.h,version.h,ctrlelem_c.h},
#               the host SDK's ctrlelem_pack/schema/*.h, language/*.h
#   share/ctrlelem_pack/  languages/*.lng, README.md, CHANGELOG.md,
#               docs/ (the documentation pages)
include(CMakePackageConfigHelpers)

set(CTRLELEM_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ctrlelem_pack)
set(CTRLELEM_DATA_DIR ${CMAKE_INSTALL_DATADIR}/ctrlelem_pack)

# The installed libraries and the tool find what they link in their own
# prefix, wherever it is moved to.
if(APPLE)
  set(CTRLELEM_ORIGIN @loader_path)
else()
  set(CTRLELEM_ORIGIN $ORIGIN)
endif()
set_target_properties(ctrlelem_pack PROPERTIES INSTALL_RPATH "${CTRLELEM_ORIGIN}")
if(TARGET ctrlelem)
  file(RELATIVE_PATH CTRLELEM_BIN_TO_LIB ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
       ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR})
  set_target_properties(ctrlelem PROPERTIES INSTALL_RPATH "${CTRLELEM_ORIGIN}/${CTRLELEM_BIN_TO_LIB}")
endif()

install(TARGETS ctrlelem_language ctrlelem_pack ctrlelem_host
        EXPORT ctrlelem_pack_targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
                NAMELINK_COMPONENT development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
if(TARGET ctrlelem)
  install(TARGETS ctrlelem RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
endif()
# MinGW: the runtime DLLs that language.dll, ctrlelem_pack.dll and ctrlelem.exe
# import go beside them (cmake/windows.cmake found them).
if(MINGW AND CTRLELEM_MINGW_RUNTIME_DLLS)
  list(TRANSFORM CTRLELEM_MINGW_RUNTIME_DLLS PREPEND ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/
       OUTPUT_VARIABLE runtime_dlls)
  install(FILES ${runtime_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
endif()
# The C interface: the library, its header, and the module-definition file
# from which other toolchains make an import library for ctrlelem_c.dll.
if(TARGET ctrlelem_c)
  install(TARGETS ctrlelem_c
          EXPORT ctrlelem_pack_targets
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
                  NAMELINK_COMPONENT development
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
  install(FILES ${PROJECT_SOURCE_DIR}/c_api/include/ctrlelem_pack/ctrlelem_c.h
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ctrlelem_pack COMPONENT development)
  install(FILES ${PROJECT_SOURCE_DIR}/c_api/ctrlelem_c.def
          DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
endif()

# Headers: include/ctrlelem_pack/ holds what a host may include (the entry
# points, the host SDK, the version) and nothing else; the builders' headers
# live beside the builders. The packet library's public headers and the
# generated version headers join them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/ctrlelem_pack/include/ ${CTRLELEM_GENERATED_INCLUDE_DIR}/
        ${PROJECT_SOURCE_DIR}/language/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)

install(EXPORT ctrlelem_pack_targets NAMESPACE ctrlelem_pack::
        FILE ctrlelem_pack-targets.cmake DESTINATION ${CTRLELEM_CMAKE_DIR}
        COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ctrlelem_pack-config.cmake.in
                              ${PROJECT_BINARY_DIR}/ctrlelem_pack-config.cmake
                              INSTALL_DESTINATION ${CTRLELEM_CMAKE_DIR})
# 0.x: a minor version may break what the one before offered.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/ctrlelem_pack-config-version.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/ctrlelem_pack-config.cmake
              ${PROJECT_BINARY_DIR}/ctrlelem_pack-config-version.cmake
        DESTINATION ${CTRLELEM_CMAKE_DIR} COMPONENT development)

# The .pc files name the prefix relative to their own folder, so an install
# with `cmake --install --prefix P` or a moved tree still points at itself.
file(RELATIVE_PATH CTRLELEM_PC_TO_PREFIX ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig
     ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" CTRLELEM_PC_TO_PREFIX "${CTRLELEM_PC_TO_PREFIX}")
foreach(pc ctrlelem_pack ctrlelem_pack_host)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
endforeach()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/languages DESTINATION ${CTRLELEM_DATA_DIR}
        COMPONENT runtime FILES_MATCHING PATTERN "*.lng")
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        DESTINATION ${CTRLELEM_DATA_DIR} COMPONENT runtime)
# The documentation pages and their pictures, as the README links them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CTRLELEM_DATA_DIR}/docs
        COMPONENT development)
