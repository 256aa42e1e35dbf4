# The user manual in the build folder, beside the chart as they are installed
# (share/toviran/manual/ next to share/toviran/mag-chart.html), so that the two pages' links
# to each other work from the build tree too. The program opens both from there.
file(GLOB_RECURSE manual_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/manual/*)
set(manual_copies)
foreach(source ${manual_sources})
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/docs/manual ${source})
  set(copy ${PROJECT_BINARY_DIR}/share/toviran/manual/${relative})
  get_filename_component(folder ${copy} DIRECTORY)
  add_custom_command(OUTPUT ${copy}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
                     DEPENDS ${source} VERBATIM)
  list(APPEND manual_copies ${copy})
endforeach()
add_custom_target(manual ALL DEPENDS ${manual_copies})
