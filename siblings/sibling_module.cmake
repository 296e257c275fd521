# Shared rules of the product's sibling modules: each real module goes to bin/ beside
# KOVAMsg.dll; variants built for tests go to test-modules/<variant>/ under the same
# file name, and the target kova_test_modules builds all of them.
include_guard(GLOBAL)

# Where tests find the variants: ${KOVA_TEST_MODULES_DIR}/<variant>/<Module>.dll.
set(KOVA_TEST_MODULES_DIR ${PROJECT_BINARY_DIR}/test-modules CACHE INTERNAL
    "Folder of the sibling module variants built for tests")

if(NOT TARGET kova_test_modules)
  add_custom_target(kova_test_modules)
endif()

# kova_sibling_module(name SOURCES ... DEF file [DEPS ...])
function(kova_sibling_module name)
  cmake_parse_arguments(ARG "" "DEF" "SOURCES;DEPS" ${ARGN})
  kova_add_module(${name} SOURCES ${ARG_SOURCES} DEF ${ARG_DEF} DEPS ${ARG_DEPS}
                  OUTPUT_DIR ${PROJECT_BINARY_DIR}/bin)
  target_include_directories(${name} PRIVATE ${KOVA_SOURCE_ROOT}/siblings)
endfunction()

# kova_sibling_variant(module variant SOURCES ... DEF file [DEPS ...] [DEFINITIONS ...]):
# test-modules/<variant>/<module>.dll built from the module's sources.
function(kova_sibling_variant module variant)
  cmake_parse_arguments(ARG "" "DEF" "SOURCES;DEPS;DEFINITIONS" ${ARGN})
  string(MAKE_C_IDENTIFIER "${module}_${variant}" target)
  kova_add_module(${target} SOURCES ${ARG_SOURCES} DEF ${ARG_DEF} DEPS ${ARG_DEPS}
                  OUTPUT_NAME ${module} OUTPUT_DIR ${KOVA_TEST_MODULES_DIR}/${variant})
  target_include_directories(${target} PRIVATE ${KOVA_SOURCE_ROOT}/siblings)
  # Its import library must not collide with the real module's.
  set_target_properties(${target} PROPERTIES
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${variant})
  if(ARG_DEFINITIONS)
    target_compile_definitions(${target} PRIVATE ${ARG_DEFINITIONS})
  endif()
  add_dependencies(kova_test_modules ${target})
endfunction()
