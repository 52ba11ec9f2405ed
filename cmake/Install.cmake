# What `cmake --install` puts where, and the Debian package cpack makes of it.
set(KTX_APP_ID org.ktx2300m.KTX2300M)
set(_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS KTX2300M RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The device library is the program's own, loaded by file name: a private folder keeps it off
# the system's library path.
install(TARGETS Pwrio LIBRARY DESTINATION ${KTX_PKG_LIBDIR})
if(TARGET pwrio-probe)
  install(TARGETS pwrio-probe RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/device/pwrio/profiles/ DESTINATION ${KTX_PKG_DATADIR}/profiles)
if(TARGET ktx_help)
  install(FILES ${CMAKE_BINARY_DIR}/bin/KTX2300M.chm DESTINATION ${KTX_PKG_DATADIR})
endif()

install(FILES ${_desktop}/${KTX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${_desktop}/${KTX_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${KTX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${KTX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_desktop}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "*.png" PATTERN "*.svg")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${KTX_DOCDIR})

# Debian package: cpack -G DEB in a release build (scripts/package.sh).
set(CPACK_PACKAGE_NAME ktx2300m)
set(CPACK_PACKAGE_VENDOR "the KTX2300M panel authors")
set(CPACK_PACKAGE_CONTACT "the KTX2300M panel authors <ktx2300m@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "control panel for a four-channel programmable DC power supply")
set(CPACK_PACKAGE_DESCRIPTION
    "The desktop panel of the KTX2300M: switch and set its outputs, run voltage steps, chart the confirmed voltages and print a test report. Its device library simulates the supply or drives a SCPI instrument over TCP or a serial line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds the fonts the panel's dialog units are measured in through fontconfig.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core")
# xdg-utils answers which program opens the compiled guide; qt6-wayland lets the panel run as
# a native Wayland client instead of through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_STRIP_FILES ON)
include(CPack)
