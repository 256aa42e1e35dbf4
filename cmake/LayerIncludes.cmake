# Which layers a library may include. The engine keeps to itself through the include path;
# the libraries above it all see src/, so a header from a layer above (or beside) one of them
# would compile. toviran_allow_includes makes building the library fail instead: every
# quoted include in its folder must match ALLOWED.
#
#   toviran_allow_includes(<target> <folder> <ALLOWED regex> <why>)
set(TOVIRAN_CHECK_INCLUDES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake)

function(toviran_allow_includes target folder allowed why)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  # The list goes through the command line joined by "|": a ";" would split it there.
  string(REPLACE ";" "|" joined "${sources}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DFILES=${joined}" "-DALLOWED=${allowed}" "-DWHY=${why}"
            "-DSTAMP=${stamp}" -P ${TOVIRAN_CHECK_INCLUDES_SCRIPT}
    DEPENDS ${sources} ${TOVIRAN_CHECK_INCLUDES_SCRIPT}
    COMMENT "Checking what ${target} includes"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()
