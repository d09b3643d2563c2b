# The installed layout. The player finds lang/, theme/, Plugins/ and DOC/ in its own folder,
# so they sit beside the binary under <prefix>/lib/tavrel/ and bin/tavrel is a link to it.
# What the player writes (the ini file, snapshots) goes to the user's folders when that
# folder is read-only, as an installed one is.
set(TAVREL_APP_DIR lib/tavrel)
set(TAVREL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging/linux)

install(TARGETS tavrel tavrel-disc-probe RUNTIME DESTINATION ${TAVREL_APP_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/lang ${PROJECT_SOURCE_DIR}/theme ${PROJECT_SOURCE_DIR}/DOC
        DESTINATION ${TAVREL_APP_DIR} PATTERN ".keep" EXCLUDE)
install(DIRECTORY DESTINATION ${TAVREL_APP_DIR}/Plugins)
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${TAVREL_APP_DIR}/tavrel \"\${bin}/tavrel\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/tavrel -> ../${TAVREL_APP_DIR}/tavrel\")")

install(FILES ${TAVREL_PACKAGING_DIR}/tavrel.desktop DESTINATION share/applications)
install(FILES ${TAVREL_PACKAGING_DIR}/org.tavrel.Tavrel.metainfo.xml DESTINATION share/metainfo)
install(FILES ${TAVREL_PACKAGING_DIR}/tavrel.1 DESTINATION share/man/man1)
install(FILES ${TAVREL_PACKAGING_DIR}/tavrel.svg DESTINATION share/icons/hicolor/scalable/apps)

# The fixed sizes are drawn from the scalable icon, so the artwork has one source.
find_program(TAVREL_RSVG_CONVERT rsvg-convert)
if(TAVREL_RSVG_CONVERT)
    set(icon_files "")
    foreach(size 16 22 24 32 48 64 128 256)
        set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/tavrel.png)
        add_custom_command(OUTPUT ${icon}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${TAVREL_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon}
                    ${TAVREL_PACKAGING_DIR}/tavrel.svg
            DEPENDS ${TAVREL_PACKAGING_DIR}/tavrel.svg)
        list(APPEND icon_files ${icon})
        install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(tavrel_icons ALL DEPENDS ${icon_files})
else()
    message(WARNING "rsvg-convert not found: only the scalable icon is installed")
endif()
