# The manual pages: scdoc sources in docs/man, turned into roff at build time, given
# Japanese line-break points, and compressed as Debian installs them.
find_program(SCDOC scdoc REQUIRED)
find_program(PERL perl REQUIRED)
find_program(GZIP gzip REQUIRED)

set(TOVIRAN_MAN_DIR ${PROJECT_BINARY_DIR}/man)
set(TOVIRAN_MAN_PAGES toviran.1 toviran-sim.1)
set(man_outputs)
foreach(page ${TOVIRAN_MAN_PAGES})
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.scd)
  set(configured ${TOVIRAN_MAN_DIR}/${page}.scd)
  set(roff ${TOVIRAN_MAN_DIR}/${page})
  configure_file(${source} ${configured} @ONLY)
  # SOURCE_DATE_EPOCH dates the page with the release, not the day of the build.
  add_custom_command(
    OUTPUT ${roff} ${roff}.gz
    COMMAND env SOURCE_DATE_EPOCH=${TOVIRAN_RELEASE_EPOCH} sh -c
            "\"$0\" < \"$1\" | \"$2\" \"$3\" > \"$4\"" ${SCDOC} ${configured} ${PERL}
            ${PROJECT_SOURCE_DIR}/cmake/man_line_breaks.pl ${roff}
    COMMAND ${GZIP} -9nf -k ${roff}
    DEPENDS ${configured} ${PROJECT_SOURCE_DIR}/cmake/man_line_breaks.pl
    VERBATIM)
  list(APPEND man_outputs ${roff}.gz)
  string(REGEX REPLACE "^.*\\." "" section ${page})
  install(FILES ${roff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_outputs})
