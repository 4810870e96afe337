# What `cmake --install` puts in place: the two programs, the help collection, and the desktop
# entry, armoured-text file type and program icon by which a freedesktop desktop knows them.
# Refreshing the desktop's caches (update-mime-database, update-desktop-database,
# gtk-update-icon-cache) is left to the package or the user, as it may need root.
include(GNUInstallDirs)

foreach(program shroud-a-pad qvl)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(FILES ${CMAKE_BINARY_DIR}/bin/QVL.qhc ${CMAKE_BINARY_DIR}/bin/QVL.qch
        DESTINATION ${CMAKE_INSTALL_DATADIR}/shroud-a-pad/help OPTIONAL)

set(resources ${CMAKE_SOURCE_DIR}/resources)
install(FILES ${resources}/shroud-a-pad.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${resources}/shroud-a-pad-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME shroud-a-pad.xml)

set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${resources}/icons/shroud-a-pad.svg DESTINATION ${icon_theme}/scalable/apps)
foreach(size 16 32)
    install(FILES ${resources}/icons/shroud-a-pad-${size}.png
            DESTINATION ${icon_theme}/${size}x${size}/apps RENAME shroud-a-pad.png)
endforeach()
