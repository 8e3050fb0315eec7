# Read by cpack before it builds the package. Without dpkg-shlibdeps, cpack would quietly
# write a package that lacks its library dependencies; stop with the fix instead.
if(POLICY CMP0109)
  cmake_policy(SET CMP0109 NEW) # a program found must be executable
endif()
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(MORVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(MORVANE_FILE file)
  if(NOT MORVANE_DPKG_SHLIBDEPS OR NOT MORVANE_FILE)
    message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps and file to work out its "
                        "dependencies. Install them: sudo apt-get install dpkg-dev file")
  endif()
endif()
