# GoogleTest for every preset, and morvane_add_gtest() to register a test executable.
#
# Natively the packaged GoogleTest is used and every test case becomes its own CTest test.
# In the Windows cross builds (i686, x86_64) GoogleTest is built from /usr/src/googletest, and each
# executable is one CTest test run under Wine (CMAKE_CROSSCOMPILING_EMULATOR): one Wine start per
# executable, not per case.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

  # The Wine wrapper exits with this code when the machine cannot run the test program at all (a
  # 32-bit program where the kernel runs 64-bit programs only): such a test is skipped, not failed.
  file(STRINGS ${PROJECT_SOURCE_DIR}/tools/wine-env.sh skip_line REGEX "^MORVANE_WINE_SKIP_CODE=[0-9]+$")
  string(REGEX REPLACE "^.*=" "" MORVANE_WINE_SKIP_CODE "${skip_line}")
  if(NOT MORVANE_WINE_SKIP_CODE)
    message(FATAL_ERROR "tools/wine-env.sh does not define MORVANE_WINE_SKIP_CODE")
  endif()
else()
  find_package(GTest REQUIRED)
endif()

function(morvane_add_gtest target)
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 900)
    if(CMAKE_CROSSCOMPILING_EMULATOR)
      set_tests_properties(${target} PROPERTIES SKIP_RETURN_CODE ${MORVANE_WINE_SKIP_CODE})
    endif()
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
  endif()
endfunction()
