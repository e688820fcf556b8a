# cmake --install: both programs, the desktop entry, the MIME package and the icon.
include(GNUInstallDirs)

if(TARGET classshaper)
    install(TARGETS classshaper RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET classshaper-gen)
    install(TARGETS classshaper-gen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The installed entry finds the program on PATH; the entry each start writes under
# $XDG_DATA_HOME names the running executable's real path and takes precedence.
set(CLASSSHAPER_EXEC classshaper)
configure_file(${CMAKE_SOURCE_DIR}/desktop/veltrane-classshaper.desktop.in
    ${CMAKE_BINARY_DIR}/desktop/veltrane-classshaper.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/veltrane-classshaper.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/veltrane-classshaper.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/veltrane-classshaper.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
