# Helpers that every subsystem's CMakeLists.txt uses, so targets look alike.

set(KOVA_SOURCE_ROOT ${PROJECT_SOURCE_DIR})

function(kova_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KOVA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
  endif()
endfunction()

# Layering. Every library reaches the headers of src/ through one include root of its
# own, in the build tree, that holds links to its own headers only, at their rooted path
# ("config/setup_registry_win.h"). A library that includes another's header without
# linking that library does not find it, so a wrong include fails the build.
set(KOVA_INCLUDE_ROOTS ${PROJECT_BINARY_DIR}/include)

# kova_expose_headers(target header...): the headers (absolute paths under src/) in the
# include root of target.
function(kova_link_headers root)
  file(MAKE_DIRECTORY ${root})
  foreach(header IN LISTS ARGN)
    file(RELATIVE_PATH rooted ${KOVA_SOURCE_ROOT}/src ${header})
    get_filename_component(folder ${root}/${rooted} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    if(NOT EXISTS ${root}/${rooted})
      file(CREATE_LINK ${header} ${root}/${rooted} SYMBOLIC)
    endif()
  endforeach()
endfunction()

function(kova_expose_headers target)
  set(root ${KOVA_INCLUDE_ROOTS}/${target})
  kova_link_headers(${root} ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# kova_add_library(name SOURCES ... [DEPS ...] [HEADERS ...]): a static library of our
# own code; HEADERS are what it offers to the libraries that link it.
function(kova_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;HEADERS" ${ARGN})
  if(NOT ARG_SOURCES)
    # Headers only.
    add_library(${name} INTERFACE)
    set(root ${KOVA_INCLUDE_ROOTS}/${name})
    file(REMOVE_RECURSE ${root})
    kova_link_headers(${root} ${ARG_HEADERS})
    target_include_directories(${name} INTERFACE ${root})
    if(ARG_DEPS)
      target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  kova_compile_options(${name})
  file(REMOVE_RECURSE ${KOVA_INCLUDE_ROOTS}/${name})
  kova_expose_headers(${name} ${ARG_HEADERS})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# kova_add_subsystem(name DIRS dir... [DEPS ...] [HALF_DEPS ...] [WIN_DEPS ...]
#                    [EXCLUDE file...] [PLATFORM_HALVES file...] [WINDOWS_ONLY]):
# the code of a folder as two libraries. kova_<name>_portable holds the portable code
# and headers, and in the Windows build also the Windows halves of portable code: a file
# X_win.cpp beside an X_posix.cpp, or one named in PLATFORM_HALVES. kova_<name>_win, in
# the Windows build, holds the other _win.cpp files and the headers only they implement
# (X_win.h, or X.h implemented by X_win.cpp alone), and depends on the portable part.
# kova_<name> names both (the portable part alone outside Windows). DEPS are the portable
# part's, HALF_DEPS what its Windows halves add in the Windows build, WIN_DEPS the
# Windows part's. WINDOWS_ONLY folders make kova_<name> alone, in the Windows build only.
function(kova_add_subsystem name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY" "" "DIRS;DEPS;HALF_DEPS;WIN_DEPS;EXCLUDE;PLATFORM_HALVES"
                        ${ARGN})
  set(sources)
  set(headers)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB dir_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB dir_headers CONFIGURE_DEPENDS ${dir}/*.h)
    list(APPEND sources ${dir_sources})
    list(APPEND headers ${dir_headers})
  endforeach()
  foreach(f IN LISTS sources headers)
    get_filename_component(file_name ${f} NAME)
    if(file_name IN_LIST ARG_EXCLUDE)
      list(REMOVE_ITEM sources ${f})
      list(REMOVE_ITEM headers ${f})
    endif()
  endforeach()
  if(ARG_WINDOWS_ONLY)
    if(WIN32)
      kova_add_library(kova_${name} SOURCES ${sources} HEADERS ${headers}
                       DEPS ${ARG_DEPS} ${ARG_WIN_DEPS})
    endif()
    return()
  endif()
  set(portable_sources)
  set(win_sources)
  foreach(f IN LISTS sources)
    get_filename_component(file_name ${f} NAME)
    if(f MATCHES "_posix\\.cpp$")
      if(NOT WIN32)
        list(APPEND portable_sources ${f})
      endif()
    elseif(f MATCHES "_win\\.cpp$")
      string(REGEX REPLACE "_win\\.cpp$" "_posix.cpp" twin ${f})
      if(EXISTS ${twin} OR file_name IN_LIST ARG_PLATFORM_HALVES)
        if(WIN32)
          list(APPEND portable_sources ${f})
        endif()
      else()
        list(APPEND win_sources ${f})
      endif()
    else()
      list(APPEND portable_sources ${f})
    endif()
  endforeach()
  set(portable_headers)
  set(win_headers)
  foreach(h IN LISTS headers)
    string(REGEX REPLACE "\\.h$" "" stem ${h})
    if(${stem}.cpp IN_LIST portable_sources)
      list(APPEND portable_headers ${h})  # the header of a Windows half
    elseif(h MATCHES "_win\\.h$")
      list(APPEND win_headers ${h})
    elseif(EXISTS ${stem}_win.cpp AND NOT EXISTS ${stem}.cpp AND NOT EXISTS ${stem}_posix.cpp)
      list(APPEND win_headers ${h})
    else()
      list(APPEND portable_headers ${h})
    endif()
  endforeach()
  kova_add_library(kova_${name}_portable SOURCES ${portable_sources} HEADERS ${portable_headers}
                   DEPS ${ARG_DEPS})
  add_library(kova_${name} INTERFACE)
  if(WIN32)
    if(ARG_HALF_DEPS)
      target_link_libraries(kova_${name}_portable PUBLIC ${ARG_HALF_DEPS})
    endif()
    if(win_sources)
      kova_add_library(kova_${name}_win SOURCES ${win_sources} HEADERS ${win_headers}
                       DEPS kova_${name}_portable ${ARG_WIN_DEPS})
      target_link_libraries(kova_${name} INTERFACE kova_${name}_win)
    else()
      kova_expose_headers(kova_${name}_portable ${win_headers})
    endif()
  endif()
  target_link_libraries(kova_${name} INTERFACE kova_${name}_portable)
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

# kova_add_benchmark(name SOURCES ... [DEPS ...] [WINDOWS] [LOCKS ...]): a Google
# Benchmark program, with a smoke test that runs it once. Portable benchmarks build
# natively; WINDOWS ones build in the Windows presets and run under Wine.
function(kova_add_benchmark name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;DEPS;LOCKS" ${ARGN})
  if(NOT KOVA_BENCH OR (WIN32 AND NOT ARG_WINDOWS) OR (ARG_WINDOWS AND NOT WIN32))
    return()
  endif()
  if(NOT WIN32)
    find_package(benchmark REQUIRED)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  kova_compile_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} kova_bench_allocation benchmark::benchmark
                        benchmark::benchmark_main)
  # CI only checks that the program runs: one short pass, no timing asserted.
  add_test(NAME ${name}_smoke COMMAND ${name} --benchmark_min_time=0)
  set_tests_properties(${name}_smoke PROPERTIES LABELS bench)
  if(WIN32)
    kova_static_runtime(${name})
    set_tests_properties(${name}_smoke PROPERTIES
      SKIP_RETURN_CODE 77
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      ENVIRONMENT "KOVA_SOURCE_DIR=${KOVA_SOURCE_ROOT};KOVA_BINARY_DIR=${PROJECT_BINARY_DIR}")
  endif()
  if(ARG_LOCKS)
    set_tests_properties(${name}_smoke PROPERTIES RESOURCE_LOCK "${ARG_LOCKS}")
  endif()
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
