# Install rules and the Debian package.
#
# bin/ and share/ sit side by side in every prefix: the program finds its data folder as
# <its own folder>/../share/quorlane, so a relocated prefix works as well as /usr.

install(TARGETS quorlane RUNTIME DESTINATION bin)
# The checker the program runs on a plain vault before opening it; a helper, not a command.
install(TARGETS quorlane-vaultcheck RUNTIME DESTINATION libexec/quorlane)
install(FILES ${QUORLANE_APP_DIR}/Help.pdf ${QUORLANE_APP_DIR}/Help_de.pdf
              ${CMAKE_SOURCE_DIR}/resources/templates/tblpnt.htm
              ${CMAKE_SOURCE_DIR}/resources/templates/tblpnta.htm
              ${CMAKE_SOURCE_DIR}/resources/templates/tblpnt_de.htm
              ${CMAKE_SOURCE_DIR}/resources/templates/tblpnta_de.htm
        DESTINATION share/quorlane)
# The delivered vault is only ever copied from; the program never opens it for writing.
install(FILES ${QUORLANE_DATA_DIR}/gpwdfsc.mdb DESTINATION share/quorlane)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${QUORLANE_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${QUORLANE_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/pictures/appicon.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${QUORLANE_ID}.svg)
install(DIRECTORY ${QUORLANE_ICON_DIR}/ DESTINATION share/icons/hicolor)

# The manual page, made from the program's --help text; the Debian changelog and copyright.
set(QUORLANE_RELEASE_DATE 2026-12-09)
set(QUORLANE_SUMMARY "single-user desktop password manager")
set(MAN_PAGE ${CMAKE_BINARY_DIR}/share/man/man1/quorlane.1.gz)
add_custom_command(OUTPUT ${MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:quorlane> -DOUTPUT=${MAN_PAGE} -DVERSION=${PROJECT_VERSION}
          "-DSUMMARY=${QUORLANE_SUMMARY}" -DDATE=${QUORLANE_RELEASE_DATE} -P ${CMAKE_SOURCE_DIR}/tools/makeman.cmake
  DEPENDS quorlane ${CMAKE_SOURCE_DIR}/tools/makeman.cmake
  COMMENT "Writing the manual page" VERBATIM)
set(CHANGELOG ${CMAKE_BINARY_DIR}/share/doc/quorlane/changelog.gz)
add_custom_command(OUTPUT ${CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/doc/quorlane
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/resources/debian/changelog ${CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/changelog
  COMMENT "Compressing the changelog" VERBATIM)
add_custom_target(package_docs ALL DEPENDS ${MAN_PAGE} ${CHANGELOG})
install(FILES ${MAN_PAGE} DESTINATION share/man/man1)
install(FILES ${CHANGELOG} ${CMAKE_SOURCE_DIR}/resources/debian/copyright DESTINATION share/doc/quorlane)

# Packages want the .comment and .note sections gone from a stripped program as well.
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND objcopy --remove-section=.comment --remove-section=.note
                            "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/quorlane")
  endif()
]])

# cpack -G DEB: dependencies come from dpkg-shlibdeps. No maintainer scripts: removing the package
# leaves every user's vault where it is.
set(CPACK_PACKAGE_NAME quorlane)
set(CPACK_PACKAGE_VENDOR "Quorlane")
set(CPACK_PACKAGE_CONTACT "Quorlane developers <maintainers@quorlane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Single-user desktop password manager")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorlane keeps accounts, card numbers and codes in one local vault file,\n\
sorted into categories whose field titles the user chooses. It lists, shows,\n\
copies, searches, imports, exports and prints entries, makes passwords, keeps\n\
references to attached files and can encrypt the vault under a login password.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open shows Help.pdf, web addresses and attachments.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS pdf-viewer)
include(CPack)
