# The Debian package: `cpack -G DEB` in the build folder writes
# kerwano_<version>_<arch>.deb (tools/pakiet.sh builds it and runs lintian).
#
# The version is the program's own (KERWANO_WERSJA). dpkg takes letters of either case in a
# version and sorts 1.1 < 1.1A < 1.1B < 1.2. The package has no Debian revision:
# it is built from the program's own tree (a native package), so its changelog
# is /usr/share/doc/kerwano/changelog.gz.

# Man pages and the changelog are compressed as Debian wants them: gzip -9, no
# name or time stamp inside.
find_program(KERWANO_GZIP gzip REQUIRED)
function(kerwano_gzip zrodlo cel)
  add_custom_command(OUTPUT ${cel}
    COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${KERWANO_GZIP} ${zrodlo} ${cel}
    DEPENDS ${zrodlo} VERBATIM)
endfunction()
set(KERWANO_DOKUMENTY ${PROJECT_BINARY_DIR}/dokumenty)
file(MAKE_DIRECTORY ${KERWANO_DOKUMENTY}/pl)
# The manual pages carry the version and the date of the release.
configure_file(doc/kerwano.1 ${KERWANO_KONFIGURACJA}/kerwano.1 @ONLY)
configure_file(doc/kerwano.pl.1 ${KERWANO_KONFIGURACJA}/kerwano.pl.1 @ONLY)
kerwano_gzip(${KERWANO_KONFIGURACJA}/kerwano.1 ${KERWANO_DOKUMENTY}/kerwano.1.gz)
kerwano_gzip(${KERWANO_KONFIGURACJA}/kerwano.pl.1 ${KERWANO_DOKUMENTY}/pl/kerwano.1.gz)
configure_file(doc/changelog ${KERWANO_KONFIGURACJA}/changelog @ONLY)
kerwano_gzip(${KERWANO_KONFIGURACJA}/changelog ${KERWANO_DOKUMENTY}/changelog.gz)
add_custom_target(kerwano_dokumenty ALL DEPENDS ${KERWANO_DOKUMENTY}/kerwano.1.gz
  ${KERWANO_DOKUMENTY}/pl/kerwano.1.gz ${KERWANO_DOKUMENTY}/changelog.gz)

install(FILES ${KERWANO_DOKUMENTY}/kerwano.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KERWANO_DOKUMENTY}/pl/kerwano.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1)
install(FILES doc/copyright ${KERWANO_DOKUMENTY}/changelog.gz ${KERWANO_KONFIGURACJA}/pomoc.html
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kerwano)

set(KERWANO_OPIEKUN "Kerwano developers <kerwano@example.org>" CACHE STRING
  "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kerwano)
set(CPACK_PACKAGE_VERSION ${KERWANO_WERSJA})
set(CPACK_PACKAGE_VENDOR "Kerwano developers")
set(CPACK_PACKAGE_CONTACT "${KERWANO_OPIEKUN}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lightning protection calculator for buildings (IEC 1024)")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kerwano is a desktop calculator for designers of lightning protection\n"
  "installations. From a description of a building (construction, contents,\n"
  "fire consequences, thunderstorm days, surroundings and dimensions) it\n"
  "computes the required protection efficiency E and the protection class\n"
  "according to IEC 1024 (ENV 61024-1:1995), the protective angle of every\n"
  "roof element and its separation distance. Projects are kept in .kwp files,\n"
  "which the file manager opens in Kerwano.\n"
  "\n"
  "The user interface is in Polish.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps; what the program starts or loads by name on top.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printouts are laid out in "Times New Roman" and "Arial"; fonts-liberation2 has
# faces of the same measures, without which they fall back on other fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
