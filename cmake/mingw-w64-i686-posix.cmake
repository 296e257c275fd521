# 32-bit Windows with mingw-w64 (posix threads): the build that ships, since the
# product's hosts and setup program are 32-bit processes. Tests run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KOVA_MINGW_HOST i686-w64-mingw32)
set(KOVA_MINGW_DEPS ${CMAKE_CURRENT_LIST_DIR}/../.cache/mingw-deps-i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
