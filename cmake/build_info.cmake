# Run at each build (cmake -P): writes OUT, the build's description that --version shows, and
# leaves the file alone when it has not changed, so nothing is rebuilt for it.
# In: SOURCE_DIR, OUT, BUILD_TYPE, COMPILER, BUILD_ID (a packager's own name; optional).
if(BUILD_ID)
  set(rev "${BUILD_ID}")
else()
  execute_process(COMMAND git -C "${SOURCE_DIR}" describe --always --dirty --abbrev=10
    OUTPUT_VARIABLE rev OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR rev STREQUAL "")
    set(rev "unknown")
  endif()
endif()
if(NOT BUILD_TYPE)
  set(BUILD_TYPE "no build type")
endif()
string(REPLACE "\"" "'" rev "${rev}")
set(text "// Written at build time by cmake/build_info.cmake.\nnamespace app {\nextern const char* const build_description;\nconst char* const build_description = \"${rev} (${BUILD_TYPE}, ${COMPILER})\";\n}  // namespace app\n")
set(old "")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
