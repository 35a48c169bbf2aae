# The program's own resources, added to glyphplatform: the built-in string table, the
# cursor, the toolbar glyphs and the icon (compiled in), the version block (linked into
# every program that uses glyphplatform) and the help book (copied beside the programs).

set(GLYPH_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
file(GLOB GLYPH_COMPILED_RESOURCES CONFIGURE_DEPENDS
    ${GLYPH_RESOURCES}/strings/*.txt
    ${GLYPH_RESOURCES}/cursors/*.xpm
    ${GLYPH_RESOURCES}/glyphs/*.xpm
    ${GLYPH_RESOURCES}/icons/*.xpm)
qt_add_resources(glyphplatform glyph_resources
    PREFIX "/"
    BASE ${GLYPH_RESOURCES}
    FILES ${GLYPH_COMPILED_RESOURCES})

# The block sits in an object library of its own: as a member of the static library it
# would be dropped by the linker, since no code refers to it.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/platform/program_version_block.cpp.in
    ${CMAKE_CURRENT_BINARY_DIR}/program_version_block.cpp @ONLY)
add_library(glyphversion OBJECT ${CMAKE_CURRENT_BINARY_DIR}/program_version_block.cpp)
target_include_directories(glyphversion PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(glyphplatform INTERFACE $<TARGET_OBJECTS:glyphversion>)
add_dependencies(glyphplatform glyphversion)

# The help book is installed beside the programs, where the help functions look for it.
file(GLOB GLYPH_HELP_FILES CONFIGURE_DEPENDS ${GLYPH_RESOURCES}/help/*)
set(GLYPH_HELP_STAMP ${CMAKE_CURRENT_BINARY_DIR}/help_book.stamp)
add_custom_command(OUTPUT ${GLYPH_HELP_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/bin/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${GLYPH_RESOURCES}/help ${PROJECT_BINARY_DIR}/bin/help
    COMMAND ${CMAKE_COMMAND} -E touch ${GLYPH_HELP_STAMP}
    DEPENDS ${GLYPH_HELP_FILES}
    COMMENT "Installing the help book beside the programs")
add_custom_target(glyph_help_book ALL DEPENDS ${GLYPH_HELP_STAMP})
add_dependencies(glyphplatform glyph_help_book)
