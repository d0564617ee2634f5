# ProcessInfo: the Windows version API lives in version.dll. On Linux the
# installation leaves the master copy of the log-on entry in
# share/Vemo/Vemo Portview/: one of the application-data folders Qt searches
# (through XDG_DATA_DIRS), and the program also looks there relative to its
# own bin/ folder, so any prefix works.
if(WIN32)
  target_link_libraries(portview_services PUBLIC version)
else()
  include(GNUInstallDirs)
  install(CODE "
    set(PORTVIEW_AUTOSTART_TEMPLATE \"${CMAKE_SOURCE_DIR}/Platform/linux/autostart.desktop.in\")
    set(PORTVIEW_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(PORTVIEW_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
  install(SCRIPT ${CMAKE_SOURCE_DIR}/Platform/linux/install-autostart.cmake)
endif()
