# The portable zip for Windows: kestro.exe and its console twin kestro.com beside exactly the
# Qt DLLs, Qt plugins and compiler run-time DLLs they load, with their licence texts and ours.
# `cpack` in the build directory makes kestro-VERSION-win64.zip (one folder of that name inside).

install(TARGETS kestro kestro_console RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION . RENAME LICENSE.txt)

# The compiler's run-time DLLs: with MinGW the ones the Qt DLLs were linked against, which Qt
# kits keep beside Qt6Core.dll, else the compiler's own; with MSVC the redistributable ones.
if(MINGW)
  get_target_property(_kestro_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
  if(NOT _kestro_qt_core)
    get_target_property(_kestro_qt_core Qt6::Core IMPORTED_LOCATION)
  endif()
  get_filename_component(_kestro_qt_bin "${_kestro_qt_core}" DIRECTORY)
  get_filename_component(_kestro_compiler_bin "${CMAKE_CXX_COMPILER}" DIRECTORY)
  foreach(_dll libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${_dll}.dll
                    OUTPUT_VARIABLE _kestro_found OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(_kestro_found_dir "${_kestro_found}" DIRECTORY)
    find_file(KESTRO_RUNTIME_${_dll} ${_dll}.dll
              HINTS "${_kestro_qt_bin}" "${_kestro_compiler_bin}" "${_kestro_found_dir}"
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT KESTRO_RUNTIME_${_dll})
      message(FATAL_ERROR "${_dll}.dll not found beside Qt6Core.dll nor the compiler")
    endif()
    install(FILES "${KESTRO_RUNTIME_${_dll}}" DESTINATION .)
  endforeach()
elseif(MSVC)
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
  include(InstallRequiredSystemLibraries)
endif()

# Licence texts: Qt's LGPL asks for its licence (the LGPL 3 and the GPL 3 it extends) and the
# notices of the third-party code inside Qt; the MinGW run-time DLLs come under the GPL 3 with
# the GCC Runtime Library Exception (libstdc++, libgcc) and the MIT licence (winpthreads).
# Name folders that hold them, or, on Debian, they come from the packages of the same sources.
set(KESTRO_QT_LICENSE_DIR "" CACHE PATH "Folder of Qt's licence texts for the zip")
set(KESTRO_RUNTIME_LICENSE_DIR "" CACHE PATH "Folder of the compiler run-time's licence texts")
set(_kestro_debian_qt_licenses
    /usr/share/common-licenses/LGPL-3 LGPL-3.txt
    /usr/share/common-licenses/GPL-3 GPL-3.txt
    /usr/share/doc/libqt6core6/copyright qt6-base-copyright.txt)
set(_kestro_debian_runtime_licenses
    /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright gcc-runtime-copyright.txt
    /usr/share/doc/mingw-w64-x86-64-dev/copyright mingw-w64-copyright.txt
    /usr/share/common-licenses/GPL-3 GPL-3.txt)
foreach(_kind qt runtime)
  string(TOUPPER "${_kind}" _kestro_upper)
  set(_kestro_dest licenses/${_kind})
  if(_kind STREQUAL "qt")
    set(_kestro_dest licenses/Qt)
  endif()
  if(KESTRO_${_kestro_upper}_LICENSE_DIR)
    install(DIRECTORY "${KESTRO_${_kestro_upper}_LICENSE_DIR}/" DESTINATION ${_kestro_dest})
    continue()
  endif()
  if(_kind STREQUAL "runtime" AND NOT MINGW)
    continue()
  endif()
  set(_kestro_list ${_kestro_debian_${_kind}_licenses})
  while(_kestro_list)
    list(POP_FRONT _kestro_list _kestro_source _kestro_name)
    if(NOT EXISTS "${_kestro_source}")
      message(WARNING "No ${_kestro_source}: the zip lacks it; name a folder of licence texts "
                      "in KESTRO_${_kestro_upper}_LICENSE_DIR")
      continue()
    endif()
    install(FILES "${_kestro_source}" DESTINATION ${_kestro_dest} RENAME ${_kestro_name})
  endwhile()
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/resources/windows/licenses.txt" DESTINATION licenses
        RENAME README.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kestro)
set(CPACK_PACKAGE_VERSION "${KESTRO_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kestro developers")
set(CPACK_PACKAGE_FILE_NAME "kestro-${KESTRO_VERSION}-win64")
set(CPACK_STRIP_FILES ON)
include(CPack)
