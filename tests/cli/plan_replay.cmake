# A plan printed by the simulator, then replayed by the simulator itself: its press lines,
# without their leading word, are script lines that must end in the target state.
# Inputs: SIM, WORK_DIR, SETUP (script lines before the plan, separated by "|"),
# PLAN (the plan line), EXPECT (a regular expression the final state line must match).
file(MAKE_DIRECTORY ${WORK_DIR})
string(REPLACE "|" "\n" setup "${SETUP}")
file(WRITE ${WORK_DIR}/plan.sim "${setup}\n${PLAN}\n")
execute_process(COMMAND ${SIM} ${WORK_DIR}/plan.sim OUTPUT_VARIABLE planned RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT planned MATCHES "plan found items=")
  message(FATAL_ERROR "no plan (status ${status}):\n${planned}")
endif()
string(REGEX MATCHALL "press [^\n]*" presses "${planned}")
set(replay "${setup}\n")
foreach(press IN LISTS presses)
  string(REGEX REPLACE "^press " "" line "${press}")
  string(APPEND replay "${line}\n")
endforeach()
string(APPEND replay "show\n")
file(WRITE ${WORK_DIR}/replay.sim "${replay}")
execute_process(COMMAND ${SIM} --strict ${WORK_DIR}/replay.sim OUTPUT_VARIABLE replayed
                RESULT_VARIABLE status)
string(REGEX MATCH "state [^\n]*\n$" last "${replayed}")
if(NOT status EQUAL 0 OR NOT last MATCHES "${EXPECT}")
  message(FATAL_ERROR "the replay ends in\n${last}\nnot ${EXPECT}\n(plan:\n${planned})")
endif()
