# The program's modules: shared libraries of its own that it loads only when a command first
# needs them, so that starting the program does not load the libraries they link (the help
# engine, GnuPG's). They lie in a folder of their own, found from the program's folder by the
# same relative path in the build tree and in the installed tree.
include(GNUInstallDirs)
file(RELATIVE_PATH shroud_module_folder ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/shroud-a-pad)

get_filename_component(shroud_built_module_folder ${CMAKE_BINARY_DIR}/bin/${shroud_module_folder}
                       ABSOLUTE)

function(shroud_add_module target)
    add_library(${target} MODULE ${ARGN})
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        LIBRARY_OUTPUT_DIRECTORY ${shroud_built_module_folder})
    install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/shroud-a-pad)
endfunction()
