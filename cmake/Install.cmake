# Install rules and the Debian package.
#
# bin/ and share/ sit side by side in every prefix: the program finds its data folder as
# <its own folder>/../share/quorlane, so a relocated prefix works as well as /usr.

install(TARGETS quorlane RUNTIME DESTINATION bin)
# The checker the program runs on a plain vault before opening it; a helper, not a command.
install(TARGETS quorlane-vaultcheck RUNTIME DESTINATION libexec/quorlane)
install(FILES ${QUORLANE_APP_DIR}/Help.pdf
              ${CMAKE_SOURCE_DIR}/resources/templates/tblpnt.htm
              ${CMAKE_SOURCE_DIR}/resources/templates/tblpnta.htm
        DESTINATION share/quorlane)
# The delivered vault is only ever copied from: read-only.
install(FILES ${QUORLANE_DATA_DIR}/gpwdfsc.mdb DESTINATION share/quorlane
        PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${QUORLANE_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${QUORLANE_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/pictures/appicon.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${QUORLANE_ID}.svg)
install(DIRECTORY ${QUORLANE_ICON_DIR}/ DESTINATION share/icons/hicolor)

# cpack -G DEB: dependencies come from dpkg-shlibdeps. No maintainer scripts: removing the package
# leaves every user's vault where it is.
set(CPACK_PACKAGE_NAME quorlane)
set(CPACK_PACKAGE_VENDOR "Quorlane")
set(CPACK_PACKAGE_CONTACT "Quorlane developers <maintainers@quorlane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Single-user desktop password manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorlane keeps accounts, card numbers and codes in one local vault file,\n\
sorted into categories whose field titles the user chooses. It lists, shows,\n\
copies, searches and prints entries, keeps references to attached files and\n\
can ask for a login password.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
