# Layers the build enforces. A library's headers are included as "folder/Header.h" through an
# include folder of its own that holds links to that library's headers and nothing else, so a
# source file finds the headers of the libraries its target links and no others: an include from
# a layer above, of a library the target does not link, or of another library in the same folder
# (GnuPG's side of openpgp/ beside the entry the editor links, the help module's viewer under
# platform/) fails to compile. The headers are those among the target's sources, at their places
# under the library's folder; a library of headers only names them with HEADERS.
function(shroud_export_headers target)
    cmake_parse_arguments(E "" "" "HEADERS" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(links ${CMAKE_BINARY_DIR}/include/${target}/${folder})
    # A build folder made before may hold a link to the whole folder, or links to headers since
    # removed: only links are removed, never what they point to.
    if(IS_SYMLINK ${links})
        file(REMOVE ${links})
    endif()
    file(GLOB_RECURSE stale ${links}/*.h)
    file(REMOVE "${stale}")
    file(MAKE_DIRECTORY ${links})
    get_target_property(sources ${target} SOURCES)
    foreach(header IN LISTS sources E_HEADERS)
        if(header MATCHES "\\.h$")
            get_filename_component(header ${header} ABSOLUTE)
            file(RELATIVE_PATH name ${CMAKE_CURRENT_SOURCE_DIR} ${header})
            get_filename_component(place ${links}/${name} DIRECTORY)
            file(MAKE_DIRECTORY ${place})
            file(CREATE_LINK ${header} ${links}/${name} SYMBOLIC)
        endif()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${CMAKE_BINARY_DIR}/include/${target})
    else()
        target_include_directories(${target} PUBLIC ${CMAKE_BINARY_DIR}/include/${target})
    endif()
endfunction()

# A relative include ("../editor/Header.h") would walk past the include folders, so the build
# refuses any in the libraries' folders.
set(shroud_layered_folders plaintext cipher hardening openpgp platform dialogs editor cli)
add_custom_target(relative_includes ALL
    COMMAND sh -c "! grep -rnE '#[[:space:]]*include[[:space:]]*\"\\.\\./' $*" sh ${shroud_layered_folders}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Looking for includes that walk past the layers"
    VERBATIM)
