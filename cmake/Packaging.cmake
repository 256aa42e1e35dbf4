# Installation layout and the Debian package.
include(GNUInstallDirs)
# Installing (and packing) never rebuilds: the build comes first, as in ./test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TOVIRAN_DATA_DIR ${CMAKE_INSTALL_DATADIR}/toviran)
set(TOVIRAN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/toviran)
set(TOVIRAN_DEBIAN_DIR ${PROJECT_BINARY_DIR}/debian)

foreach(program toviran toviran-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# A stripped install (cpack, cmake --install --strip) also drops the sections that Debian
# strips from programs: the compiler's .comment and the .note section.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program toviran toviran-sim)
      set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
      if(EXISTS \"\${file}\")
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                --remove-section=.note \"\${file}\" COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endif()")

# The menu entry and the AppStream metadata are named after the application id.
install(FILES ${PROJECT_SOURCE_DIR}/data/toviran.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${TOVIRAN_APP_ID}.desktop)
configure_file(${PROJECT_SOURCE_DIR}/data/toviran.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/share/metainfo/${TOVIRAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/share/metainfo/${TOVIRAN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/toviran.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 32 64)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/toviran-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME toviran.png)
endforeach()

# The program opens the manual and the chart from here, beside its bin folder.
install(FILES ${PROJECT_BINARY_DIR}/share/toviran/mag-chart.html DESTINATION ${TOVIRAN_DATA_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/docs/manual)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${TOVIRAN_DATA_DIR}/manual)
endif()

# The Debian package. It is made here, from this source, by the project itself: a native
# package, whose version is the program's own (no Debian revision).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME toviran)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TOVIRAN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOVIRAN_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mag growth simulator (マグ育成シミュレータ)")
# Lines are wrapped here: Debian shows the description as written.
set(CPACK_PACKAGE_DESCRIPTION
    "TOVIRAN reproduces, item by item, how a mag, the companion item of an online
action role-playing game, develops when it is fed items: its form, level, the
DEF, POW, DEX and MIND levels with their progress, IQ and synchro. It also
offers rare-mag evolutions, one level of undo, a 200-second feed timer, a feed
history that can be saved, a catalogue of all 57 mag forms with their feed
tables, and a window that sets the parameters directly. A feed planner finds
the fewest items that take the mag to a chosen form, level and stat build,
press by press.

The package also holds toviran-sim, a batch simulator that runs scripts of the
same actions without windows.

マグ（アクションRPGのおともアイテム）にえさを与えたとき、
どう育つかをえさ1個ずつ再現するシミュレータです。")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Stripped and gzip-compressed: the package stays small and builds in seconds.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; what the program loads or uses by name is
# written here: the Qt platform plugins, Qt's own Japanese texts, the three fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-motoya-l-maruberi, fonts-ipafont-gothic, fonts-liberation")
# xdg-open shows the manual and the chart in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

# Debian's documentation: the changelog (changelog.gz, as a native package names it) and
# the machine-readable copyright file, whose license text is the repository's LICENSE
# without its copyright line.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${TOVIRAN_DEBIAN_DIR}/changelog
               @ONLY)
execute_process(COMMAND ${GZIP} -9nf ${TOVIRAN_DEBIAN_DIR}/changelog COMMAND_ERROR_IS_FATAL ANY)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^[^\n]*\n\n" "" license "${license}")
string(REGEX REPLACE "\n+$" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
set(TOVIRAN_LICENSE_BODY " ${license}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${TOVIRAN_DEBIAN_DIR}/copyright
               @ONLY)
# The README links to the manual and its pictures in the source tree's docs/manual; the
# installed one to the installed manual, found from the documentation folder.
file(RELATIVE_PATH installed_manual /${TOVIRAN_DOC_DIR} /${TOVIRAN_DATA_DIR}/manual)
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
string(REPLACE "](docs/manual/" "](${installed_manual}/" readme "${readme}")
file(WRITE ${TOVIRAN_DEBIAN_DIR}/README.md "${readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)
install(FILES ${TOVIRAN_DEBIAN_DIR}/changelog.gz ${TOVIRAN_DEBIAN_DIR}/copyright
              ${TOVIRAN_DEBIAN_DIR}/README.md
        DESTINATION ${TOVIRAN_DOC_DIR})
include(CPack)
