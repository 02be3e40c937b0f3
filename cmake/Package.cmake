# The Debian package, built by `cpack -G DEB` in the build folder. Its run-time dependencies
# are computed by dpkg-shlibdeps from the libraries the binary links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Personnummerkontrollens utvecklare")
set(CPACK_PACKAGE_CONTACT "Personnummerkontrollens utvecklare <utvecklare@personnummerkontroll.se>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PNR_WEB_URL})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"check Swedish personal identity numbers and ages / kontroll av personnummer
 A small desktop tool for Swedish personal identity numbers (personnummer,
 ÅÅMMDD-XXXX). It tells whether a number is approved, computes the check digit
 that completes a nine-digit stem, and gives the age in years, months and days
 of someone born on a date. All texts are Swedish; nothing is saved.
 .
 Ett litet verktyg för svenska personnummer (ÅÅMMDD-XXXX). Det kontrollerar om
 ett nummer är godkänt, räknar fram kontrollsiffran till ÅÅMMDD-XXX och visar
 åldern i år, månader och dagar för den som är född ett visst datum.
 Programmet sparar ingenting.")
include(CPack)
