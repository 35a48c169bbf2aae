# `glyphlib transform` on the samples: a transform followed by its inverse writes exactly what
# `glyphlib convert` writes, for every mirror and turn, and the file written is read back whole.
# Arguments: -DGLYPHLIB=<program> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run)
    execute_process(COMMAND ${GLYPHLIB} ${ARGN} RESULT_VARIABLE code ERROR_VARIABLE err)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "glyphlib ${ARGN}: exit code ${code}: ${err}")
    endif()
endfunction()

foreach(sample survey.sym boundaries.ltp)
    run(convert samples/${sample} ${WORK}/converted-${sample})
    file(READ ${WORK}/converted-${sample} converted HEX)
    foreach(pair "--mirror-x;--mirror-x" "--mirror-y;--mirror-y" "--rotate=90;--rotate=270"
                 "--rotate=180;--rotate=180")
        list(GET pair 0 there)
        list(GET pair 1 back)
        run(transform samples/${sample} ${WORK}/there-${sample} ${there})
        file(READ ${WORK}/there-${sample} moved HEX)
        if(moved STREQUAL converted)
            message(FATAL_ERROR "${there} changed nothing in ${sample}")
        endif()
        run(transform ${WORK}/there-${sample} ${WORK}/back-${sample} ${back})
        file(READ ${WORK}/back-${sample} returned HEX)
        if(NOT returned STREQUAL converted)
            message(FATAL_ERROR "${there} then ${back} does not give ${sample} back")
        endif()
        run(check ${WORK}/back-${sample})
    endforeach()
endforeach()
