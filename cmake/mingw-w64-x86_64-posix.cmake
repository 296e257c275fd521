# 64-bit Windows with mingw-w64 (posix threads); tests run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KOVA_MINGW_HOST x86_64-w64-mingw32)
set(KOVA_MINGW_DEPS ${CMAKE_CURRENT_LIST_DIR}/../.cache/mingw-deps)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
