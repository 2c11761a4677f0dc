# What a user gets. On Windows: one ZIP (CPack, the "package" target) holding the programs and the
# README and license as Windows text files, nothing else, all at the top of the archive: Explorer's
# "Extract All" already offers a folder named after the archive, so a folder inside it would only
# nest twice. Natively: "cmake --install" of the console program and its manual page.

if(WIN32)
  # README.txt (what the programs do and how to use them, for the person who unpacked the archive) and
  # LICENSE.txt, made again whenever their sources change.
  set(text_dir ${CMAKE_BINARY_DIR}/package-text)
  set(texts "")
  foreach(pair "docs/README-windows.txt;README.txt" "LICENSE;LICENSE.txt")
    list(GET pair 0 source)
    list(GET pair 1 copy)
    add_custom_command(OUTPUT ${text_dir}/${copy}
                       COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/${source} -DOUT=${text_dir}/${copy}
                               -P ${PROJECT_SOURCE_DIR}/cmake/crlf_text.cmake
                       DEPENDS ${PROJECT_SOURCE_DIR}/${source} ${PROJECT_SOURCE_DIR}/cmake/crlf_text.cmake
                       COMMENT "Writing ${copy} with Windows line ends" VERBATIM)
    list(APPEND texts ${text_dir}/${copy})
  endforeach()
  add_custom_target(morvane_package_texts ALL DEPENDS ${texts})

  install(TARGETS Morvane morvane-cli RUNTIME DESTINATION .)
  install(FILES ${texts} DESTINATION .)

  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(package_system win64)
  else()
    set(package_system win32)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${package_system})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_VERBATIM_VARIABLES ON)
  include(CPack)
else()
  include(GNUInstallDirs)
  install(TARGETS morvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/cli/morvane-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
