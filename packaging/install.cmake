# Installing Brixo in the usual GNU layout, and its Debian package:
#   cmake --install build --prefix /usr/local     (or DESTDIR=... for a staging folder)
#   cmake --build build --target package          (build/brixo_<version>_<arch>.deb)
# The program finds its shipped files relative to itself, in
# <bin>/../share/brixo, so a moved or staged install works as well.
include(GNUInstallDirs)

# A game's program goes in <prefix>/games, where Debian keeps games.
set(BRIXO_INSTALL_GAMESDIR games CACHE STRING "Where the program is installed, relative to the prefix")
install(TARGETS brixo RUNTIME DESTINATION ${BRIXO_INSTALL_GAMESDIR})
# Sounds, help and the built-in tiles are compiled into the program; the
# tile set bitmaps are files the Tile Sets menu lists.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/brixotiles DESTINATION ${CMAKE_INSTALL_DATADIR}/brixo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brixo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/com.quorvin.brixo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/brixo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME brixo.png)
endforeach()
# The manual page and the changelog go compressed, as Debian wants them;
# -n keeps the file's name and time out, so the same text gives the same
# bytes.
find_program(BRIXO_GZIP gzip REQUIRED)
foreach(doc brixo.6 changelog)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${doc}.gz
    COMMAND ${BRIXO_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/${doc} > ${PROJECT_BINARY_DIR}/${doc}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${doc} VERBATIM)
endforeach()
add_custom_target(brixo_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/brixo.6.gz ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/brixo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The headless server and the lobby as system services, installed but not
# enabled; their options are read from /etc/default/brixo-server and
# /etc/default/brixo-lobby, of which examples go with the documentation.
foreach(service brixo-server brixo-lobby)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${service}.service DESTINATION lib/systemd/system)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${service}.default DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brixo)
set(CPACK_PACKAGE_VENDOR Quorvin)
set(CPACK_PACKAGE_CONTACT "The Brixo developers <brixo@quorvin.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-rummy game for two to four players, alone or on a network")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lay runs and groups of numbered tiles from your rack onto a shared board,
rearranging everything already there, against computer players or friends
on the network. One program hosts and plays; it also runs the game server
alone, without a window, for a LAN or a club (brixo-server.service), and
online rooms, many games in one process, for a club or the internet
(brixo-lobby.service).")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brixo.quorvin.com/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps names the Qt 6 and C++ runtime libraries the program links.
# The window's platform plugin (xcb) comes with libqt6gui6 and the sound
# output with libqt6multimedia6; a Wayland desktop is served natively with
# qt6-wayland, else through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)

# What an install puts where, checked in a staging folder with the
# installed program itself; needs desktop-file-utils and appstream.
add_test(NAME install.layout
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install_test.sh ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
set_tests_properties(install.layout PROPERTIES TIMEOUT 60)
