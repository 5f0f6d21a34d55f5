# Facts about the product that several places show, all made from project(VERSION ...):
# src/config/product.h for the program, resources/kestro.rc for the Windows version block and
# the application manifest it embeds.

# KESTRO_VERSION: the minor version in two digits ("1.00" for VERSION 1.0), as the program has
# always written it.
string(LENGTH "${PROJECT_VERSION_MINOR}" _kestro_minor_digits)
if(_kestro_minor_digits EQUAL 1)
  set(KESTRO_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}0")
else()
  set(KESTRO_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
# "Kestro v1.0": the main window's caption and the name in the config header.
set(KESTRO_TITLE "Kestro v${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(KESTRO_WEB_ADDRESS "http://kestro.example.org/")
# The id that ties the running program, the desktop entry, the icon and the AppStream metadata
# together.
set(KESTRO_APP_ID org.example.kestro)

set(KESTRO_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/src/config/product.h.in"
               "${KESTRO_GENERATED_DIR}/config/product.h" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/kestro.rc.in"
               "${KESTRO_GENERATED_DIR}/kestro.rc" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/kestro.manifest.in"
               "${KESTRO_GENERATED_DIR}/kestro.manifest" @ONLY)
