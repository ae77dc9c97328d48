# Install layout, desktop integration and the Debian package.
#
# `cmake --install` puts the program in bin/, its desktop entry, AppStream
# metainfo and icon under share/; CPack turns the same tree into a .deb whose
# version is the project version and whose dependencies come from the binary.

include(GNUInstallDirs)

set(VELMORRA_APP_ID "io.github.quindrel.Velmorra")
# Date of the release named by PROJECT_VERSION; change both together.
set(VELMORRA_RELEASE_DATE "2026-12-08")

set(_pkg ${PROJECT_SOURCE_DIR}/packaging)
set(VELMORRA_METAINFO ${PROJECT_BINARY_DIR}/packaging/${VELMORRA_APP_ID}.metainfo.xml)
configure_file(${_pkg}/${VELMORRA_APP_ID}.metainfo.xml.in ${VELMORRA_METAINFO} @ONLY)

install(TARGETS velmorra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_pkg}/${VELMORRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORRA_METAINFO}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pkg}/${VELMORRA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian package
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velmorra")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quindrel")
set(VELMORRA_MAINTAINER "Quindrel <quindrel@users.noreply.github.com>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${VELMORRA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "lookup tool for registered FOUNDATION fieldbus field devices")
set(CPACK_PACKAGE_DESCRIPTION
"Velmorra carries a built-in catalogue of 520 registered FOUNDATION fieldbus
field devices. Filter it by vendor, device type, model, vendor ID and model
ID; a click on a device shows the address of its page in the product
registry, and a click on the address opens it in the web browser.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)

set(CPACK_DEBIAN_PACKAGE_NAME "velmorra")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt picks its platform plugin at run time, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# A browser opener, and Qt's Wayland platform so that the program runs
# natively in a Wayland session; without it Qt falls back to X11 through
# XWayland, which works as well, hence a recommendation only.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")

include(CPack)
