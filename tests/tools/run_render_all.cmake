# `glyphlib render --all` writes one PNG per entry of the sample, named by number and name, into
# a folder it creates. Arguments: -DGLYPHLIB=<program> -DWORK=<scratch folder>
cmake_policy(SET CMP0057 NEW)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${GLYPHLIB} render samples/survey.sym --all ${WORK}/pictures --scale 2
    RESULT_VARIABLE code ERROR_VARIABLE err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "exit code ${code}: ${err}")
endif()
file(GLOB pictures RELATIVE ${WORK}/pictures ${WORK}/pictures/*)
list(LENGTH pictures count)
if(NOT count EQUAL 12 OR NOT "007-Church.png" IN_LIST pictures)
    message(FATAL_ERROR "pictures written: ${pictures}")
endif()
file(READ ${WORK}/pictures/007-Church.png header LIMIT 8 HEX)
if(NOT header STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "007-Church.png is no PNG file")
endif()
