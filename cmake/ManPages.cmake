# The manual pages, German, written in scdoc and installed gzipped as Debian expects. Without
# scdoc the build goes on without them.
find_program(SCDOC_EXECUTABLE scdoc)
if(NOT SCDOC_EXECUTABLE)
    message(STATUS "scdoc not found: the manual pages are not built (apt-get install scdoc)")
    return()
endif()

set(man_pages)
foreach(page IN ITEMS classshaper.1 classshaper-gen.1)
    set(source ${CMAKE_BINARY_DIR}/man/${page}.scd)
    set(roff ${CMAKE_BINARY_DIR}/man/${page})
    configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.scd ${source} @ONLY)
    # scdoc reads standard input only; gzip replaces the roff file by roff.gz.
    add_custom_command(OUTPUT ${roff}.gz
        COMMAND sh -c "\"$0\" < \"$1\" > \"$2\"" ${SCDOC_EXECUTABLE} ${source} ${roff}
        COMMAND ${GZIP_EXECUTABLE} -9nf ${roff}
        DEPENDS ${source} VERBATIM)
    list(APPEND man_pages ${roff}.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
