# Layers the build enforces. A library's headers are included as "folder/Header.h" through an
# include folder of its own that holds that one folder and nothing else, so a source file finds
# the headers of the libraries its target links and no others: an include from a layer above,
# or of a library the target does not link, fails to compile.
function(shroud_export_headers target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
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
