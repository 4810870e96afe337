# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` puts in
# place under /usr. dpkg-shlibdeps finds the libraries' packages; the Qt plug-ins the program
# loads at run time (the help index's SQLite driver, the SVG icon engine, the X11 platform) are
# named by hand.
set(CPACK_PACKAGE_NAME shroud-a-pad)
set(CPACK_PACKAGE_VENDOR "the Shroud-a-Pad developers")
set(CPACK_PACKAGE_CONTACT "the Shroud-a-Pad developers <shroud-a-pad@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text editor that enciphers its text into an armoured block")
set(CPACK_PACKAGE_DESCRIPTION
    "Shroud-a-Pad is a small text editor whose one special ability is to encipher its whole
text into an armoured block of short printable lines, and to turn such a block back into
its text. The block survives mail and copy-and-paste; an optional passphrase protects it.
The protection keeps casual readers out; it is not strong encryption. The qvl command
encrypts, decrypts and detects blocks in scripts and mail filters.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# GpgME runs GnuPG itself for OpenPGP messages, so gpg and its agent must be there.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, qt6-qpa-plugins, gnupg, gpg-agent")
# Qt's own dialogs and standard buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
