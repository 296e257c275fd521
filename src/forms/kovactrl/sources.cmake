# The product's control package: Windows only.
if(WIN32)
  kova_glob_sources(kovactrl_sources ${CMAKE_CURRENT_LIST_DIR})
  kova_add_library(kova_forms_kovactrl SOURCES ${kovactrl_sources} DEPS kova_forms_controls)
  target_link_libraries(kova_forms_kovactrl PUBLIC msimg32)
endif()
