# The layer rule: the library (mp/) and the engine (engine/) need no window. Fails, naming each file and
# line, when a file under ROOT/mp or ROOT/engine includes a header of platform/ or ui/, or <windows.h>.
# Usage: cmake -DROOT=<source tree> -P check_layers.cmake
if(NOT ROOT)
  message(FATAL_ERROR "check_layers.cmake needs -DROOT=<source tree>")
endif()

set(offences "")
foreach(room mp engine)
  file(GLOB_RECURSE sources "${ROOT}/${room}/*.h" "${ROOT}/${room}/*.hpp" "${ROOT}/${room}/*.c" "${ROOT}/${room}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*[<\"]([^>\"]*/)?(platform|ui)/" OR
         line MATCHES "include[ \t]*[<\"][Ww][Ii][Nn][Dd][Oo][Ww][Ss]\\.[Hh][>\"]")
        file(RELATIVE_PATH shown "${ROOT}" "${source}")
        string(STRIP "${line}" line)
        list(APPEND offences "${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(offences)
  list(JOIN offences "\n  " listed)
  message(FATAL_ERROR "layer rule broken: mp/ and engine/ include no window header\n  ${listed}")
endif()
