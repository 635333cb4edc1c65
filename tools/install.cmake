# Installed like a Linux program: the executable in libexec, started through a
# launcher link in bin; its bundle, menu entry, icon and manual page under share.
# All of it is one component, so that a test or the package installs with a
# record of its own (install_manifest_tessaloom.txt) and the user's
# install_manifest.txt stays the record of the user's install.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tessaloom)
install(TARGETS tessaloom DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tessaloom)
install(DIRECTORY ${TESS_BUNDLE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaloom)

# The launcher is made here and installed as a file, so the record lists it.
file(RELATIVE_PATH TESS_LAUNCH ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tessaloom/tessaloom)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ${TESS_LAUNCH} ${CMAKE_BINARY_DIR}/launcher/tessaloom SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/tessaloom DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_BINARY_DIR}/tessaloom.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(docs/tessaloom.1.in tessaloom.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/tessaloom.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The menu entry starts the launcher by its absolute path, which only the
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

# The same install as a Debian package into /usr: cpack -G DEB in the build
# folder. Its Depends come from the libraries the executable links (dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaloom)
set(CPACK_PACKAGE_VERSION ${TESS_VERSION})
set(CPACK_PACKAGE_CONTACT "the Tessaloom authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keyboard-driven editor for OpenGL vector models")
set(CPACK_PACKAGE_DESCRIPTION "A small editor for two-dimensional vector models drawn with the fixed-function
OpenGL pipeline, worked with the keyboard or a joystick. It exports the model as
OpenGL source text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Tessaloom;tessaloom;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL when it makes the window, unseen by the link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
include(CPack)
