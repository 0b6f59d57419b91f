# strakon_add_gtest(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One GoogleTest executable per folder of tests. GUI tests run on Qt's offscreen
# platform so that no display is needed. Every test gets its own scratch folder
# through STRAKON_TEST_TMP (see tests/support).
function(strakon_add_gtest name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    STRAKON_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    STRAKON_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(env "STRAKON_TEST_ARTIFACTS=${PROJECT_BINARY_DIR}/test-artifacts")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${env}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# strakon_add_library(<name> SOURCES <files...> [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
function(strakon_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  # Headers are included by their path from the repository root: "rezavud/omVector.h".
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()
