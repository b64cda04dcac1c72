# Windows builds (native MinGW-w64, or cross-built with
# cmake/mingw-w64-i686.cmake, the 32-bit build hosts load, or
# cmake/mingw-w64-x86_64.cmake, and run under Wine).

# Programs and DLLs side by side in bin/, with the MinGW runtime DLLs they
# import: Windows finds a DLL in the folder of the program that loads it, so
# everything there runs as it is (ctrlelem.exe, the tests, a host).
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Every file of ours that includes <windows.h> wants it lean and without the
# min and max macros, which break std::min, std::max and numeric_limits.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
if(MINGW)
  # Which runtime DLLs the compiler's programs import is the toolchain's
  # choice: libgcc is libgcc_s_dw2-1.dll for 32-bit GCC (DWARF-2 unwinding)
  # and libgcc_s_seh-1.dll for 64-bit. Each import library names its DLL
  # (dlltool -I), and the compiler says where that DLL is.
  set(dlltool "${CMAKE_DLLTOOL}")
  if(NOT dlltool)
    find_program(CTRLELEM_DLLTOOL NAMES ${CTRLELEM_MINGW_TRIPLE}-dlltool dlltool REQUIRED)
    set(dlltool "${CTRLELEM_DLLTOOL}")
  endif()
  foreach(import_library libstdc++.dll.a libgcc_s.a libwinpthread.dll.a)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${import_library}
                    OUTPUT_VARIABLE import_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${dlltool} -I ${import_path} OUTPUT_VARIABLE dll
                    RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT rc EQUAL 0 OR NOT dll MATCHES "\\.dll$")
      message(FATAL_ERROR "${dlltool} -I cannot tell which DLL ${import_path} imports "
                          "(${CMAKE_CXX_COMPILER} -print-file-name=${import_library})")
    endif()
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    file(COPY ${path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    list(APPEND CTRLELEM_MINGW_RUNTIME_DLLS ${dll})
  endforeach()
  message(STATUS "MinGW runtime DLLs beside the programs: ${CTRLELEM_MINGW_RUNTIME_DLLS}")
endif()

# Under Wine, tests run in a prefix of their own inside the build folder (never
# the user's ~/.wine), quietly, without the offers to install Mono and Gecko.
# scripts/windows.sh creates the prefix before the first test.
if(CMAKE_CROSSCOMPILING AND CTRLELEM_WINE)
  set(CTRLELEM_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${CTRLELEM_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
      ${CTRLELEM_WINE})
endif()
