# Helpers that every subsystem's CMakeLists.txt uses, so targets look alike.

set(KOVA_SOURCE_ROOT ${PROJECT_SOURCE_DIR})

function(kova_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KOVA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${KOVA_SOURCE_ROOT}/src)
  if(WIN32)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
  endif()
endfunction()

# kova_add_library(name SOURCES ... [DEPS ...]): a static library of our own code.
function(kova_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  kova_compile_options(${name})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# kova_add_executable(name SOURCES ... [DEPS ...] [GUI]): a program (tools, host).
function(kova_add_executable name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  kova_compile_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  if(WIN32)
    kova_static_runtime(${name})
    if(ARG_GUI)
      target_link_options(${name} PRIVATE -mwindows)
    endif()
  endif()
endfunction()

# kova_add_test(name SOURCES ... [DEPS ...] [LOCKS ...] [LABELS ...]): a GoogleTest
# program registered with CTest. Under the Windows presets it runs through Wine.
function(kova_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LOCKS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  kova_compile_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(WIN32)
    kova_static_runtime(${name})
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    # scripts/wine-run.sh answers 77 for a 32-bit test on a machine without 32-bit support.
    SKIP_RETURN_CODE 77
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "KOVA_SOURCE_DIR=${KOVA_SOURCE_ROOT};KOVA_BINARY_DIR=${PROJECT_BINARY_DIR}")
  if(ARG_LOCKS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${ARG_LOCKS}")
  endif()
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# kova_add_fuzzer(name SOURCES ... [DEPS ...] [SECONDS n]): a libFuzzer target (native
# clang builds only) plus a bounded CTest run of it over its seed corpus in
# tests/fuzz-corpus/<name>/ when that folder exists.
function(kova_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;DEPS" ${ARGN})
  if(NOT KOVA_FUZZ OR WIN32)
    return()
  endif()
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 10)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  kova_compile_options(${name})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  add_test(NAME ${name}
    COMMAND ${KOVA_SOURCE_ROOT}/scripts/run-fuzzer.sh $<TARGET_FILE:${name}> ${ARG_SECONDS}
            ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus ${KOVA_SOURCE_ROOT}/tests/fuzz-corpus/${name})
  set_tests_properties(${name} PROPERTIES LABELS fuzz)
endfunction()

# kova_add_benchmark(name SOURCES ... [DEPS ...]): a Google Benchmark program.
function(kova_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT KOVA_BENCH OR WIN32)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  kova_compile_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# kova_static_runtime(target): one self-contained PE file per module.
function(kova_static_runtime target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# kova_add_module(name SOURCES ... DEF file [DEPS ...]): a Windows DLL of ours with
# its exports named by a module-definition file.
function(kova_add_module name)
  cmake_parse_arguments(ARG "" "DEF;OUTPUT_NAME;OUTPUT_DIR" "SOURCES;DEPS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES} ${ARG_DEF})
  kova_compile_options(${name})
  kova_static_runtime(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "" )
  if(ARG_OUTPUT_NAME)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME})
  endif()
  if(ARG_OUTPUT_DIR)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR} LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
  endif()
endfunction()

# kova_add_child_directories(dir): every direct sub-folder of dir that has a
# CMakeLists.txt, in name order (tests/, fuzz/, bench/, tools/, siblings/).
function(kova_add_child_directories dir)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${KOVA_SOURCE_ROOT}/${dir} ${KOVA_SOURCE_ROOT}/${dir}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${KOVA_SOURCE_ROOT}/${dir}/${child}/CMakeLists.txt)
      add_subdirectory(${KOVA_SOURCE_ROOT}/${dir}/${child} ${PROJECT_BINARY_DIR}/${dir}/${child})
    endif()
  endforeach()
endfunction()

# kova_glob_sources(var dir): the .cpp files of dir; files ending in _win.cpp only in
# the Windows build, files ending in _posix.cpp only elsewhere.
function(kova_glob_sources var dir)
  file(GLOB all CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(result)
  foreach(f IN LISTS all)
    if(f MATCHES "_win\\.cpp$" AND NOT WIN32)
      continue()
    endif()
    if(f MATCHES "_posix\\.cpp$" AND WIN32)
      continue()
    endif()
    list(APPEND result ${f})
  endforeach()
  set(${var} ${result} PARENT_SCOPE)
endfunction()
