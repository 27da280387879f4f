# Installation and the Debian package (cmake --install, cpack): every program
# in bin, a manual page for each, the desktop entry with its icon and the
# MAP file type, the palette the desktop start copies into the user's
# folder, and the example scripts with the README.
include(GNUInstallDirs)

set(DOLA_PROGRAMS dola dola-check dola-render dola-script dola-demo)
install(TARGETS ${DOLA_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages, compressed as Debian ships them.
set(DOLA_MAN_PAGES)
foreach(program ${DOLA_PROGRAMS})
  set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/dist/man/${program}.1 > ${page}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/man/${program}.1
    COMMENT "Compressing the manual page of ${program}")
  list(APPEND DOLA_MAN_PAGES ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${DOLA_MAN_PAGES})
install(FILES ${DOLA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/dist/dola.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/dola.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/dist/dola-map.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME dola.xml)
# The demo palette, made by the build (tools/CMakeLists.txt, target demo).
install(FILES ${PROJECT_BINARY_DIR}/demo/palette.bmp DESTINATION ${CMAKE_INSTALL_DATADIR}/dola)
set(DOLA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/dola)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${DOLA_DOC_DIR}/examples FILES_MATCHING PATTERN "*.as")
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${DOLA_DOC_DIR})

# The Debian package: its library dependencies found by dpkg-shlibdeps from
# the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dola)
set(CPACK_PACKAGE_VENDOR "The DOLA developers")
set(CPACK_PACKAGE_CONTACT "The DOLA developers <dola@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map editor for the world data of the game ZAN")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "map editor for the world data of the game ZAN
 DOLA opens the local maps of a ZAN world, shows them in the game's own
 sprites, paints tiles, links teleports, places objects, shows the whole
 world at once and runs scripts that generate worlds. With it come
 dola-check (checks a game directory), dola-render (draws a map into a PNG),
 dola-script (runs scripts without a screen) and dola-demo (writes a demo
 world).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY dola)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
