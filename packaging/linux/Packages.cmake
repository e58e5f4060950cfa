# The .deb and .rpm of both programs, for the /usr prefix, made by `cpack` from the build tree
# (`cpack --config <build>/CPackConfig.cmake`); what `cmake --install` installs is what they hold.
set(CPACK_PACKAGE_NAME keyloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Keyloom developers")
set(CPACK_PACKAGE_CONTACT "The Keyloom developers <${KEYLOOM_MAKER_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KEYLOOM_MAKER_WEB_SITE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "phrase sender and word completer for every program")
set(CPACK_PACKAGE_DESCRIPTION
    "Quipcast types stored phrases into any program from a few launch letters or a\n"
    "function-key chord. Keyloom completes and predicts the word being typed in any\n"
    "program from word lists in ten languages. Both live in the tray and work under\n"
    "X11 and, through their IBus input method, on Wayland.\n"
    "\n"
    "After installing, restart IBus (ibus restart) for the Keyloom input source\n"
    "to be listed. On Wayland, add it in the desktop's keyboard settings.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_GENERATOR "DEB;RPM")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Staged and packed in the build tree, whichever folder cpack runs from.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The input method is needed on Wayland only; tray hosts differ by desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ibus")

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE "GPL-3.0-or-later")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Text")
set(CPACK_RPM_PACKAGE_URL ${KEYLOOM_MAKER_WEB_SITE})
set(CPACK_RPM_PACKAGE_RECOMMENDS "ibus")
# Folders that the distribution's own packages own.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/libexec /usr/share/applications /usr/share/icons /usr/share/icons/hicolor
    /usr/share/man /usr/share/man/man1 /usr/share/metainfo /usr/share/ibus
    /usr/share/ibus/component)
foreach(size 16 32 48 64 128 256)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
       /usr/share/icons/hicolor/${size}x${size} /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()
list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/icons/hicolor/scalable
     /usr/share/icons/hicolor/scalable/apps)

include(CPack)
