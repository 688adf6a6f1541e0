# Installs the program like a desktop program: the executable, the shipped data it seeds each
# user's folder from, the desktop entry, the icons and the AppStream description. Works without
# root into a user prefix: cmake --install build --prefix ~/.local
include(GNUInstallDirs)

set(KELVOR_DESKTOP_ID jp.vantrel.kelvormini)
set(KELVOR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/kelvor-mini)

# The installed program finds its shipped SysData relative to itself, so any prefix works.
file(RELATIVE_PATH KELVOR_SHIPPED_SYSDATA /${CMAKE_INSTALL_BINDIR} /${KELVOR_DATA_DIR}/SysData)
target_compile_definitions(kelvor-mini PRIVATE
    KELVOR_SHIPPED_SYSDATA="${KELVOR_SHIPPED_SYSDATA}"
    KELVOR_DESKTOP_ID="${KELVOR_DESKTOP_ID}")

install(TARGETS kelvor-mini RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/SysData/ DESTINATION ${KELVOR_DATA_DIR}/SysData
        PATTERN .gitkeep EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${KELVOR_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${KELVOR_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Removes exactly the files of the last install from this build folder, and the program's own
# folders when they are left empty.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
            "-DOWN_DIRS=${KELVOR_DATA_DIR}|${CMAKE_INSTALL_DOCDIR}"
            -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
    VERBATIM)

# The installed tree: every file in place, the desktop entry and the AppStream file valid, and
# uninstall leaving nothing behind.
add_test(NAME InstallTree
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-install.sh ${CMAKE_BINARY_DIR}
                 "${KELVOR_DATA_DIR}|${CMAKE_INSTALL_DOCDIR}")
