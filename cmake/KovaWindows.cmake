# GoogleTest for the mingw build, from the source that Debian's googletest package ships.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(t gtest gtest_main gmock gmock_main)
  if(TARGET ${t} AND NOT TARGET GTest::${t})
    add_library(GTest::${t} ALIAS ${t})
  endif()
endforeach()

# Google Benchmark for the benchmarks that run under Wine, from the source that
# scripts/build-mingw-deps.sh unpacks.
if(KOVA_BENCH)
  set(KOVA_BENCHMARK_SOURCE ${PROJECT_SOURCE_DIR}/.cache/src/benchmark-source)
  if(NOT EXISTS ${KOVA_BENCHMARK_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "no Google Benchmark source in ${KOVA_BENCHMARK_SOURCE}: run scripts/setup.sh")
  endif()
  foreach(option BENCHMARK_ENABLE_TESTING BENCHMARK_ENABLE_GTEST_TESTS BENCHMARK_ENABLE_INSTALL
                 BENCHMARK_INSTALL_DOCS BENCHMARK_ENABLE_WERROR BENCHMARK_ENABLE_LIBPFM)
    set(${option} OFF CACHE BOOL "" FORCE)
  endforeach()
  add_subdirectory(${KOVA_BENCHMARK_SOURCE} ${CMAKE_BINARY_DIR}/_benchmark EXCLUDE_FROM_ALL SYSTEM)
endif()

# Static libpng, giflib and zlib built for the toolchain's target by
# scripts/build-mingw-deps.sh; the toolchain file names their folder.
if(NOT KOVA_MINGW_DEPS)
  message(FATAL_ERROR "Windows builds use a toolchain file from cmake/ (presets win32, win64)")
endif()
add_library(kova_png STATIC IMPORTED GLOBAL)
set_target_properties(kova_png PROPERTIES IMPORTED_LOCATION ${KOVA_MINGW_DEPS}/lib/libpng.a
  INTERFACE_INCLUDE_DIRECTORIES ${KOVA_MINGW_DEPS}/include INTERFACE_LINK_LIBRARIES z)
add_library(kova_gif STATIC IMPORTED GLOBAL)
set_target_properties(kova_gif PROPERTIES IMPORTED_LOCATION ${KOVA_MINGW_DEPS}/lib/libgif.a
  INTERFACE_INCLUDE_DIRECTORIES ${KOVA_MINGW_DEPS}/include)

# Our Windows tools that the build itself runs (dictionaries, images, the skin file).
set(KOVA_BUILD_TOOL_RUNNER ${PROJECT_SOURCE_DIR}/scripts/run-build-tool.sh)
