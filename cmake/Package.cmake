# The Debian package (`cpack -G DEB` in the build folder): the programs in
# /usr/bin, the default installation in /usr/share/<package>/install, the
# kiosk's unit, its system user, and the maintainer scripts that make the
# working folder /var/lib/<package>/store on first install.
include(GNUInstallDirs)

# The package installs under /usr, whatever this build's own prefix is.
set(KIOSK_PREFIX /usr)
set(KIOSK_BINDIR ${KIOSK_PREFIX}/${CMAKE_INSTALL_BINDIR})
set(KIOSK_HOME /var/lib/${KIOSK_PACKAGE})
set(KIOSK_INSTALL_DIR ${KIOSK_PREFIX}/${CMAKE_INSTALL_DATADIR}/${KIOSK_PACKAGE}/install)

install(TARGETS kiosk kiosk-setup kiosk-admin kiosk-headless fileblock textcheck make-pictures
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/install/ DESTINATION ${CMAKE_INSTALL_DATADIR}/${KIOSK_PACKAGE}/install)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KIOSK_PACKAGE})

set(pkgdir ${CMAKE_BINARY_DIR}/package)
configure_file(${CMAKE_SOURCE_DIR}/package/kiosk.service.in ${pkgdir}/${KIOSK_PACKAGE}.service @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/package/sysusers.conf.in ${pkgdir}/${KIOSK_PACKAGE}.conf @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/package/postinst.in ${pkgdir}/postinst @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/package/prerm.in ${pkgdir}/prerm @ONLY)
# Units and sysusers files under /usr/lib, where systemd looks for them.
install(FILES ${pkgdir}/${KIOSK_PACKAGE}.service DESTINATION lib/systemd/system)
install(FILES ${pkgdir}/${KIOSK_PACKAGE}.conf DESTINATION lib/sysusers.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KIOSK_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${KIOSK_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Store product-locator kiosk")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A full-screen, keyboard-only kiosk that shows shoppers where a product is\non the store map, maintained by staff from the same keyboard. It starts at\nboot under cage on tty1 and comes back after any exit; kiosk-admin does the\nfile work for scripts and deployment tools.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Store kiosk developers <kiosk@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries it links (SDL2, cairo, fontconfig, ...) are found by
# dpkg-shlibdeps; the fonts, the compositor and the service manager named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, cage, xwayland, systemd")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pkgdir}/postinst ${pkgdir}/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
