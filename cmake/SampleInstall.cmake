# The sample installation: the product laid out as its setup program would, in
# ${PROJECT_BINARY_DIR}/install. The demo and the end-to-end tests run against it.
if(NOT WIN32)
  return()
endif()

set(KOVA_SAMPLE_INSTALL ${PROJECT_BINARY_DIR}/install)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_target(sample_install ALL
  COMMAND ${CMAKE_COMMAND}
    -DBIN_DIR=${PROJECT_BINARY_DIR}/bin
    -DLANG_DIR=${PROJECT_BINARY_DIR}/lang
    -DSKIN_FILE=${PROJECT_BINARY_DIR}/skin/KOVASkin.skn
    -DDATA_DIR=${PROJECT_SOURCE_DIR}/host/sample-install
    -DOUT_DIR=${KOVA_SAMPLE_INSTALL}
    -DPYTHON=${Python3_EXECUTABLE}
    -DTO_UTF16=${PROJECT_SOURCE_DIR}/scripts/to-utf16.py
    -P ${PROJECT_SOURCE_DIR}/cmake/lay-out-sample.cmake
  COMMENT "Laying out the sample installation in ${KOVA_SAMPLE_INSTALL}"
  VERBATIM)
foreach(module KOVAMsg kova-host kova-demo-user Setup KOVAUtils TREMLang drTXml DORFiles KOVAResources
               kova-dict-lang kova-skin-sample)
  if(TARGET ${module})
    add_dependencies(sample_install ${module})
  endif()
endforeach()
