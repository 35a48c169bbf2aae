# Runs glyphlib with ARGS (a ;-list) and checks its exit code against CODE and its combined
# output against the regular expression PATTERN.
execute_process(COMMAND ${GLYPHLIB} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err
    RESULT_VARIABLE code)
set(all "${out}${err}")
if(NOT code EQUAL CODE)
    message(FATAL_ERROR "exit code ${code}, expected ${CODE}:\n${all}")
endif()
string(REPLACE "\n" " " flat "${all}")
if(NOT flat MATCHES "${PATTERN}")
    message(FATAL_ERROR "output does not match \"${PATTERN}\":\n${all}")
endif()
