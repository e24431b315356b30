# The Debian package: cd BUILD && cpack -G DEB
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumoclick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The lumoclick developers")
set(CPACK_PACKAGE_CONTACT "lumoclick developers <dev@lumoclick.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.lumoclick.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mouse auto-clicker driven by hotkeys and timed tasks")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "lumoclick developers <dev@lumoclick.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CPACK_PACKAGE_HOMEPAGE_URL})
# The Qt and X libraries come from dpkg-shlibdeps; the rest is loaded at run
# time: the SQLite driver plugin, a font with Chinese glyphs and xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# It runs without these: an address nothing opens is shown for copying, and
# without a CJK font the Chinese is drawn by whatever font has the glyphs.
# The program's English is built in; Qt's own Chinese (context menus,
# standard buttons) comes from the system's Qt translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei | fonts-noto-cjk, xdg-utils, qt6-translations-l10n")
# The extended description: CPack puts the summary above it as the synopsis
# line and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lumo Auto Clicker clicks the mouse for you, with a Chinese or English user
interface chosen from the locale.
It clicks one point at a set rate, plays multi-point scripts of clicks
started by global hotkeys, and runs scripts as timed tasks. It can start
hidden in the system tray with the session.

It needs an X11 session; under Wayland it reaches XWayland windows only.")

# A source archive, should anyone make one, leaves out builds and Git.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/[.]git/")

include(CPack)
