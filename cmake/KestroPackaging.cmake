# Where `cmake --install` puts the program and its desktop files, the Debian package CPack
# builds from them; on Windows the portable zip.

include(GNUInstallDirs)

# The id that ties the desktop entry, the icon and the AppStream metadata together.
set(KESTRO_APP_ID org.example.kestro)

# The version the program shows (product.h) is the one the package and the metadata carry.
file(STRINGS "${PROJECT_SOURCE_DIR}/src/config/product.h" _kestro_version_line
     REGEX "kVersion = \"")
if(NOT _kestro_version_line MATCHES "kVersion = \"([0-9]+\\.[0-9]+)\"")
  message(FATAL_ERROR "No kVersion = \"MAJOR.MINOR\" in src/config/product.h")
endif()
set(KESTRO_PRODUCT_VERSION "${CMAKE_MATCH_1}")

if(WIN32)
  # On Windows a portable zip takes the place of the desktop files and the Debian package.
  include("${CMAKE_CURRENT_LIST_DIR}/KestroWindowsPackage.cmake")
  return()
endif()

set(_kestro_desktop_dir "${PROJECT_SOURCE_DIR}/resources/desktop")
set(KESTRO_METAINFO_FILE "${PROJECT_BINARY_DIR}/desktop/${KESTRO_APP_ID}.metainfo.xml")
configure_file("${_kestro_desktop_dir}/${KESTRO_APP_ID}.metainfo.xml.in" "${KESTRO_METAINFO_FILE}"
               @ONLY)

install(TARGETS kestro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${_kestro_desktop_dir}/${KESTRO_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${KESTRO_METAINFO_FILE}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The program's icon is painted at 64 x 64 pixels; the theme scales it for other sizes.
install(FILES "${PROJECT_SOURCE_DIR}/resources/kestro.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME ${KESTRO_APP_ID}.png)

# The Debian package: `cpack` in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestro)
set(CPACK_PACKAGE_VERSION "${KESTRO_PRODUCT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kestro developers")
set(CPACK_PACKAGE_CONTACT "Kestro developers <kestro@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://kestro.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tuned console config for Half-Life and its mods")
set(CPACK_PACKAGE_DESCRIPTION "Kestro turns a description of the player's machine, \
connection and taste into a block of game console commands, shows it for editing and \
installs it as kestro.cfg into each chosen mod directory.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The run-time libraries (Qt 6 Widgets, libstdc++, libc) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Arial's metrics, which Liberation Sans shares.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
include(CPack)
