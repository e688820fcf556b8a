# Installs the build into a fresh prefix and checks what a desktop needs of the installation.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(installed
        bin/classshaper
        bin/classshaper-gen
        share/applications/veltrane-classshaper.desktop
        share/mime/packages/veltrane-classshaper.xml
        share/icons/hicolor/scalable/apps/veltrane-classshaper.svg
        share/icons/hicolor/48x48/apps/veltrane-classshaper.png
        share/icons/hicolor/256x256/apps/veltrane-classshaper.png
        share/doc/classshaper/copyright
        share/doc/classshaper/changelog.gz
        ${MAN_PAGES})
    if(NOT EXISTS "${PREFIX}/${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()

file(READ "${PREFIX}/share/applications/veltrane-classshaper.desktop" entry)
foreach(line "Exec=classshaper %f\n" "Exec=classshaper %f /COMPILE\n"
        "MimeType=application/x-vlt-ctf;\n")
    string(FIND "${entry}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks: ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
