# The Debian package: `cpack -G DEB` in the build folder makes solvara_<version>_<arch>.deb from
# the install rules (programs in /usr/bin, the program folder in /usr/share/solvara, the menu
# entry, icon and ".kas" file type). The libraries the programs link come from dpkg-shlibdeps;
# what they load or use at run time without linking is listed here.
set(CPACK_PACKAGE_NAME solvara)
set(CPACK_PACKAGE_VENDOR "SOL-VARA")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "電気工事積算ソフト SOL-VARAの箱 - estimates for electrical contractors")
set(CPACK_PACKAGE_DESCRIPTION
  "Registers the construction items of a job, takes estimate lines from editable material catalogs, computes every line's costs to the yen and compiles the quotation (見積書). Includes solvara-cli for batch printing, export and scripting.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "SOL-VARA <solvara@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Japanese dialogs and the fonts the estimate is shown and printed in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-ipafont-mincho, fonts-ipafont-gothic")

include(CPack)
