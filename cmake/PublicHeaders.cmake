# What a library shows its users: each public header gets a one-line forwarding header under
# ${CMAKE_BINARY_DIR}/include/<target>/<folder>/, and only that directory is on the users'
# include path. Users write "<folder>/<Header>.h"; every other header of the folder stays
# reachable from the library's own sources only.
#
#   classshaper_public_headers(<target> ALL)
#   classshaper_public_headers(<target> HEADERS <Header>.h ...)
function(classshaper_public_headers target)
    cmake_parse_arguments(ARG "ALL" "" "HEADERS" ${ARGN})
    if(ARG_ALL)
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
             ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    else()
        set(headers ${ARG_HEADERS})
    endif()

    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    _classshaper_write_forwarders(${root}/${folder} ${headers})

    target_include_directories(${target}
        PUBLIC $<BUILD_INTERFACE:${root}>
        PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# Writes a forwarder per header (only when its text changes, so nothing rebuilds needlessly)
# and removes forwarders of headers that are no longer public.
function(_classshaper_write_forwarders directory)
    set(wanted "")
    foreach(header ${ARGN})
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "Public header ${header} not found in ${CMAKE_CURRENT_SOURCE_DIR}")
        endif()
        file(CONFIGURE OUTPUT ${directory}/${header} CONTENT "#include \"${source}\"\n")
        list(APPEND wanted ${directory}/${header})
    endforeach()

    file(GLOB_RECURSE present ${directory}/*.h)
    foreach(forwarder ${present})
        if(NOT forwarder IN_LIST wanted)
            file(REMOVE ${forwarder})
        endif()
    endforeach()
endfunction()
