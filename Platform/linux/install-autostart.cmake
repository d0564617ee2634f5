# Runs at install time, when the final prefix is known: writes the master
# copy of the log-on entry with the installed executable's path and places
# it in share/Vemo/Vemo Portview/, where every user's run finds it.
set(bindir "${PORTVIEW_BINDIR}")
if(NOT IS_ABSOLUTE "${bindir}")
  set(bindir "${CMAKE_INSTALL_PREFIX}/${bindir}")
endif()
set(datadir "${PORTVIEW_DATADIR}")
if(NOT IS_ABSOLUTE "${datadir}")
  set(datadir "${CMAKE_INSTALL_PREFIX}/${datadir}")
endif()
set(PORTVIEW_AUTOSTART_EXEC "${bindir}/vemo-portview")
if(PORTVIEW_AUTOSTART_EXEC MATCHES " ")
  set(PORTVIEW_AUTOSTART_EXEC "\"${PORTVIEW_AUTOSTART_EXEC}\"")
endif()
configure_file("${PORTVIEW_AUTOSTART_TEMPLATE}" "${CMAKE_CURRENT_BINARY_DIR}/autostart/Vemo Portview.desktop" @ONLY)
file(INSTALL "${CMAKE_CURRENT_BINARY_DIR}/autostart/Vemo Portview.desktop"
     DESTINATION "${datadir}/vemo-portview")
