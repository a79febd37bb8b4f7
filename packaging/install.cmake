# What `cmake --install` puts where, and the Debian package made of it (scripts/package).
set(CMAKE_INSTALL_DOCDIR share/doc/sondalog)  # the package's name, as Debian has it
include(GNUInstallDirs)
install(TARGETS sondalog sondalog-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The manual where the programs look for it: <prefix>/share/sondalog beside <prefix>/bin.
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Sondalog_help.pdf ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Sondalog_help_en.pdf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/sondalog)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/sondalog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/sondalog.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME sondalog)
set(CPACK_PACKAGE_VENDOR "Sondalog")
set(CPACK_PACKAGE_CONTACT "Sondalog developers <sondalog@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tracer test logger: field multimeters and fluorometers over a serial port")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Sondalog reads a field multimeter (conductivity, temperature, pH, oxygen) or a field fluorometer over a "
       "serial port during a tracer test, records every reading, follows the breakthrough curve and analyses it "
       "(transit times, dispersion, recovery).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/sondalog")
# The Qt libraries as dependencies, read from the programs themselves; the Qt platform plugin and Qt's own
# translations (its dialogs' buttons in the interface's language) are packages that nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "poppler-utils, evince | okular | firefox-esr")
set(CPACK_STRIP_FILES ON)
# Windows (untested here): an NSIS installer with a Start-menu shortcut, after windeployqt has gathered Qt.
set(CPACK_NSIS_DISPLAY_NAME "Sondalog")
set(CPACK_PACKAGE_EXECUTABLES sondalog "Sondalog")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Sondalog")
include(CPack)
