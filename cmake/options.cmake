# Warnings, sanitizers and coverage in one place.
option(FLORINET_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(FLORINET_COVERAGE "Build with coverage counters" OFF)
option(FLORINET_FUZZ "Build the fuzz targets as libFuzzer programs (clang only)" OFF)
# Warnings are errors where we choose the compiler (CI turns this on); a packager's newer
# compiler with new warnings still builds the game.
option(FLORINET_WERROR "Treat compiler warnings as errors" OFF)

add_compile_options(-Wall -Wextra)
if(FLORINET_WERROR)
  add_compile_options(-Werror)
endif()

if(FLORINET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  # GCC 12's flow-based warnings (mismatched new/delete behind the allocation-counting tests'
  # operator new, string overflows) misfire on sanitizer-instrumented code: keep them shown,
  # not fatal, in this build only.
  add_compile_options(-Wno-error)
  add_link_options(-fsanitize=address,undefined)
endif()
if(FLORINET_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FLORINET_FUZZ needs clang (libFuzzer)")
  endif()
  # Every library the targets link is instrumented too: coverage for the fuzzer, and the address
  # and undefined-behaviour checks.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
if(FLORINET_COVERAGE)
  add_compile_options(--coverage -O0)
  add_link_options(--coverage)
endif()

# One static library per source folder; every .cpp in the folder belongs to it.
function(florinet_library name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(_src)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# What every test runs with: no display or sound card of the machine's, and the game's own
# language unless a test asks for another with --lang, whatever the machine's locale and the
# player's settings say.
set(FLORINET_TEST_ENV
    "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;LANGUAGE=;LC_ALL=C;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")

# One test program per tests/ folder; every .cpp in it is part of it.
function(florinet_test name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${_src})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    FLORINET_GAME_DIR="${GAME_DIR}"
    FLORINET_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    FLORINET_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${FLORINET_TEST_ENV}")
endfunction()
