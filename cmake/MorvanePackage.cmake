# The Debian package: `cmake --build <build> --target package` writes
# morvane_<version>_<arch>.deb with the installed programs, the .desktop entry and the icon.
# Nothing here is needed at configure time; the check for the packaging tools runs in cpack.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "morvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "host tool for a stand-alone fingerprint module on a serial port")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane drives a stand-alone fingerprint module over a serial port: a test console for \
the module's command set, batch storage of feature files, port and rate settings, and \
firmware download into the module's DSP. morvane-cli does the same operations from a shell, \
on many modules at once. morvane-sim plays the module on a pseudo-terminal for use without \
hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane maintainers <maintainers@users.noreply.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Shared libraries (Qt, the C++ run-time) come from dpkg-shlibdeps; what is loaded at run time
# rather than linked is named here: the platform plugins, a CJK font for the captions and
# Qt's own Chinese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")

set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/MorvanePackageChecks.cmake")
include(CPack)
