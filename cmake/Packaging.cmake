# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout and the Debian package.
include(GNUInstallDirs)

set(HMDX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(FILES ${HMDX_DATA_DIR}/hmdx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${HMDX_DATA_DIR}/hmdx.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The headless service and its Prometheus alerts. Relative to the prefix, so a scratch install
# stays inside it; the unit's ExecStart names /usr/bin/hmdx, where the package puts it.
install(FILES ${HMDX_DATA_DIR}/hmdx.service DESTINATION lib/systemd/system)
install(FILES ${PROJECT_SOURCE_DIR}/docs/prometheus/hmdx-alerts.yml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/hmdx/prometheus)

# The window's own icon is the scalable one; the PNGs are for menus and docks that draw no
# SVG. They were rendered once from it, so a build needs no renderer; after changing the SVG:
#   for n in 16 22 24 32 48 64 128 256; do
#       rsvg-convert -w $n -h $n resources/hmdx.svg -o data/icons/hmdx-$n.png; done
install(FILES ${PROJECT_SOURCE_DIR}/resources/hmdx.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${HMDX_DATA_DIR}/icons/hmdx-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME hmdx.png)
endforeach()

# Debian keeps manual pages gzipped; -n leaves out the name and time so builds match.
set(HMDX_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/hmdx.1.gz)
add_custom_command(OUTPUT ${HMDX_MAN_PAGE}
                   COMMAND gzip -9nc ${HMDX_DATA_DIR}/hmdx.1 > ${HMDX_MAN_PAGE}
                   DEPENDS ${HMDX_DATA_DIR}/hmdx.1
                   COMMENT "Compressing the manual page"
                   VERBATIM)
add_custom_target(hmdx_man ALL DEPENDS ${HMDX_MAN_PAGE})
install(FILES ${HMDX_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hmdx)
set(CPACK_PACKAGE_VENDOR "hmdx developers")
set(CPACK_PACKAGE_CONTACT "hmdx developers <hmdx@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "hardware monitor for the motherboard's HMA, HMB, HMC and HMDF chips")
set(CPACK_PACKAGE_DESCRIPTION
    "hmdx reads the motherboard's hardware monitoring chip once a second:
nine supply voltages, three fans, three temperatures and the case-open
switch. Limits go straight into the chip's own limit registers, and an
out-of-range reading raises a warning that offers to ignore it, stop
monitoring the item, or shut the system down.
A simulated chip of every model is built in, so hmdx can be tried on
any machine. Raw port access needs CAP_SYS_RAWIO: see hmdx(1).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Qt loads its platform and SVG plugins at run time, so no linked library names them.
set(HMDX_PLUGIN_DEPENDS "libqt6svg6, qt6-qpa-plugins")
find_program(HMDX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(HMDX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${HMDX_PLUGIN_DEPENDS}")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6dbus6, libqt6charts6, libsystemd0, ${HMDX_PLUGIN_DEPENDS}")
endif()
# Without it a Wayland session falls back to X11 through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
