# Where an installation puts things (GNUInstallDirs), and the paths between them that the
# program and its library compute at run time from their own location, so an installed tree can
# be moved to another prefix as a whole.
include(GNUInstallDirs)
set(KTX_PKG_LIBDIR ${CMAKE_INSTALL_LIBDIR}/KTX2300M)   # the device library (private)
set(KTX_PKG_DATADIR ${CMAKE_INSTALL_DATADIR}/KTX2300M) # profiles and the compiled help
# Documentation goes where Debian looks for a package's: doc/<package name>.
set(KTX_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/ktx2300m)
file(RELATIVE_PATH KTX_LIBDIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/KTX2300M)
file(RELATIVE_PATH KTX_DATADIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/KTX2300M)
file(RELATIVE_PATH KTX_PROFILES_FROM_LIBDIR ${CMAKE_INSTALL_FULL_LIBDIR}/KTX2300M
     ${CMAKE_INSTALL_FULL_DATADIR}/KTX2300M/profiles)
