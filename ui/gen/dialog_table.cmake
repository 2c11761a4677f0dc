# Reads the DIALOGEX block of the resource script and writes it as a C++ table (platform/dialog_template.h),
# the definition of main_dialog_template (ui/main_dialog_template.h).
#   cmake -DRC=<ui/morvane.rc> -DOUT=<table.cpp> -P dialog_table.cmake
# It knows the shape the script keeps: header, STYLE, EXSTYLE, CAPTION and FONT on one line each, one
# CONTROL statement per line, styles joined by "|". Anything else inside the block stops the build.
# Names (ids, styles) are copied as written; the C++ compiler resolves them from ui/resource.h and
# the window headers, exactly as the resource compiler does.

file(READ "${RC}" content)
# keep list handling away from the script's own characters
string(REPLACE ";" "<semicolon>" content "${content}")
string(REPLACE "[" "<lbracket>" content "${content}")
string(REPLACE "]" "<rbracket>" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

function(restore out text)
  string(REPLACE "<semicolon>" ";" text "${text}")
  string(REPLACE "<lbracket>" "[" text "${text}")
  string(REPLACE "<rbracket>" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(fail message)
  message(FATAL_ERROR "${RC}: ${message}")
endfunction()

# A style expression: names and numbers joined by "|".
function(check_style text)
  if(NOT text MATCHES "^[A-Za-z0-9_ \t|]+$" OR text MATCHES "(^|[ \t|])NOT([ \t|]|$)")
    fail("style expression not understood: ${text}")
  endif()
endfunction()

set(state outside)
set(dialog_style "")
set(dialog_ex_style 0)
set(caption "")
set(font "")
set(controls "")
set(count 0)
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(state STREQUAL outside)
    if(line MATCHES "^([A-Za-z_0-9]+)[ \t]+DIALOGEX[ \t]+(.*)$")
      set(dialog_id "${CMAKE_MATCH_1}")
      string(REPLACE "," ";" geometry "${CMAKE_MATCH_2}")
      list(LENGTH geometry n)
      if(n LESS 4)
        fail("DIALOGEX needs x, y, cx, cy")
      endif()
      list(SUBLIST geometry 0 4 geometry)
      list(TRANSFORM geometry STRIP)
      string(JOIN ", " dialog_geometry ${geometry})
      set(state header)
    endif()
  elseif(state STREQUAL header)
    if(line MATCHES "^STYLE[ \t]+(.*)$")
      set(dialog_style "${CMAKE_MATCH_1}")
      check_style("${dialog_style}")
    elseif(line MATCHES "^EXSTYLE[ \t]+(.*)$")
      set(dialog_ex_style "${CMAKE_MATCH_1}")
      check_style("${dialog_ex_style}")
    elseif(line MATCHES "^CAPTION[ \t]+(\"([^\"\\\\]|\\\\.)*\")$")
      set(caption "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^FONT[ \t]+([0-9]+)[ \t]*,[ \t]*(\"[^\"]*\")[ \t]*,[ \t]*([0-9]+)[ \t]*,[ \t]*([0-9]+)[ \t]*,[ \t]*([0-9A-Fa-fx]+)$")
      set(font "${CMAKE_MATCH_2}, ${CMAKE_MATCH_1}, ${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}")
    elseif(line STREQUAL "BEGIN")
      set(state body)
    elseif(NOT line STREQUAL "" AND NOT line MATCHES "^//")
      fail("unexpected line in the dialog header: ${line}")
    endif()
  elseif(state STREQUAL body)
    if(line STREQUAL "END")
      set(state done)
      break()
    elseif(line MATCHES "^CONTROL[ \t]+(\"([^\"\\\\]|\\\\.)*\")[ \t]*,(.*)$")
      set(text "${CMAKE_MATCH_1}")
      set(icon 0)
      set(rest "${CMAKE_MATCH_3}")
    elseif(line MATCHES "^CONTROL[ \t]+([A-Za-z_][A-Za-z_0-9]*|[0-9]+)[ \t]*,(.*)$")
      set(text "\"\"")
      set(icon "${CMAKE_MATCH_1}")
      set(rest "${CMAKE_MATCH_2}")
    elseif(line STREQUAL "" OR line MATCHES "^//")
      continue()
    else()
      fail("only one-line CONTROL statements are understood: ${line}")
    endif()
    string(REPLACE "," ";" fields "${rest}")
    list(TRANSFORM fields STRIP)
    list(LENGTH fields n)
    if(n EQUAL 7)
      list(APPEND fields 0)
    elseif(NOT n EQUAL 8)
      fail("CONTROL needs id, class, style, x, y, cx, cy[, exstyle]: ${line}")
    endif()
    list(GET fields 0 id)
    list(GET fields 1 class)
    list(GET fields 2 style)
    list(GET fields 7 ex_style)
    list(SUBLIST fields 3 4 geometry)
    string(JOIN ", " geometry ${geometry})
    if(NOT class MATCHES "^\"[A-Za-z]+\"$")
      fail("control class must be a quoted name: ${line}")
    endif()
    check_style("${style}")
    check_style("${ex_style}")
    restore(text "${text}")
    string(APPEND controls "    {${id}, ${class}, ${text}, ${icon}, WS_CHILD | WS_VISIBLE | ${style}, ${ex_style}, ${geometry}},\n")
    math(EXPR count "${count} + 1")
  endif()
endforeach()

if(NOT state STREQUAL done)
  fail("no complete DIALOGEX block found")
endif()
if(dialog_style STREQUAL "" OR font STREQUAL "")
  fail("the dialog needs STYLE and FONT")
endif()
if(caption STREQUAL "")
  set(caption "\"\"")
endif()
restore(caption "${caption}")

file(WRITE "${OUT}.tmp"
"// Generated from ui/morvane.rc by ui/gen/dialog_table.cmake. Do not edit.
#include \"ui/main_dialog_template.h\"
#include \"ui/resource.h\"

static const control_template controls[] = {
${controls}};

const dialog_template main_dialog_template = {
    ${dialog_id}, ${dialog_style}, ${dialog_ex_style}, ${dialog_geometry},
    ${caption}, ${font}, ${count}, controls};
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
