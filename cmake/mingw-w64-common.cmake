# Shared part of the mingw-w64 toolchain files: KOVA_MINGW_HOST names the target
# triplet and KOVA_MINGW_DEPS the folder of the libraries that
# scripts/build-mingw-deps.sh builds for it. Tests run under Wine, which
# starts 32-bit and 64-bit programs alike.
set(CMAKE_SYSTEM_NAME Windows)
get_filename_component(KOVA_MINGW_DEPS ${KOVA_MINGW_DEPS} ABSOLUTE)
set(CMAKE_C_COMPILER ${KOVA_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOVA_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${KOVA_MINGW_HOST}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KOVA_MINGW_HOST} ${KOVA_MINGW_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
