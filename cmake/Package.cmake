# The Debian package: scripts/package.sh configures with the /usr prefix and
# runs cpack. The desktop's own triggers (menus, icons, MIME types) update
# their caches on install and removal, so the package needs no scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pennyquill)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT "Corvane <support@corvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sticky notes with rich text, bullets, alarms and skins")
# Lines of the long description stay under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Pennyquill keeps small notes on the desktop: rich text, round bullets,\n\
alarms on a piece of text, skins of your own. Skinsmith, the companion\n\
tool, makes the skins.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvane.example/products/pennyquill/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time, which the library scan cannot see: the sound
# playback back end's plugins, and the Wayland platform for desktops without X.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
