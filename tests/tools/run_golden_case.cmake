# One golden folder: input.sym or input.ltp (the name chooses the kind), dump.json (what
# `glyphlib dump` prints; empty when the file is no library), check.txt (what `glyphlib check`
# prints; it fails when that lists an error) and converted.sym/.ltp (what `glyphlib convert`
# writes; absent when it must refuse).
# Converting the converted file again must give the same bytes.
# Arguments: -DGLYPHLIB=<program> -DCASE=<folder> -DWORK=<scratch folder>

file(GLOB input RELATIVE ${CASE} ${CASE}/input.*)
get_filename_component(ext ${input} EXT)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_exit what actual expected)
    if(NOT actual EQUAL expected)
        message(FATAL_ERROR "${what}: exit code ${actual}, expected ${expected}")
    endif()
endfunction()

function(expect_text what actual expectedFile)
    file(READ ${expectedFile} expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what} differs from ${expectedFile}:\n${actual}")
    endif()
endfunction()

# dump
execute_process(COMMAND ${GLYPHLIB} dump ${input} WORKING_DIRECTORY ${CASE}
    OUTPUT_VARIABLE dump RESULT_VARIABLE dumpExit)
file(READ ${CASE}/dump.json expectedDump)
if(expectedDump STREQUAL "" OR expectedDump MATCHES "\"error\":")
    expect_exit("dump" ${dumpExit} 2)
else()
    expect_exit("dump" ${dumpExit} 0)
endif()
expect_text("dump" "${dump}" ${CASE}/dump.json)

# check
execute_process(COMMAND ${GLYPHLIB} check ${input} WORKING_DIRECTORY ${CASE}
    OUTPUT_VARIABLE check RESULT_VARIABLE checkExit)
file(READ ${CASE}/check.txt expectedCheck)
if(expectedCheck STREQUAL "")
    expect_exit("check" ${checkExit} 2)
elseif(expectedCheck MATCHES ": error ")
    expect_exit("check" ${checkExit} 1)
else()
    expect_exit("check" ${checkExit} 0)
endif()
expect_text("check" "${check}" ${CASE}/check.txt)

# convert, and convert the result once more
set(output ${WORK}/converted${ext})
execute_process(COMMAND ${GLYPHLIB} convert ${input} ${output} WORKING_DIRECTORY ${CASE}
    RESULT_VARIABLE convertExit ERROR_QUIET)
if(NOT EXISTS ${CASE}/converted${ext})
    expect_exit("convert" ${convertExit} 2)
    if(EXISTS ${output})
        message(FATAL_ERROR "convert wrote ${output} although it failed")
    endif()
    return()
endif()
expect_exit("convert" ${convertExit} 0)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${output} ${CASE}/converted${ext}
    RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "${output} differs from ${CASE}/converted${ext}")
endif()
execute_process(COMMAND ${GLYPHLIB} convert ${output} ${WORK}/again${ext}
    RESULT_VARIABLE againExit)
expect_exit("convert again" ${againExit} 0)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${output} ${WORK}/again${ext}
    RESULT_VARIABLE changed)
if(changed)
    message(FATAL_ERROR "writing what was written and read back changed the bytes")
endif()
