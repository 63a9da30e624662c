# The system-wide layout, installed only on request (component "system", the Debian package's
# content): the program folder in PREFIX/lib/zorv, read-only for users, who keep their own files
# in their data folder; the three executables on the PATH through links in PREFIX/bin; the desktop
# entry, the icons, the AppStream metainfo and the manual pages below PREFIX/share.
#
#   cmake --install build --component system --prefix /usr
#
# The executables add themselves (zorv_program in src/CMakeLists.txt) to ZORV_SYSTEM_PROGRAM_DIR.

install(DIRECTORY data/ DESTINATION ${ZORV_SYSTEM_PROGRAM_DIR}
        COMPONENT system EXCLUDE_FROM_ALL PATTERN ".gitkeep" EXCLUDE)

# Relative links, so that the layout stays whole wherever it is unpacked (a package's scratch
# root, DESTDIR). The program finds its data through the link: the system reports the executable's
# real folder.
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    foreach(program zorv zorv-eval zorv-ini)
        message(STATUS \"Installing: \${bin}/\${program} -> ../${ZORV_SYSTEM_PROGRAM_DIR}/\${program}\")
        file(CREATE_LINK \"../${ZORV_SYSTEM_PROGRAM_DIR}/\${program}\" \"\${bin}/\${program}\" SYMBOLIC)
    endforeach()
" COMPONENT system EXCLUDE_FROM_ALL)

# On the PATH, the desktop starts the program by its name.
file(READ ${CMAKE_SOURCE_DIR}/packaging/zorv.desktop.in desktop_entry)
string(REPLACE "Exec=\"@PROGRAM_DIR@/zorv\"" "Exec=zorv" desktop_entry "${desktop_entry}")
string(REGEX REPLACE "Path=@PROGRAM_DIR@\n" "" desktop_entry "${desktop_entry}")
if(desktop_entry MATCHES "@PROGRAM_DIR@")
    message(FATAL_ERROR "packaging/zorv.desktop.in: a program folder is left in the system entry")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/packaging/zorv.desktop "${desktop_entry}")
install(FILES ${CMAKE_BINARY_DIR}/packaging/zorv.desktop DESTINATION share/applications
        COMPONENT system EXCLUDE_FROM_ALL)

foreach(size 16 32 48 128)
    install(FILES src/shell/windows/resources/zorv${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zorv.png
            COMPONENT system EXCLUDE_FROM_ALL)
endforeach()

configure_file(packaging/fr.vartelune.zorv.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/fr.vartelune.zorv.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/fr.vartelune.zorv.metainfo.xml
        DESTINATION share/metainfo COMPONENT system EXCLUDE_FROM_ALL)

# Manual pages carry the version the program shows, and are shipped compressed, without a time
# stamp, so that a rebuild gives the same bytes.
set(man_pages)
foreach(page zorv zorv-eval zorv-ini)
    set(page_text ${CMAKE_BINARY_DIR}/packaging/man/${page}.1)
    configure_file(packaging/man/${page}.1 ${page_text} @ONLY)
    set(page_gz ${page_text}.gz)
    add_custom_command(OUTPUT ${page_gz}
        COMMAND gzip -9 -n -c ${page_text} > ${page_gz}
        DEPENDS ${page_text}
        VERBATIM)
    list(APPEND man_pages ${page_gz})
endforeach()
add_custom_target(zorv_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION share/man/man1 COMPONENT system EXCLUDE_FROM_ALL)

# What Debian asks of every package: the licence in the machine-readable copyright format, and
# the changelog, compressed like the manual pages. A native package's changelog names its version,
# which must be the one packed.
file(STRINGS packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^zorv \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${changelog_gz}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(zorv_changelog ALL DEPENDS ${changelog_gz})
install(FILES packaging/copyright ${changelog_gz} DESTINATION share/doc/zorv
        COMPONENT system EXCLUDE_FROM_ALL)
