# Installing the game as a desktop game: `cmake --install build --prefix PREFIX`
# (DESTDIR honoured). Every path is a cache variable a packager can change.
include(GNUInstallDirs)
set(VK_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/vorlane-kart" CACHE STRING
    "Where the game's images, models and sound go, under the prefix")
set(VK_INSTALL_APPLICATIONSDIR "${CMAKE_INSTALL_DATADIR}/applications" CACHE STRING
    "Where the desktop entry goes")
set(VK_INSTALL_METAINFODIR "${CMAKE_INSTALL_DATADIR}/metainfo" CACHE STRING
    "Where the AppStream file goes")
set(VK_INSTALL_ICONDIR "${CMAKE_INSTALL_DATADIR}/icons/hicolor" CACHE STRING
    "The icon theme the icons go into")

# The game finds its data from its own place first, then where it was
# configured to be installed.
file(RELATIVE_PATH VK_DATA_FROM_BIN "/${CMAKE_INSTALL_BINDIR}" "/${VK_INSTALL_DATADIR}")
if(IS_ABSOLUTE "${VK_INSTALL_DATADIR}")
  set(VK_INSTALLED_DATA "${VK_INSTALL_DATADIR}")
else()
  set(VK_INSTALLED_DATA "${CMAKE_INSTALL_PREFIX}/${VK_INSTALL_DATADIR}")
endif()
target_compile_definitions(vorlane-kart PRIVATE VK_INSTALLED_DATA="${VK_INSTALLED_DATA}"
                                                VK_DATA_FROM_BIN="${VK_DATA_FROM_BIN}")

install(TARGETS vorlane-kart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${VK_DATA_DIR}/ DESTINATION ${VK_INSTALL_DATADIR}
        FILES_MATCHING PATTERN "*.tga" PATTERN "*.ase" PATTERN "*.ASE" PATTERN "*.wav")
install(FILES ${CMAKE_SOURCE_DIR}/desktop/vorlane-kart.desktop
        DESTINATION ${VK_INSTALL_APPLICATIONSDIR})
install(FILES ${CMAKE_SOURCE_DIR}/desktop/vorlane-kart.metainfo.xml
        DESTINATION ${VK_INSTALL_METAINFODIR})
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${CMAKE_BINARY_DIR}/icons/vorlane-kart-${size}.png
          DESTINATION ${VK_INSTALL_ICONDIR}/${size}x${size}/apps RENAME vorlane-kart.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorlane-kart)
