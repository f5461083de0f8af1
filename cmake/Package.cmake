# The Debian package: `cpack -G DEB` in the build folder (scripts/package) writes
# cartaflex_<version>_<arch>.deb from the install rules of cmake/Install.cmake, with the
# libraries' packages computed from the binaries (dpkg-shlibdeps) and, by hand, what the
# binaries do not show: the fonts that printed positions are measured with and the Italian
# translations of Qt's dialogs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cartaflex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Cartaflex)
set(CPACK_PACKAGE_CONTACT "Cartaflex <assistenza@cartaflex.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "biglietti da visita, buste e archivio dei contatti per il piccolo ufficio")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Cartaflex prepara e stampa in proprio fogli di biglietti da visita in quattro
formati e buste con mittente, logo e destinatario, presi dall'archivio dei
contatti. Controlla la partita IVA, esporta l'archivio in un foglio di calcolo
e in un documento e ne fa copie di sicurezza. cartaflex-cli svolge gli stessi
compiti dal terminale.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.cartaflex.it/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, cups-client")
set(CPACK_STRIP_FILES ON)
# Only the program's own files: the tests, benchmarks and tools stay in the build folder.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
