# The portable folder for Linux, the twin of the Windows zip: kestro beside the Qt libraries and
# plugins it loads and the libraries those need that a desktop system does not provide, all
# found through $ORIGIN; a qt.conf that points Qt at the plugins beside it; the licence texts;
# and kestro-menu.sh, which adds Kestro to the user's application menu and removes it again.
# The target `portable` (it needs patchelf) makes kestro-VERSION-linux-x86_64.tar.gz in the
# build directory, one folder of that name inside. Built on the oldest system supported
# (Debian 12), it runs on any with that glibc or a newer one.

set(KESTRO_PORTABLE_NAME "kestro-${KESTRO_VERSION}-linux-x86_64")

# The plugins the program loads on Linux, and the folder each goes to: the X11 platform, the
# JPEG reader for the pictures, and the compose input context (dead keys in the text fields).
set(_kestro_portable_plugins
    Qt6::QXcbIntegrationPlugin platforms
    Qt6::QJpegPlugin imageformats
    Qt6::QComposePlatformInputContextPlugin platforminputcontexts)

# Where the folder's line runs: these libraries (by the names programs ask for) come from the
# system; every other library the program or a plugin needs is bundled. The system keeps the C
# library, the compiler's C++ run-time, the X11 client libraries (libX11, libSM, libICE, and
# libxcb with its extensions, but not the separate xcb-util libraries), OpenGL through
# libglvnd, fontconfig, FreeType, HarfBuzz, libpng, zlib, zstd, GLib, D-Bus and xkbcommon:
# every desktop has them, and the graphics drivers loaded into the program must share them.
# GCC's OpenMP run-time (libgomp), which only libb2 uses and not every system installs, is
# bundled like the rest.
set(KESTRO_PORTABLE_SYSTEM_LIBRARIES
    "^ld-linux" "^lib(c|m|dl|pthread|rt)\\.so" "^libstdc\\+\\+\\.so" "^libgcc_s\\.so"
    "^libX11(-xcb)?\\.so" "^lib(SM|ICE)\\.so"
    "^libxcb(-(dri2|dri3|glx|present|randr|render|shape|shm|sync|xfixes|xinerama|xinput|xkb))?\\.so"
    "^lib(EGL|GLX|OpenGL|GL)\\.so"
    "^lib(fontconfig|freetype|harfbuzz|png16|z|zstd|glib-2\\.0|dbus-1|xkbcommon)\\.so")

# Qt's shared builds describe their plugins in packages of their own, beside Qt6Gui's.
set(_kestro_list ${_kestro_portable_plugins})
while(_kestro_list)
  list(POP_FRONT _kestro_list _kestro_plugin _kestro_folder)
  string(REPLACE "::" "" _kestro_package "${_kestro_plugin}")
  if(NOT TARGET ${_kestro_plugin})
    find_package(${_kestro_package} CONFIG QUIET HINTS "${Qt6Gui_DIR}")
  endif()
  if(NOT TARGET ${_kestro_plugin})
    message(STATUS "This Qt has no ${_kestro_plugin}: no portable folder")
    return()
  endif()
endwhile()

set(_kestro_portable_component COMPONENT portable EXCLUDE_FROM_ALL)
install(TARGETS kestro RUNTIME DESTINATION . ${_kestro_portable_component})
set(_kestro_portable_plugin_files)
set(_kestro_list ${_kestro_portable_plugins})
while(_kestro_list)
  list(POP_FRONT _kestro_list _kestro_plugin _kestro_folder)
  install(FILES $<TARGET_FILE:${_kestro_plugin}> DESTINATION plugins/${_kestro_folder}
          ${_kestro_portable_component})
  list(APPEND _kestro_portable_plugin_files
       "plugins/${_kestro_folder}/$<TARGET_FILE_NAME:${_kestro_plugin}>")
endwhile()

set(_kestro_portable_resources "${PROJECT_SOURCE_DIR}/resources/linux")
install(FILES "${_kestro_portable_resources}/qt.conf" DESTINATION . ${_kestro_portable_component})
install(PROGRAMS "${_kestro_portable_resources}/kestro-menu.sh" DESTINATION .
        ${_kestro_portable_component})
install(FILES "${PROJECT_SOURCE_DIR}/resources/desktop/${KESTRO_APP_ID}.desktop"
        DESTINATION share/applications ${_kestro_portable_component})
install(FILES "${PROJECT_SOURCE_DIR}/resources/kestro.png"
        DESTINATION share/icons/hicolor/64x64/apps RENAME ${KESTRO_APP_ID}.png
        ${_kestro_portable_component})
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt
        ${_kestro_portable_component})
install(FILES "${_kestro_portable_resources}/licenses.txt" DESTINATION licenses
        RENAME README.txt ${_kestro_portable_component})

# The bundled libraries, their search paths and their licence texts are worked out from the
# installed program and plugins.
install(CODE "
  set(KESTRO_PORTABLE_PLUGIN_FILES \"${_kestro_portable_plugin_files}\")
  set(KESTRO_PORTABLE_SYSTEM_LIBRARIES [==[${KESTRO_PORTABLE_SYSTEM_LIBRARIES}]==])
  include(\"${CMAKE_CURRENT_LIST_DIR}/KestroPortableBundle.cmake\")"
  ${_kestro_portable_component})

add_custom_target(portable
  COMMAND ${CMAKE_COMMAND} -E rm -rf portable "${KESTRO_PORTABLE_NAME}.tar.gz"
  COMMAND ${CMAKE_COMMAND} --install . --component portable --strip
          --prefix "${PROJECT_BINARY_DIR}/portable/${KESTRO_PORTABLE_NAME}"
  # Files owned by nobody in particular, packed at gzip's best.
  COMMAND sh -c "tar -C portable --sort=name --owner=0 --group=0 --numeric-owner -cf - \"$1\" \
                 | gzip -9n >\"$1.tar.gz\"" sh "${KESTRO_PORTABLE_NAME}"
  COMMAND ${CMAKE_COMMAND} -E echo "${PROJECT_BINARY_DIR}/${KESTRO_PORTABLE_NAME}.tar.gz"
  WORKING_DIRECTORY "${PROJECT_BINARY_DIR}" VERBATIM)
add_dependencies(portable kestro)
