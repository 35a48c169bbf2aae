# cmake --install and cpack -G DEB: the programs in bin/, their data under share/glyphwright/
# (found there relative to the program, so the tree can be installed under any prefix), and
# what a desktop needs to list the editor and open libraries with it.

include(GNUInstallDirs)

set(GLYPH_APP_ID org.glyphwright.Glyphwright)
set(GLYPH_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/glyphwright)
set(GLYPH_DESKTOP ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS glyphwright glyphlib RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${GLYPH_DATA_DESTINATION}/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/translations/
    DESTINATION ${GLYPH_DATA_DESTINATION}/translations)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/ DESTINATION ${GLYPH_DATA_DESTINATION}/samples)

install(FILES ${GLYPH_DESKTOP}/${GLYPH_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GLYPH_DESKTOP}/${GLYPH_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GLYPH_DESKTOP}/glyphwright-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The icon: the vector drawing for every size, and pictures of it at the sizes desktops ask
# for, drawn at build time.
set(GLYPH_ICON_SVG ${GLYPH_DESKTOP}/icons/glyphwright.svg)
install(FILES ${GLYPH_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${GLYPH_APP_ID}.svg)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    set(icon_pictures)
    foreach(size 16 22 24 32 48 64 128 256)
        set(picture ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${GLYPH_APP_ID}.png)
        add_custom_command(OUTPUT ${picture}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
            COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${GLYPH_ICON_SVG} -o ${picture}
            DEPENDS ${GLYPH_ICON_SVG})
        list(APPEND icon_pictures ${picture})
        install(FILES ${picture}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(glyph_icon_pictures ALL DEPENDS ${icon_pictures})
else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

# Manual pages: glyphlib's is made from its own --help texts, so it never falls behind.
set(GLYPH_MAN_PAGES ${CMAKE_CURRENT_BINARY_DIR}/man)
add_custom_command(OUTPUT ${GLYPH_MAN_PAGES}/glyphlib.1
    COMMAND ${CMAKE_COMMAND} -DGLYPHLIB=$<TARGET_FILE:glyphlib> -DVERSION=${PROJECT_VERSION}
        -DOUT=${GLYPH_MAN_PAGES}/glyphlib.1 -P ${PROJECT_SOURCE_DIR}/cmake/glyphlib_man_page.cmake
    DEPENDS glyphlib ${PROJECT_SOURCE_DIR}/cmake/glyphlib_man_page.cmake)
configure_file(${GLYPH_DESKTOP}/glyphwright.1.in ${GLYPH_MAN_PAGES}/glyphwright.1 @ONLY)
add_custom_target(glyph_man_pages ALL DEPENDS ${GLYPH_MAN_PAGES}/glyphlib.1)
install(FILES ${GLYPH_MAN_PAGES}/glyphwright.1 ${GLYPH_MAN_PAGES}/glyphlib.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A Debian package of the whole: its dependencies are the runtime packages dpkg-shlibdeps
# finds for the programs' shared libraries.
set(CPACK_PACKAGE_NAME glyphwright)
set(CPACK_PACKAGE_VENDOR "The Glyphwright developers")
set(CPACK_PACKAGE_CONTACT "The Glyphwright developers <glyphwright@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for map symbol and line type libraries")
set(CPACK_PACKAGE_DESCRIPTION
    "Glyphwright edits the point symbol and line type libraries of surveying and mapping\
 software, and glyphlib inspects, checks, converts and renders them in bulk.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
