# Controls and forms: Windows only.
if(WIN32)
  kova_glob_sources(controls_sources ${CMAKE_CURRENT_LIST_DIR})
  kova_add_library(kova_forms_controls SOURCES ${controls_sources} DEPS kova_forms_graphics)
endif()
