# Script mode, run on the build machine itself (no Wine): each module in BIN is a PE
# file for MACHINE (pei-i386 or pei-x86-64) and exports exactly the names its callers
# look up, read with the toolchain's OBJDUMP.
cmake_policy(SET CMP0007 NEW)
set(modules
  "KOVAMsg.dll:_KOVA_Initialize,_KOVA_ShowForm,_KOVA_Uninitialize"
  "KOVAUtils.dll:CommonDefs_GetConfigStoreGeneric,CommonDefs_GetConfigStringList,CommonDefs_Initialize,CommonDefs_Uninitialize"
  "TREMLang.dll:_00001_,_00002_"
  "drTXml.dll:drTarnXML_CreateXMLDocument,drTarnXml_InitLibrary,drTarnXml_ReleaseLibrary"
  "DORFiles.dll:dorFiles_GetRepository,dorFiles_InitLibrary,dorFiles_ReleaseLibrary"
  "KOVAResources.dll:_KOVA_Initialize,_KOVA_Uninitialize"
  "kova-host.exe:"
  "Setup.exe:")
set(failures 0)
foreach(entry IN LISTS modules)
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 file)
  set(expected "")
  list(LENGTH parts count)
  if(count GREATER 1)
    list(GET parts 1 names)
    string(REPLACE "," ";" expected "${names}")
  endif()
  execute_process(COMMAND ${OBJDUMP} -p ${BIN}/${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "${file}: cannot be read")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  if(NOT dump MATCHES "file format ${MACHINE}\n")
    string(REGEX MATCH "file format [^\n]*" found "${dump}")
    message(SEND_ERROR "${file}: ${found}, expected ${MACHINE}")
    math(EXPR failures "${failures} + 1")
  endif()
  set(names "")
  string(FIND "${dump}" "[Ordinal/Name Pointer] Table" at)
  if(at GREATER -1)
    string(SUBSTRING "${dump}" ${at} -1 table)
    string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [^\n]+" lines "${table}")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^\n\t\\[ *[0-9]+\\] " "" name "${line}")
      list(APPEND names "${name}")
    endforeach()
  endif()
  list(SORT names)
  list(SORT expected)
  if(NOT names STREQUAL expected)
    message(SEND_ERROR "${file}: exports '${names}', expected '${expected}'")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} module check(s) failed")
endif()
message(STATUS "every module is ${MACHINE} and exports exactly its callers' names")
