# What `cmake --install` puts where, and the .deb that CPack makes of it.
install(FILES dist/lumenfold-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(LUMENFOLD_BUILD_GUI)
  # The window program in the desktop's menus, with its icon in every size
  # the icon theme asks for.
  install(FILES dist/lumenfold.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES dist/lumenfold.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 32 48 64 128 256)
    install(FILES resources/icons/hicolor/${size}x${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME lumenfold.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME lumenfold)
set(CPACK_PACKAGE_VENDOR "Lumenfold")
set(CPACK_PACKAGE_CONTACT "Lumenfold developers <lumenfold@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML album page for a folder of pictures")
set(CPACK_PACKAGE_DESCRIPTION
  "Lumenfold writes one HTML page that shows every JPEG and GIF picture of a folder, at its own size or as thumbnails, links the folder's other pages and offers its other files as downloads. A Japanese window and the command-line twin lumenfold-cli make the same page.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries are found by dpkg-shlibdeps; what the window loads at run time
# (the display plugins, its Japanese fonts) is named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
include(CPack)
