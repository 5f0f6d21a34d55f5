# Run by `cmake --install` for the portable folder (cmake/KestroLinuxPortable.cmake) once the
# program and its plugins are in place: copies in the libraries they need that the system does
# not provide (those not matched by KESTRO_PORTABLE_SYSTEM_LIBRARIES), each under the name the
# programs ask for, with the licence texts of the Debian packages they come from, and points
# every file's search path at lib/ through $ORIGIN.
cmake_policy(VERSION 3.25)
set(_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
find_program(_patchelf patchelf REQUIRED)

set(_plugins)
foreach(_file IN LISTS KESTRO_PORTABLE_PLUGIN_FILES)
  list(APPEND _plugins "${_root}/${_file}")
endforeach()
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${_root}/kestro" MODULES ${_plugins}
     RESOLVED_DEPENDENCIES_VAR _libraries UNRESOLVED_DEPENDENCIES_VAR _missing
     PRE_EXCLUDE_REGEXES ${KESTRO_PORTABLE_SYSTEM_LIBRARIES})
if(_missing)
  message(FATAL_ERROR "The portable folder's libraries ${_missing} are not on this system")
endif()

file(MAKE_DIRECTORY "${_root}/lib" "${_root}/licenses")
set(_sources)
foreach(_library IN LISTS _libraries)
  get_filename_component(_name "${_library}" NAME)
  file(REAL_PATH "${_library}" _file)
  file(COPY_FILE "${_file}" "${_root}/lib/${_name}")
  # The licence comes with the Debian package, named after its source package: the Qt
  # libraries share one.
  get_filename_component(_file_name "${_file}" NAME)
  execute_process(COMMAND dpkg-query --search "*/${_file_name}" OUTPUT_VARIABLE _owner
                  RESULT_VARIABLE _status ERROR_QUIET)
  string(REGEX REPLACE "[:,].*" "" _package "${_owner}")
  if(NOT _status EQUAL 0 OR NOT EXISTS "/usr/share/doc/${_package}/copyright")
    message(FATAL_ERROR "No Debian package's copyright file found for ${_file}")
  endif()
  execute_process(COMMAND dpkg-query --show --showformat=\${source:Package} "${_package}"
                  OUTPUT_VARIABLE _source COMMAND_ERROR_IS_FATAL ANY)
  if(NOT _source IN_LIST _sources)
    list(APPEND _sources "${_source}")
    file(COPY_FILE "/usr/share/doc/${_package}/copyright"
         "${_root}/licenses/${_source}-copyright.txt")
  endif()
endforeach()
# The texts those copyright files name: Qt's LGPL 3 with the GPL 3 it extends (which also
# covers GCC's run-time library, with its exception).
foreach(_text LGPL-3 GPL-3)
  file(COPY_FILE "/usr/share/common-licenses/${_text}" "${_root}/licenses/${_text}.txt")
endforeach()

# DT_RPATH rather than DT_RUNPATH: it is searched before LD_LIBRARY_PATH, so that a library
# path another program sets (Steam sets one for its own libraries) cannot put a different Qt
# under ours.
file(GLOB _bundled "${_root}/lib/*")
foreach(_file IN LISTS _bundled _plugins ITEMS "${_root}/kestro")
  get_filename_component(_folder "${_file}" DIRECTORY)
  file(RELATIVE_PATH _to_lib "${_folder}" "${_root}/lib")
  if(_to_lib STREQUAL "")
    set(_search_path "$ORIGIN")
  else()
    set(_search_path "$ORIGIN/${_to_lib}")
  endif()
  execute_process(COMMAND "${_patchelf}" --force-rpath --set-rpath "${_search_path}" "${_file}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
list(LENGTH _libraries _count)
message(STATUS "Bundled ${_count} libraries, licences of: ${_sources}")
