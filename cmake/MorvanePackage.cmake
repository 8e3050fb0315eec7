# The Debian package: `cmake --build <build> --target package` writes
# morvane_<version>-<release>_<arch>.deb with the installed programs, their manual pages, the
# .desktop entry, the icon, the AppStream metadata, bash completion for morvane-cli, and the
# copyright file and changelog Debian asks for. scripts/package builds it and checks it.
# Nothing here is needed at configure time; the check for the packaging tools runs in cpack.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "morvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "host tool for a stand-alone fingerprint module on a serial port")
# The extended description, in lines Debian's tools show as they are (under 80 columns).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Morvane drives a stand-alone fingerprint module over a serial port: a test"
  "console for the module's command set, batch storage of feature files, port"
  "and rate settings, and firmware download into the module's DSP."
  "morvane-cli does the same operations from a shell, on many modules at once."
  "morvane-sim plays the module on a pseudo-terminal for use without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
# The Debian revision: packaging/debian/changelog names the version it describes, and
# scripts/package checks that the two agree.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane maintainers <maintainers@users.noreply.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Shared libraries (Qt, the C++ run-time) come from dpkg-shlibdeps; what is loaded at run time
# rather than linked is named here: the platform plugins, a CJK font for the captions and
# Qt's own Chinese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")

# /usr/share/doc/morvane: the copyright file as it stands, the changelog compressed as Debian's
# tools expect it (-n: no name or time stamp inside).
set(changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
add_custom_target(morvane_changelog ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
        RENAME ${CPACK_PACKAGE_NAME} DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/MorvanePackageChecks.cmake")
include(CPack)
