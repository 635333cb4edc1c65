# Installed like a Linux program: the executable in bin; its bundle, menu
# entry, software-centre entry, icon, manual page, licence and changelog under share.
# All of it is one component, so that a test or the package installs with a
# record of its own (install_manifest_tessaloom.txt) and the user's
# install_manifest.txt stays the record of the user's install.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tessaloom)
install(TARGETS tessaloom DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${TESS_BUNDLE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaloom)
install(FILES ${CMAKE_BINARY_DIR}/tessaloom.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/invalid.tessaloom.tessaloom.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence in Debian's machine-readable form: its text is LICENSE's, past
# the copyright line, each line indented and blank ones a lone dot.
file(READ LICENSE TESS_LICENSE)
string(REGEX REPLACE "^.*Copyright \\(c\\)[^\n]*\n\n" "" TESS_LICENSE "${TESS_LICENSE}")
string(STRIP "${TESS_LICENSE}" TESS_LICENSE)
string(REPLACE "\n\n" "\n.\n" TESS_LICENSE "${TESS_LICENSE}")
string(REPLACE "\n" "\n " TESS_LICENSE "${TESS_LICENSE}")
configure_file(resources/copyright.in copyright @ONLY)

# Debian keeps the manual page and the changelog compressed; -n leaves the
# name and time out, so the same text gives the same bytes.
configure_file(docs/tessaloom.1.in tessaloom.1 @ONLY)
configure_file(resources/changelog changelog COPYONLY)
add_custom_command(OUTPUT tessaloom.1.gz changelog.gz
  COMMAND gzip -9nkf tessaloom.1 changelog
  DEPENDS ${CMAKE_BINARY_DIR}/tessaloom.1 ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(tess_docs DEPENDS tessaloom.1.gz changelog.gz)
add_dependencies(tessaloom tess_docs)
install(FILES ${CMAKE_BINARY_DIR}/tessaloom.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaloom)

# The menu entry starts the executable by its absolute path, which only the
# install knows (cmake --install --prefix, the package's /usr).
install(FILES resources/tessaloom.desktop.in DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  RENAME tessaloom.desktop)
install(CODE "
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/tessaloom.desktop\")
  file(READ \"\${entry}\" text)
  string(REPLACE @LAUNCHER@ \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tessaloom\" text \"\${text}\")
  file(WRITE \"\${entry}\" \"\${text}\")")

# Says how to give the export its folder when the installing user has none:
# under sudo, for the user who ran it; never while files are staged (DESTDIR:
# the package, the tests).
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    set(as)
    if(NOT \"\$ENV{SUDO_USER}\" STREQUAL \"\")
      set(as sudo -u \$ENV{SUDO_USER} -H)
    endif()
    execute_process(COMMAND \${as} bash ${CMAKE_SOURCE_DIR}/tools/export_folder.sh hint)
  endif()")

# The same install as a Debian package into /usr: cpack in the build folder
# (bash dev.sh package). Its Depends come from the libraries the executable links (dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaloom)
set(CPACK_PACKAGE_VERSION ${TESS_VERSION})
# The project has no public address: the reserved .invalid domain can be no
# one's.
set(CPACK_PACKAGE_CONTACT "The Tessaloom authors <authors@tessaloom.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keyboard-driven editor for OpenGL vector models")
set(CPACK_PACKAGE_DESCRIPTION "A small editor for two-dimensional vector models drawn with the
fixed-function OpenGL pipeline, worked with the keyboard or a joystick.
It exports the model as OpenGL source text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Tessaloom;tessaloom;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL when it makes the window, unseen by the link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
set(CPACK_TESS_SOURCE ${CMAKE_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/tools/package_epoch.cmake)
include(CPack)
