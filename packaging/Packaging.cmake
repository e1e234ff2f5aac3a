# The program on the desktop: the menu entry, the icon theme's icons, the file kinds, and the
# Debian package that holds them with the executables and the shipped data.
set(packaging ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${packaging}/velmora.desktop DESTINATION share/applications)
install(FILES ${packaging}/velmora-mime.xml DESTINATION share/mime/packages RENAME velmora.xml)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/velmora-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME velmora.png)
endforeach()

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Campaign keeper for the game master of a D&D campaign")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The build keeps its debug information; the package does not need it.
set(CPACK_STRIP_FILES ON)
# Sound playback needs a GStreamer back end at run time, which no library names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base")
# The package holds what is installed, already built: making it must not build the tests and
# benchmarks as well ("cmake --install" never builds either).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
