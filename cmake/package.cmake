# The Debian package, made by CPack from an installation laid out as Debian lays out a game
# (scripts/package-deb.sh configures it: prefix /usr, the programs in /usr/games,
# FLORINET_DEB=ON). The package's own documents (its copyright in Debian's machine-readable
# form, its changelog) are installed only in that layout.
option(FLORINET_DEB "Install the Debian package's documents (copyright, changelog)" OFF)
set(FLORINET_MAINTAINER "The florinet makers <florinet-makers@users.noreply.example.org>"
  CACHE STRING "The package's maintainer, as Debian's control file and changelog name it")

set(CPACK_PACKAGE_NAME florinet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The florinet makers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "wrap presents and stick on seals in a little fancy-goods shop")
set(CPACK_PACKAGE_DESCRIPTION
  "You are the clerk of a small fancy-goods shop. Customers come in one at a
time, each wanting something from the shelves: wrap it in the bag or box that
suits its size, fold the wrapping and stick on a seal of your choice. Every
customer has favourite seals and seals they cannot stand, and the seal
decides their mood, their tip and the day's satisfaction. At closing time
the owner checks the takings against the day's quota; in the evening you buy
wrappings and seals and stock goods, and flyers change which customers come.

A reimplementation for Linux of a small Japanese game, played with the mouse
(or the keys 1, 2, 3 and Space) in a 390x260 picture, in Japanese or in
English. Every picture, sound and tune is made for this game.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_strip.cmake)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${FLORINET_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the programs themselves (dpkg-shlibdeps); the game also needs, at run
# time, the Japanese fonts it draws its text with and a General MIDI soundfont for its music.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, timgm6mb-soundfont | sf2-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

if(FLORINET_DEB)
  # The changelog's date is the release's; its version and maintainer are the package's.
  execute_process(COMMAND date -R -u -d "${FLORINET_MAN_DATE} 12:00:00"
    OUTPUT_VARIABLE FLORINET_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  set(_doc ${CMAKE_CURRENT_BINARY_DIR}/packaging)
  configure_file(packaging/deb/changelog.in ${_doc}/changelog @ONLY)
  add_custom_command(OUTPUT ${_doc}/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9nkf changelog
    DEPENDS ${_doc}/changelog
    WORKING_DIRECTORY ${_doc}
    COMMENT "Compressing the package's changelog")
  add_custom_target(package_changelog ALL DEPENDS ${_doc}/changelog.gz)
  install(FILES packaging/deb/copyright ${_doc}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/florinet)
endif()

include(CPack)
