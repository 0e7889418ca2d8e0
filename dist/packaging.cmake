# The Debian package: cpack --config <build>/CPackConfig.cmake (./scripts/package.sh does it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR Quellon)
set(CPACK_PACKAGE_CONTACT "Quellon")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Read and set VX solar charge controllers")
# The summary is the package's first description line; this text follows it.
set(CPACK_PACKAGE_DESCRIPTION
    "TARVIK talks to VX20, VX40, VX60 and VX80 solar charge controllers over a
serial cable, a serial-over-network adapter or a telephone modem: the
controller's live state, its 30-day history, its settings and calibration,
reports, log files and settings files.

The package holds the desktop program tarvik, tarvik-cli for scripts and
unattended site computers, and tarvik-sim, a simulated controller.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The Qt libraries (with serial port and print support) and the C++ runtime come from the
# programs' own links; the window system plugin and the fonts the reports and the Chinese texts
# need are added by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei, fonts-dejavu-core")
include(CPack)
