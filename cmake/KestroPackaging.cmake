# Where `cmake --install` puts the program, its desktop files, manual page and documents, and
# the Debian package CPack builds from them; on Windows the portable zip; on Linux also the
# portable folder (its own component, outside both the full install and the package).

include(GNUInstallDirs)

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
# A stripped install (the package's) also drops the compiler's notes, as Debian's tools do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kestro\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES "${_kestro_desktop_dir}/${KESTRO_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${KESTRO_METAINFO_FILE}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The program's icon is painted at 64 x 64 pixels; the theme scales it for other sizes.
install(FILES "${PROJECT_SOURCE_DIR}/resources/kestro.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME ${KESTRO_APP_ID}.png)

# What a Debian package documents: the copyright file as written, the changelog and the
# manual page compressed as Debian wants them (gzip -9n: best, no file name or time stamp).
set(_kestro_docs_dir "${PROJECT_BINARY_DIR}/package")
set(_kestro_gzipped)
foreach(_kestro_source IN ITEMS resources/debian/changelog resources/kestro.1)
  get_filename_component(_kestro_name "${_kestro_source}" NAME)
  set(_kestro_gz "${_kestro_docs_dir}/${_kestro_name}.gz")
  add_custom_command(OUTPUT "${_kestro_gz}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${_kestro_docs_dir}"
    COMMAND sh -c "gzip -9n -c \"$1\" >\"$2\"" sh "${PROJECT_SOURCE_DIR}/${_kestro_source}"
            "${_kestro_gz}"
    DEPENDS "${PROJECT_SOURCE_DIR}/${_kestro_source}" VERBATIM)
  list(APPEND _kestro_gzipped "${_kestro_gz}")
endforeach()
add_custom_target(kestro_package_docs ALL DEPENDS ${_kestro_gzipped})
install(FILES "${PROJECT_SOURCE_DIR}/resources/debian/copyright"
              "${_kestro_docs_dir}/changelog.gz"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES "${_kestro_docs_dir}/kestro.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kestro)

# The Debian package: `cpack` in the build directory, under umask 022 (the directories in
# the package take their modes from it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestro)
set(CPACK_PACKAGE_VERSION "${KESTRO_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kestro developers")
set(CPACK_PACKAGE_CONTACT "Kestro developers <kestro@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${KESTRO_WEB_ADDRESS}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tuned console config for Half-Life and its mods")
# Lines of the extended description stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "\
Kestro turns a description of the player's machine, connection and taste
into a block of game console commands, shows it for editing and installs it
as kestro.cfg into each chosen mod directory.
.
On the terminal, kestro --print-config writes the config of the start-up
settings or of a preset without opening a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool that writes a game's config, not a game: "utils", and the program in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The run-time libraries (Qt 6 Widgets, libstdc++, libc) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Arial's metrics, which Liberation Sans shares.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
include(CPack)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  include("${CMAKE_CURRENT_LIST_DIR}/KestroLinuxPortable.cmake")
endif()
