# Installs Pathwick like a desktop application and packs it as a Debian package.
#   cmake --install build --prefix /some/prefix
#   scripts/package.sh            (builds pathwick_<version>_<arch>.deb)

if(TARGET pathwick)
  install(TARGETS pathwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
foreach(file ${PATHWICK_DATA_FILES})
  install(FILES ${CMAKE_SOURCE_DIR}/resources/${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/pathwick)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/pathwick.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/pathwick.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pathwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "${PATHWICK_AUTHOR} <${PATHWICK_EMAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The runtime libraries come from the executable's own links (dpkg-shlibdeps); the Qt
# platform and sound plugins ship inside those library packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Folders and documents open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
