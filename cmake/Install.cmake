# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout; debian/ builds the package from it.
include(GNUInstallDirs)

set(HMDX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(FILES ${HMDX_DATA_DIR}/hmdx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${HMDX_DATA_DIR}/hmdx.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The headless service and its Prometheus alerts. The unit's folder is relative to the prefix
# by default, so a scratch install stays inside it; the package puts it where Debian 12's
# systemd and debhelper look. Its ExecStart names /usr/bin/hmdx, where the package puts that.
set(HMDX_SYSTEMD_UNIT_DIR lib/systemd/system CACHE STRING "Where the systemd unit is installed")
install(FILES ${HMDX_DATA_DIR}/hmdx.service DESTINATION ${HMDX_SYSTEMD_UNIT_DIR})
# The machine's claim on the chip, made root's before any user could make it theirs.
install(FILES ${HMDX_DATA_DIR}/hmdx.tmpfiles DESTINATION lib/tmpfiles.d RENAME hmdx.conf)
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

# The fan guardian, which hmdx starts while it controls a fan output.
install(TARGETS hmdx-guardian RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/hmdx)

# The package's helpers compress it, as Debian keeps manual pages.
install(FILES ${HMDX_DATA_DIR}/hmdx.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
