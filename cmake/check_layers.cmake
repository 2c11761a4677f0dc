# The layer rules: which rooms (folders) may not include what. Fails, naming the rule and each file and
# include line that breaks it.
# Usage: cmake -DROOT=<source tree> -P check_layers.cmake
if(NOT ROOT)
  message(FATAL_ERROR "check_layers.cmake needs -DROOT=<source tree>")
endif()

# Appends to `broken` (in the caller) the rule's message and its offences: the files under ROOT/<room>
# for each room, except those whose path from ROOT matches `except` (empty: none), that include a
# header whose name as written (between <> or "") matches `forbidden`.
function(layer_rule rooms except forbidden message)
  set(offences "")
  foreach(room IN LISTS rooms)
    file(GLOB_RECURSE sources "${ROOT}/${room}/*.h" "${ROOT}/${room}/*.hpp" "${ROOT}/${room}/*.c" "${ROOT}/${room}/*.cpp")
    foreach(source IN LISTS sources)
      file(RELATIVE_PATH shown "${ROOT}" "${source}")
      if(NOT except STREQUAL "" AND shown MATCHES "${except}")
        continue()
      endif()
      file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
      foreach(line IN LISTS includes)
        if(line MATCHES "include[ \t]*[<\"]([^>\"]*)[>\"]" AND CMAKE_MATCH_1 MATCHES "${forbidden}")
          string(STRIP "${line}" line)
          list(APPEND offences "${shown}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(offences)
    list(JOIN offences "\n  " listed)
    set(broken "${broken}layer rule broken: ${message}\n  ${listed}\n" PARENT_SCOPE)
  endif()
endfunction()

set(broken "")
set(window_header "^(.*/)?(platform|ui)/|^[Ww][Ii][Nn][Dd][Oo][Ww][Ss]\\.[Hh]$")
#          rooms          except  forbidden           message
layer_rule("mp;engine"    ""      "${window_header}"  "mp/ and engine/ include no window header")
layer_rule("platform"     ""      "^(.*/)?ui/"        "platform/ includes nothing of ui/")
layer_rule("engine;ui;cli;platform" "^engine/radix_converter\\.cpp$" "^(.*/)?mp/"
           "only the radix converter (engine/radix_converter.cpp) includes a header of mp/")

if(broken)
  message(FATAL_ERROR "${broken}")
endif()
