# ProcessInfo: the Windows version API lives in version.dll. On Linux the
# installation leaves the master copy of the log-on entry where every user's
# first run finds it: share/Vemo/Vemo Portview/ is one of the application-data
# folders Qt searches (through XDG_DATA_DIRS), and the program also looks
# there relative to its own bin/ folder, so any prefix works.
if(WIN32)
  target_link_libraries(portview_services PUBLIC version)
else()
  include(GNUInstallDirs)
  set(PORTVIEW_AUTOSTART_EXEC "${CMAKE_INSTALL_FULL_BINDIR}/vemo-portview")
  if(PORTVIEW_AUTOSTART_EXEC MATCHES " ")
    set(PORTVIEW_AUTOSTART_EXEC "\"${PORTVIEW_AUTOSTART_EXEC}\"")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/Platform/linux/autostart.desktop.in
                 "${CMAKE_BINARY_DIR}/Vemo Portview.desktop" @ONLY)
  install(FILES "${CMAKE_BINARY_DIR}/Vemo Portview.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/Vemo/Vemo Portview")
endif()
