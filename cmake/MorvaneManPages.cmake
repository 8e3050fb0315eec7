# The manual pages of the three programs, made at build time by help2man from each program's own
# --help and --version, so that they say what the programs say. Without help2man there are none
# (and the package check fails on them).
find_program(MORVANE_HELP2MAN help2man)
find_program(MORVANE_GZIP gzip)
if(NOT MORVANE_HELP2MAN OR NOT MORVANE_GZIP)
  message(STATUS "help2man or gzip not found: no manual pages (apt-get install help2man)")
  return()
endif()

set(pages "")
# The pages are in English: a program that speaks the desktop's language is asked for it with
# --lang=en (the C locale that help2man runs it in would give Chinese).
foreach(entry
    "morvane|host tool for a stand-alone fingerprint module on a serial port|--lang=en "
    "morvane-cli|the operations of a stand-alone fingerprint module from a shell|--lang=en "
    "morvane-sim|a stand-alone fingerprint module on a pseudo-terminal|--lang=en ")
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 program)
  list(GET entry 1 summary)
  list(GET entry 2 english)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
            ${MORVANE_HELP2MAN} --locale=C.UTF-8 --no-info --no-discard-stderr --section=1
            --name=${summary} --include=${PROJECT_SOURCE_DIR}/packaging/man/see-also.h2m
            "--help-option=${english}--help" "--version-option=${english}--version"
            --output=${page} $<TARGET_FILE:${program}>
    COMMAND ${MORVANE_GZIP} -9nf ${page}
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/packaging/man/see-also.h2m
    COMMENT "Manual page of ${program}" VERBATIM)
  list(APPEND pages ${page}.gz)
endforeach()
add_custom_target(morvane_man_pages ALL DEPENDS ${pages})
install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
