# Installation layout and the Debian package.
include(GNUInstallDirs)
# Installing (and packing) never rebuilds: the build comes first, as in ./test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TOVIRAN_DATA_DIR ${CMAKE_INSTALL_DATADIR}/toviran)

if(TARGET toviran)
  install(TARGETS toviran RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET toviran-sim)
  install(TARGETS toviran-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/toviran.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/toviran.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 32 64)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/toviran-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME toviran.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/share/toviran/mag-chart.html DESTINATION ${TOVIRAN_DATA_DIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/docs/manual)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual/ DESTINATION ${TOVIRAN_DATA_DIR}/manual)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME toviran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "TOVIRAN開発チーム <toviran@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mag growth simulator (マグ育成シミュレータ)")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Stripped and gzip-compressed: the package stays small and builds in seconds.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, fonts-ipafont-gothic, fonts-motoya-l-maruberi, libc6, libstdc++6")
include(CPack)
