# The Debian package, made by `cpack -G DEB` from the install rules (see
# scripts/package). The shared libraries the programs link (the Qt 6 runtime
# among them) become dependencies through dpkg-shlibdeps; the pictures are
# drawn with the DejaVu fonts.
set(CPACK_PACKAGE_NAME numora)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT Corvane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lottery number picker")
set(CPACK_PACKAGE_DESCRIPTION
  "Numora keeps lottery games and their past draws, shows how often each number was drawn and\n\
picks lines of numbers from the draws. It comes with numora-cli, a terminal tool that works\n\
on the same lotteries and draws.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY numora)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")

include(CPack)
