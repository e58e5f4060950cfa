# Run by `cmake --install`: writes the component and the engine's desktop entry for the prefix
# being installed to (which `--prefix` may change after the build was configured).
set(KEYLOOM_IBUS_EXEC ${CMAKE_INSTALL_PREFIX}/${KEYLOOM_LIBEXECDIR}/keyloom-ibus-engine)
set(KEYLOOM_IBUS_ICON ${CMAKE_INSTALL_PREFIX}/${KEYLOOM_DATADIR}/icons/hicolor/scalable/apps/keyloom.svg)
configure_file(${KEYLOOM_SOURCE_DIR}/keyloom.xml.in ${KEYLOOM_STAGING_DIR}/keyloom.xml @ONLY)
configure_file(${KEYLOOM_SOURCE_DIR}/keyloom-ibus-engine.desktop.in
               ${KEYLOOM_STAGING_DIR}/keyloom-ibus-engine.desktop @ONLY)
file(INSTALL ${KEYLOOM_STAGING_DIR}/keyloom.xml
     DESTINATION ${CMAKE_INSTALL_PREFIX}/${KEYLOOM_DATADIR}/ibus/component)
# Desktops look the engine's name and icon up by its desktop entry; the icon is the programs'.
file(INSTALL ${KEYLOOM_STAGING_DIR}/keyloom-ibus-engine.desktop
     DESTINATION ${CMAKE_INSTALL_PREFIX}/${KEYLOOM_DATADIR}/applications)
