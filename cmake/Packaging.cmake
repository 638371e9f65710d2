# `make package`: a Debian package of the program, built with CMAKE_INSTALL_PREFIX=/usr. The
# libraries it links are found by dpkg-shlibdeps; what Qt loads at run time is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane developers <corvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the NC part programs of CNC turning centres")
set(CPACK_PACKAGE_DESCRIPTION
  "Corvane edits the part programs of CNC lathes: it inserts G- and M-code blocks, generates
machining sequences from cutting conditions and machine parameters, renumbers sequence
numbers, changes address values by arithmetic and prints programs.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG icon engine is a plugin (not linked), and the messages are partly Japanese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
include(CPack)
