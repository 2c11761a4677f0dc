# Builds the Windows ZIP as a developer does ("package" target) and unpacks it as a user does, into a
# fresh folder. Fails unless the build makes exactly the archive named ZIP_NAME.
# Usage: cmake -DBUILD_DIR=<build tree> -DZIP_NAME=<file name> -DUNPACK_DIR=<folder> -P make_zip.cmake
file(GLOB old_zips "${BUILD_DIR}/*.zip")
if(old_zips)
  file(REMOVE ${old_zips})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --parallel 2 --target package RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "building the package target failed")
endif()
file(GLOB zips RELATIVE "${BUILD_DIR}" "${BUILD_DIR}/*.zip")
if(NOT zips STREQUAL ZIP_NAME)
  message(FATAL_ERROR "the package target made '${zips}', not '${ZIP_NAME}'")
endif()
file(REMOVE_RECURSE "${UNPACK_DIR}")
file(MAKE_DIRECTORY "${UNPACK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${BUILD_DIR}/${ZIP_NAME} WORKING_DIRECTORY ${UNPACK_DIR}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${ZIP_NAME} does not unpack")
endif()
message(STATUS "${ZIP_NAME} built and unpacked into ${UNPACK_DIR}")
