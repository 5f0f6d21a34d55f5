# The hardening Debian gives the programs it builds (dpkg-buildflags): fortified C library
# calls wherever the compiler optimises, and relocations bound and made read-only at start.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

# Debug builds (the sanitizer runs among them) check every index into a standard container or
# string view, so that reading one past the end stops a test instead of passing unnoticed.
add_compile_definitions($<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
