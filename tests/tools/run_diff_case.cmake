# `glyphlib diff` of two copies that differ in every way (tests/tools/diff): the text and the
# JSON as expected, exit code 1, and an HTML page with each differing entry's pictures; a copy
# against itself is equal. Arguments: -DGLYPHLIB=<program> -DCASE=<folder> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_diff expectedCode expectedFile)
    execute_process(COMMAND ${GLYPHLIB} diff ${ARGN} WORKING_DIRECTORY ${CASE}
        OUTPUT_VARIABLE out RESULT_VARIABLE code)
    if(NOT code EQUAL expectedCode)
        message(FATAL_ERROR "diff ${ARGN}: exit code ${code}, expected ${expectedCode}:\n${out}")
    endif()
    if(expectedFile)
        file(READ ${CASE}/${expectedFile} expected)
        if(NOT out STREQUAL expected)
            message(FATAL_ERROR "diff ${ARGN} differs from ${expectedFile}:\n${out}")
        endif()
    endif()
endfunction()

expect_diff(1 diff.txt a.sym b.sym)
expect_diff(1 diff.json --json a.sym b.sym)
expect_diff(0 "" a.sym a.sym)
expect_diff(1 "" --html ${WORK}/diff.html a.sym b.sym)

# Only in A, renamed (A and B), changed (A and B), only in B.
file(READ ${WORK}/diff.html page)
string(REGEX MATCHALL "<img [^>;]*src=\"data:image/png" pictures "${page}")
string(REGEX MATCHALL "base64,iVBORw0KGgo" pngs "${page}")
list(LENGTH pictures count)
list(LENGTH pngs pngCount)
if(NOT count EQUAL 6 OR NOT pngCount EQUAL 6)
    message(FATAL_ERROR "${count} pictures in the report, expected 6")
endif()
