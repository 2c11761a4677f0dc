# The version read from a resource script: the four numbers of the version block, or a configure-time
# error when the block is missing, repeated, malformed or disagrees with itself.
# Usage: cmake -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch dir> -P version_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/MorvaneVersion.cmake)

# A version block with the four statements given, as the resource compiler reads it.
function(rc_text out file_version product_version file_string product_string)
  set(${out} "1 VERSIONINFO
FILEVERSION ${file_version}
PRODUCTVERSION ${product_version}
FILEFLAGSMASK 0x3f
BEGIN
    BLOCK \"StringFileInfo\"
    BEGIN
        BLOCK \"080404b0\"
        BEGIN
            VALUE \"FileDescription\", \"Morvane\"
            VALUE \"FileVersion\", \"${file_string}\"
            VALUE \"ProductVersion\", \"${product_string}\"
        END
    END
END
" PARENT_SCOPE)
endfunction()

set(failures 0)
set(case_number 0)
# Writes text to a scratch .rc file and checks what morvane_rc_version makes of it: the version
# expected, or (expected empty) an error that contains error_part.
function(check name text expected error_part)
  math(EXPR n "${case_number} + 1")
  set(case_number ${n} PARENT_SCOPE)
  set(rc "${WORK_DIR}/case${n}.rc")
  file(WRITE "${rc}" "${text}")
  morvane_rc_version("${rc}" got)
  if(expected)
    if(NOT got STREQUAL expected OR got_ERROR)
      message(SEND_ERROR "${name}: expected ${expected}, got '${got}' (error '${got_ERROR}')")
      math(EXPR f "${failures} + 1")
      set(failures ${f} PARENT_SCOPE)
    endif()
  elseif(NOT got STREQUAL "" OR NOT got_ERROR MATCHES "${error_part}")
    message(SEND_ERROR "${name}: expected an error with '${error_part}', got '${got}' (error '${got_ERROR}')")
    math(EXPR f "${failures} + 1")
    set(failures ${f} PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

rc_text(text "1, 0, 0, 1" "1, 0, 0, 1" "1, 0, 0, 1" "1, 0, 0, 1")
check("the block as it ships" "${text}" 1.0.0.1 "")
rc_text(text "2,13,0,65535" "2,13,0,65535" "2.13.0.65535" "2, 13, 0, 65535")
check("dots or commas, with or without blanks, up to 65535" "${text}" 2.13.0.65535 "")
rc_text(text "1, 02, 0, 007" "1, 2, 0, 7" "1, 2, 0, 7" "1.2.0.7")
check("leading zeros are the same number" "${text}" 1.2.0.7 "")
string(REPLACE "\n" "\r\n" crlf_text "${text}")
check("CRLF line ends" "${crlf_text}" 1.2.0.7 "")

rc_text(text "1, 0, 1" "1, 0, 1" "1, 0, 1" "1, 0, 1")
check("three numbers" "${text}" "" "FILEVERSION \"1, 0, 1\" is not four numbers")
rc_text(text "1, 0, 0, 65536" "1, 0, 0, 65536" "1, 0, 0, 65536" "1, 0, 0, 65536")
check("a number above a 16-bit word" "${text}" "" "above 65535")
rc_text(text "1, 0, 0, 1" "1, 0, 0, 2" "1, 0, 0, 1" "1, 0, 0, 1")
check("PRODUCTVERSION differs" "${text}" "" "PRODUCTVERSION is 1.0.0.2, FILEVERSION is 1.0.0.1")
rc_text(text "1, 0, 0, 1" "1, 0, 0, 1" "1, 0, 1, 0" "1, 0, 0, 1")
check("the FileVersion string differs" "${text}" "" "\"FileVersion\" is 1.0.1.0")
rc_text(text "1, 0, 0, 1" "1, 0, 0, 1" "1, 0, 0, 1" "1.1")
check("the ProductVersion string is short" "${text}" "" "\"ProductVersion\" \"1.1\" is not four numbers")

rc_text(text "1, 0, 0, 1" "1, 0, 0, 1" "1, 0, 0, 1" "1, 0, 0, 1")
string(REPLACE "FILEVERSION 1, 0, 0, 1\n" "" no_file_version "${text}")
check("no FILEVERSION" "${no_file_version}" "" "FILEVERSION appears 0 times")
string(REPLACE "VALUE \"FileVersion\"" "VALUE \"Comments\"" no_string "${text}")
check("no FileVersion string" "${no_string}" "" "\"FileVersion\" appears 0 times")
check("two version blocks" "${text}${text}" "" "FILEVERSION appears 2 times")
check("no version block" "IDI_MAIN ICON \"ui/morvane.ico\"\n" "" "FILEVERSION appears 0 times")
morvane_rc_version("${WORK_DIR}/missing.rc" got)
if(NOT got STREQUAL "" OR NOT got_ERROR MATCHES "missing.rc does not exist")
  message(SEND_ERROR "a missing file: got '${got}' (error '${got_ERROR}')")
  math(EXPR failures "${failures} + 1")
endif()

# The build itself stops at configure time when the resource script's version block is unreadable: a
# copy of the source tree's top with a version block whose strings disagree with its numbers.
set(tree "${WORK_DIR}/tree")
file(COPY "${SOURCE_DIR}/CMakeLists.txt" DESTINATION "${tree}")
file(COPY "${SOURCE_DIR}/cmake/MorvaneVersion.cmake" DESTINATION "${tree}/cmake")
file(READ "${SOURCE_DIR}/ui/morvane.rc" rc)
string(REGEX REPLACE "VALUE \"FileVersion\", \"[^\"]*\"" "VALUE \"FileVersion\", \"9, 9, 9, 9\"" rc "${rc}")
file(WRITE "${tree}/ui/morvane.rc" "${rc}")
execute_process(COMMAND ${CMAKE_COMMAND} -S "${tree}" -B "${tree}/build" -G Ninja
                RESULT_VARIABLE configure_failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
math(EXPR case_number "${case_number} + 1")
string(REGEX REPLACE "[ \n]+" " " err "${err}")  # CMake wraps its messages
if(NOT configure_failed OR NOT err MATCHES "No version for the build: .*\"FileVersion\" is 9.9.9.9")
  message(SEND_ERROR "configuring with a disagreeing version block: exit '${configure_failed}', ${err}")
  math(EXPR failures "${failures} + 1")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} of ${case_number} version cases failed")
endif()
message(STATUS "${case_number} version cases passed")
