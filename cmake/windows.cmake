# Windows builds (native MinGW-w64, or cross-built with
# cmake/mingw-w64-x86_64.cmake and run under Wine).

# Programs and DLLs side by side in bin/, with the MinGW runtime DLLs they
# import: Windows finds a DLL in the folder of the program that loads it, so
# everything there runs as it is (ctrlelem.exe, the tests, a host).
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Every file of ours that includes <windows.h> wants it lean and without the
# min and max macros, which break std::min, std::max and numeric_limits.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    file(COPY ${path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endforeach()
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
