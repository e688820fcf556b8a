# cmake --install: both programs, the desktop entry, the MIME package, the icons, the manual
# pages and the package documentation, where GNUInstallDirs puts them on a Debian system.
include(GNUInstallDirs)

if(TARGET classshaper)
    install(TARGETS classshaper RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET classshaper-gen)
    install(TARGETS classshaper-gen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The installed entry finds the program on PATH. A program started from a build folder writes
# its own entry under $XDG_DATA_HOME instead (DesktopRegistration).
set(CLASSSHAPER_EXEC classshaper)
configure_file(${CMAKE_SOURCE_DIR}/desktop/veltrane-classshaper.desktop.in
    ${CMAKE_BINARY_DIR}/desktop/veltrane-classshaper.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/veltrane-classshaper.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/veltrane-classshaper.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/veltrane-classshaper.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/${size}x${size}/veltrane-classshaper.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian names the documentation folder after the package, not after the CMake project.
set(CLASSSHAPER_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/classshaper)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
# -n keeps the name and time out, so the package is the same on every build.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${GZIP_EXECUTABLE} -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog
            > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
    DESTINATION ${CLASSSHAPER_DOCDIR})

include(cmake/ManPages.cmake)
include(cmake/Package.cmake)
