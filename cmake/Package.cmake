# Debian package: cpack -G DEB in the build directory writes
# velko_<version>_amd64.deb. Library dependencies are found by
# dpkg-shlibdeps; the Qt SQLite driver, the platform plugins and the fonts
# are loaded at run time and named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velko)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velko")
set(CPACK_PACKAGE_CONTACT "Velko support <support@velko-trainer.ch>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the heavy-vehicle driving licence theory examination")
set(CPACK_PACKAGE_DESCRIPTION
    "Velko prepares candidates for the theory examination of the driving licences\n"
    "C, D, C1 and D1 in German, French and Italian: lessons, theme questionnaires,\n"
    "mixed sets and mock examinations with stored results and a history. It comes\n"
    "with a sample question bank; a first start creates the user's own user\n"
    "database. The tools velko-bank and velko-users build question banks and user\n"
    "databases.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
# The driver for a user database on a PostgreSQL server (USERDB_ENGINE=postgresql).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://support.velko-trainer.ch/velko/support/")
set(CPACK_STRIP_FILES ON)
include(CPack)
