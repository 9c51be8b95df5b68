# Packages made with CPack: .deb and .tar.gz from the Linux build, .zip from the Windows one.
set(CPACK_PACKAGE_VENDOR "The grade developers")
set(CPACK_PACKAGE_CONTACT "The grade developers")
set(CPACK_PACKAGE_DESCRIPTION
  "grade asks for one mark on standard input and writes the grade A when the mark lies from 81 to 100, then always ends with Good luck.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(WIN32)
  set(CPACK_SYSTEM_NAME win64)
endif()
include(CPack)
