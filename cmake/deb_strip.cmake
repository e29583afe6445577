# Run by CPack on the staged installation before it packs it: the programs stripped as Debian's
# own tools strip them (symbols, and the compiler's .comment and .note sections, which nothing
# reads at run time).
file(GLOB _programs "${CPACK_TEMPORARY_DIRECTORY}/usr/games/*" "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
if(NOT _programs)
  message(FATAL_ERROR "no programs to strip in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(p ${_programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded
    ${p} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
