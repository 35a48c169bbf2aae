# Writes glyphlib's manual page from its usage texts: cmake -DGLYPHLIB=... -DVERSION=...
# -DOUT=... -P glyphlib_man_page.cmake

# Text as it stands, in a no-fill block: backslashes escaped, and a line that starts with a
# period or an apostrophe kept from being read as a request.
function(man_block text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${GLYPHLIB} --help OUTPUT_VARIABLE overview RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "glyphlib --help failed")
endif()
string(REGEX MATCHALL "\n  glyphlib [a-z]+" command_lines "${overview}")
man_block("${overview}" page_overview)
set(page ".TH GLYPHLIB 1 \"\" \"Glyphwright ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\nglyphlib \\- inspect, check, compare, convert, render, export and print symbol and line type libraries\n")
string(APPEND page ".SH SYNOPSIS\n${page_overview}")
string(APPEND page ".SH COMMANDS\n")
foreach(line ${command_lines})
    string(REGEX REPLACE ".* " "" command "${line}")
    execute_process(COMMAND ${GLYPHLIB} ${command} --help OUTPUT_VARIABLE usage)
    man_block("${usage}" block)
    string(APPEND page ".SS ${command}\n${block}")
endforeach()
string(APPEND page ".SH SEE ALSO\n.BR glyphwright (1)\n")
file(WRITE ${OUT} "${page}")
