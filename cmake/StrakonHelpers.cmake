# Each library and each test folder takes every source file of its folder, so
# adding a class means adding its files, nothing else.

# strakon_folder_sources(<variable> <with_qrc> [subfolders...])
# Every .cpp of the current folder and the given subfolders and, with with_qrc,
# the folder's .qrc files (pictures and other files that Qt's resource system
# compiles in). The list follows the folder: files added later join at the next build.
function(strakon_folder_sources variable with_qrc)
  set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(d ${ARGN})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp)
  endforeach()
  if(with_qrc)
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# Headers that nearly every source of a target includes, compiled once per target:
# the standard containers everywhere, Qt's core classes in the Qt targets, GoogleTest in tests.
set(STRAKON_PCH_STD <string> <vector> <memory> <map> <algorithm> <functional>)
set(STRAKON_PCH_QT <QtCore/QObject> <QtCore/QString> <QtGui/QFont> <QtGui/QImage> <QtGui/QPainter>
                   <QtWidgets/QWidget>)

# strakon_add_library(<name> [QT] [DIRS <subfolders...>] [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# A shared library of every .cpp in the current folder (and the given subfolders).
# QT runs Qt's meta-object compiler over it and compiles in the folder's .qrc files.
function(strakon_add_library name)
  cmake_parse_arguments(ARG "QT" "" "DIRS;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  strakon_folder_sources(sources "${ARG_QT}" ${ARG_DIRS})
  add_library(${name} SHARED ${sources})
  # Headers are included by their path from the repository root: "rezavud/omVector.h".
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_precompile_headers(${name} PRIVATE ${STRAKON_PCH_STD} ${STRAKON_PCH_QT})
  else()
    target_precompile_headers(${name} PRIVATE ${STRAKON_PCH_STD})
  endif()
endfunction()

# strakon_add_gtest(<name> LIBS <targets...> [DIRS <subfolders...>] [GUI] [SANITIZE])
# One GoogleTest executable of every .cpp (and, for GUI, .qrc) in the current folder. GUI tests run
# on Qt's offscreen platform so that no display is needed, with one application
# object for the whole program (tests/support/GuiEnvironment.cpp). Tests write their
# pictures and other artifacts under <build>/test-artifacts (STRAKON_TEST_ARTIFACTS).
# SANITIZE marks a test program that reads files or manages windows: scripts/test builds
# those again with AddressSanitizer and UndefinedBehaviorSanitizer (target
# sanitize_tests, ctest label "sanitize") and runs them there too.
function(strakon_add_gtest name)
  cmake_parse_arguments(ARG "GUI;SANITIZE" "" "DIRS;LIBS" ${ARGN})
  strakon_folder_sources(sources "${ARG_GUI}" ${ARG_DIRS})
  if(ARG_GUI)
    list(APPEND sources ${PROJECT_SOURCE_DIR}/tests/support/GuiEnvironment.cpp
                        ${PROJECT_SOURCE_DIR}/tests/support/SoftAssertHandler.cpp)
    list(APPEND ARG_LIBS Qt6::Widgets platform_core)
  endif()
  add_executable(${name} ${sources})
  if(ARG_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(ARG_GUI)
    target_precompile_headers(${name} PRIVATE ${STRAKON_PCH_STD} <gtest/gtest.h> ${STRAKON_PCH_QT})
  else()
    target_precompile_headers(${name} PRIVATE ${STRAKON_PCH_STD} <gtest/gtest.h>)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    STRAKON_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    STRAKON_BINARY_DIR="${PROJECT_BINARY_DIR}")
  # No test may touch the user's own settings or desktop registration; tests that
  # need a store or a data folder of their own point it at their own folder.
  set(env "STRAKON_TEST_ARTIFACTS=${PROJECT_BINARY_DIR}/test-artifacts"
          "STRAKON_CONFIG_DIR=${PROJECT_BINARY_DIR}/test-settings"
          "XDG_DATA_HOME=${PROJECT_BINARY_DIR}/test-xdg-data")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set(labels "")
  if(ARG_SANITIZE)
    set(labels sanitize)
    if(NOT TARGET sanitize_tests)
      add_custom_target(sanitize_tests)
    endif()
    add_dependencies(sanitize_tests ${name})
    # Qt keeps allocations of its platform plugins and threads until exit, so the
    # programs with a user interface look for memory errors but not for leaks.
    set(asan "abort_on_error=1")
    if(ARG_GUI)
      set(asan "detect_leaks=0:${asan}")
    endif()
    list(APPEND env "ASAN_OPTIONS=${asan}" "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  # The environment goes in through "cmake -E env" as the tests' launcher: a list
  # given to gtest_discover_tests as the ENVIRONMENT property keeps only its first entry.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${env}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS "${labels}"
    DISCOVERY_TIMEOUT 60)
endfunction()
