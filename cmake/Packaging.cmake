# The Debian package, made from the release build with
#     cmake --build --preset release --target package
# as build/release/vexmoor_<version>_<arch>.deb. It installs under /usr; its library
# dependencies come from dpkg-shlibdeps, to which are added what the program loads or draws with
# at run time but does not link: Qt's platform plugins and the fonts that hold every regional
# separator.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexmoor)
set(CPACK_PACKAGE_VENDOR Quenbry)
set(CPACK_PACKAGE_CONTACT "Quenbry <vexmoor@quenbry.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "pocket calculator, break-even analysis and loan calculator")
# The extended description: lines of at most 80 characters, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION
    "Quenbry - Vexmoor gathers three business calculators in one small window:\n\
a pocket-style standard calculator worked by mouse or keyboard; a break-even\n\
analysis with an analysis table and a graph of costs and sales; and a loan\n\
calculator that gives the instalment for a principal, or the principal for an\n\
instalment, with the full repayment schedule, for flat-rate, reducing-balance\n\
and amortized loans. Amounts follow the regional number format.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quenbry.com)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-translations-l10n: Qt's own dialogs and menus in the language the window speaks.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
