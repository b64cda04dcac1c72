# GoogleTest for the Windows cross build: compiled from the sources Debian ships
# in /usr/src/googletest with the same toolchain as the tests (a host build of
# it cannot be linked into Windows programs). Provides GTest::gtest and
# GTest::gtest_main, as the installed package does.
set(CTRLELEM_GTEST_SOURCE /usr/src/googletest/googletest)
if(NOT TARGET GTest::gtest)
  if(NOT EXISTS ${CTRLELEM_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "${CTRLELEM_GTEST_SOURCE} is missing: install googletest "
                        "(bash scripts/install-deps.sh)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${CTRLELEM_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Third-party code: our warning flags are not its contract.
  foreach(library gtest gtest_main)
    target_compile_options(${library} PRIVATE -w)
  endforeach()
endif()
set(GTest_FOUND TRUE)
