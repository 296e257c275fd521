# The dictionary file format, shared by TREMLang.dll and the kova-dict tool.
if(NOT TARGET kova_dictionary_file)
  kova_add_library(kova_dictionary_file
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/dictionary_file.cpp
    HEADERS ${CMAKE_CURRENT_LIST_DIR}/dictionary_file.h
    DEPS kova_base)
endif()
