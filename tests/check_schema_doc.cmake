cmake_minimum_required(VERSION 3.25)
# Checks that the committed schema page is what the tool prints (cmake -P):
#   -DTOOL=path      the ctrlelem executable
#   -DDOC=path       docs/schema.md
#   -DEMULATOR=cmd   optional: what runs the tool (Wine for the Windows build)
execute_process(COMMAND ${EMULATOR} ${TOOL} schema --markdown OUTPUT_VARIABLE printed
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "ctrlelem schema --markdown failed: ${status}")
endif()
file(READ ${DOC} committed)
if(NOT printed STREQUAL committed)
  message(FATAL_ERROR "${DOC} differs from what 'ctrlelem schema --markdown' prints; "
                      "rewrite it with: build/tool/ctrlelem schema --markdown > docs/schema.md")
endif()
