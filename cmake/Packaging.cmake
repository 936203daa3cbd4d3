# The Debian package: `cpack -G DEB` in a build tree (scripts/check-package.sh builds and checks
# it). Dependencies come from the shared libraries the programs link, so the package asks for
# exactly the Qt, pugixml and C++ runtime it was built against.
set(CPACK_GENERATOR DEB)
# Installing (and packaging) takes the programs as built; it does not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME cabrion)
set(CPACK_PACKAGE_VENDOR "Torvane")
set(CPACK_PACKAGE_CONTACT "Cabrion maintainers <cabrion@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "BTS hardware configuration tool for Orvik GSM/EDGE base stations")
set(CPACK_PACKAGE_DESCRIPTION
    "Cabrion describes the hardware of one base transceiver station (cabinet, units, TX and RX\n\
cabling, antennas, masthead amplifiers, cross-connection, passive units), checks it against\n\
the rule book, saves it as site configuration files, configuration plans and reports, and\n\
fetches and sends configurations over a serial or remote link. The package holds the desktop\n\
program, the cabrion-cli command line and the cabrion-btssim simulated BTS.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opening the user guide and files from the desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
