# Helpers that give every target of the project the same warnings and language level.

function(keyloom_warnings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC 12 reports string concatenation inside libstdc++ as overlapping copies at -O2 and up
      # (GCC bug 105329): a false alarm that would fail Release builds.
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()

# keyloom_library(name SOURCES ... [DEPS ...]): a static library rooted at the project's top folder,
# so that includes read "shell/settings.h" everywhere.
function(keyloom_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  keyloom_warnings(${name})
endfunction()

# keyloom_test(name SOURCES ... [DEPS ...] [LABELS ...]): a GoogleTest executable registered with CTest.
function(keyloom_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LABELS" ${ARGN})
  if(NOT KEYLOOM_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  keyloom_warnings(${name})
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # Under the emulator (Wine) every process start is costly: one CTest test per executable,
    # after the run's emulator setting is up (the fixture of tests/e2e-wine).
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" FIXTURES_REQUIRED emulator)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
