# The tree keeps one layout, the one .clang-format describes: the build refuses a C++ file of
# ours that clang-format would change, as it refuses relative includes. The version is pinned,
# since another clang-format may lay out the same file otherwise. A file is checked again only
# when it changes.
find_program(SHROUD_CLANG_FORMAT clang-format-14 REQUIRED)
set(shroud_formatted_folders plaintext cipher hardening openpgp platform dialogs editor cli tests
    bench fuzz)
list(TRANSFORM shroud_formatted_folders APPEND /*.cpp OUTPUT_VARIABLE sources)
list(TRANSFORM shroud_formatted_folders APPEND /*.h OUTPUT_VARIABLE headers)
file(GLOB_RECURSE shroud_formatted_files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
     ${sources} ${headers})
set(stamps)
foreach(file IN LISTS shroud_formatted_files)
    set(stamp ${CMAKE_BINARY_DIR}/formatting/${file}.checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${SHROUD_CLANG_FORMAT} --dry-run --Werror ${file}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${CMAKE_SOURCE_DIR}/${file} ${CMAKE_SOURCE_DIR}/.clang-format
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        VERBATIM)
    list(APPEND stamps ${stamp})
endforeach()
add_custom_target(formatting ALL DEPENDS ${stamps} COMMENT "Checking the tree's layout")
