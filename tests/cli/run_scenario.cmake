# Runs one toviran-sim scenario and compares what it produced with what is expected.
#   -DSIM=program -DSCENARIO=dir/NAME.sim -DWORK_DIR=empty folder to run in
#   -DUSE_STDIN=ON feeds the script on standard input with the argument "-".
# NAME.args, when present, holds options given before the script, one a line.
# Expected: NAME.out (standard output, required), NAME.err (standard error, default
# empty), NAME.status (exit status, default 0), and for every NAME.files/FILE.hex the
# bytes of WORK_DIR/FILE, written as hex digits; blanks and "#" comments are ignored.
cmake_minimum_required(VERSION 3.25)

get_filename_component(dir ${SCENARIO} DIRECTORY)
get_filename_component(name ${SCENARIO} NAME_WE)
set(base ${dir}/${name})

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(options "")
if(EXISTS ${base}.args)
  file(STRINGS ${base}.args options)
endif()

if(USE_STDIN)
  execute_process(COMMAND ${SIM} ${options} - INPUT_FILE ${SCENARIO} WORKING_DIRECTORY ${WORK_DIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
else()
  execute_process(COMMAND ${SIM} ${options} ${SCENARIO} WORKING_DIRECTORY ${WORK_DIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
endif()

# Shows a unified diff of two texts when they differ.
function(compare what expected actual)
  if(NOT "${expected}" STREQUAL "${actual}")
    file(WRITE ${WORK_DIR}/expected.${what} "${expected}")
    file(WRITE ${WORK_DIR}/actual.${what} "${actual}")
    execute_process(COMMAND diff -u ${WORK_DIR}/expected.${what} ${WORK_DIR}/actual.${what})
    message(SEND_ERROR "${name}: ${what} differs")
  endif()
endfunction()

file(READ ${base}.out expected_out)
compare(stdout "${expected_out}" "${out}")

set(expected_err "")
if(EXISTS ${base}.err)
  file(READ ${base}.err expected_err)
endif()
compare(stderr "${expected_err}" "${err}")

set(expected_status 0)
if(EXISTS ${base}.status)
  file(STRINGS ${base}.status expected_status LIMIT_COUNT 1)
endif()
compare(status "${expected_status}" "${status}")

file(GLOB expected_files ${base}.files/*.hex)
foreach(hex_file ${expected_files})
  get_filename_component(produced ${hex_file} NAME)
  string(REGEX REPLACE "\\.hex$" "" produced ${produced})
  file(READ ${hex_file} expected_hex)
  string(REGEX REPLACE "#[^\n]*" "" expected_hex "${expected_hex}")
  string(REGEX REPLACE "[ \t\r\n]" "" expected_hex "${expected_hex}")
  string(TOLOWER "${expected_hex}" expected_hex)
  set(actual_hex "(missing)")
  if(EXISTS ${WORK_DIR}/${produced})
    file(READ ${WORK_DIR}/${produced} actual_hex HEX)
  endif()
  compare(${produced} "${expected_hex}" "${actual_hex}")
endforeach()
