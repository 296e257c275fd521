# Pictures, bitmaps and drawing objects. PNG and GIF decoding use the installed
# libpng and giflib: the mingw builds of them in the Windows build, the system ones
# elsewhere.
kova_glob_sources(graphics_sources ${CMAKE_CURRENT_LIST_DIR})
kova_add_library(kova_forms_graphics SOURCES ${graphics_sources} DEPS kova_forms_classes)
if(WIN32)
  target_link_libraries(kova_forms_graphics PUBLIC kova_png kova_gif msimg32 gdi32 user32 comctl32)
  target_link_libraries(kova_forms_graphics PUBLIC kova_forms_win)
else()
  find_package(PNG REQUIRED)
  find_package(GIF REQUIRED)
  target_link_libraries(kova_forms_graphics PUBLIC PNG::PNG GIF::GIF)
endif()
