# What `cmake --install` puts in place: the two programs, the help collections (the English one
# and one for each language the help is translated to), the manual pages, the licence, and the
# desktop entry, armoured-text file type, program icon and AppStream metainfo by which a
# freedesktop desktop and its software centres know them.
# Refreshing the desktop's caches (update-mime-database, update-desktop-database,
# gtk-update-icon-cache) is left to the package or the user, as it may need root.
include(GNUInstallDirs)

install(TARGETS shroud-a-pad qvl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${SHROUD_HELP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/shroud-a-pad/help)

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

# Named after its component id, as software centres look it up.
install(FILES ${resources}/shroud-a-pad.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME io.github.shroud_a_pad.shroud_a_pad.metainfo.xml)

# Manual pages are installed compressed, as man reads them and Debian's policy asks.
set(manual_pages)
foreach(page shroud-a-pad.1 qvl.1)
    set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/help/man/${page} > ${compressed}
        DEPENDS ${CMAKE_SOURCE_DIR}/help/man/${page}
        COMMENT "Compressing the manual page ${page}")
    list(APPEND manual_pages ${compressed})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence in Debian's machine-readable copyright format: the fields, then LICENSE's text
# with every line indented and every blank line a lone full stop.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "\n$" "" licence "${licence}")
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REGEX REPLACE "\n" "\n " licence "${licence}")
file(WRITE ${CMAKE_BINARY_DIR}/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: Shroud-a-Pad\n\n"
     "Files: *\nCopyright: 2026 the Shroud-a-Pad developers\nLicense: MIT\n"
     "\nLicense: MIT\n ${licence}\n")
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/shroud-a-pad)
