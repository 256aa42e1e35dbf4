# Debian's hardening build flags, as dpkg-buildflags gives them with every hardening
# feature on: fortified C library calls, stack protector, format checks, read-only
# relocations bound at start-up. The Debian package is packed from this build tree, so
# every build gets them. Optimisation and debug flags stay the build type's, and the
# file-prefix map is left out: tests find their data through __FILE__.
option(TOVIRAN_HARDENING "Build with Debian's hardening flags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT TOVIRAN_HARDENING OR NOT DPKG_BUILDFLAGS)
  return()
endif()

function(toviran_debian_flags kind out)
  execute_process(COMMAND env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS}
                          --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^(-O.*|-g|-ffile-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

toviran_debian_flags(CPPFLAGS cpp_flags)
toviran_debian_flags(CXXFLAGS cxx_flags)
toviran_debian_flags(LDFLAGS ld_flags)
# _FORTIFY_SOURCE needs optimisation; an unoptimised Debug build would only warn.
foreach(flag ${cpp_flags})
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
endforeach()
add_compile_options(${cxx_flags})
add_link_options(${ld_flags})
