# Runs at install time, when the final prefix is known: writes the master
# copy of the log-on entry with the installed executable's path (quoted by
# portview-autostart-entry) into the build folder and places it in
# share/vemo-portview/, where every user's run finds it.
set(bindir "${PORTVIEW_BINDIR}")
if(NOT IS_ABSOLUTE "${bindir}")
  set(bindir "${CMAKE_INSTALL_PREFIX}/${bindir}")
endif()
set(datadir "${PORTVIEW_DATADIR}")
if(NOT IS_ABSOLUTE "${datadir}")
  set(datadir "${CMAKE_INSTALL_PREFIX}/${datadir}")
endif()
set(entry "${PORTVIEW_AUTOSTART_WORKDIR}/autostart/${PORTVIEW_BRAND_WORD} Portview.desktop")
file(MAKE_DIRECTORY "${PORTVIEW_AUTOSTART_WORKDIR}/autostart")
execute_process(COMMAND "${PORTVIEW_AUTOSTART_TOOL}" "${bindir}/vemo-portview" "${PORTVIEW_BRAND_WORD}" "${entry}"
                RESULT_VARIABLE written)
if(NOT written EQUAL 0)
  message(FATAL_ERROR "The log-on entry for ${bindir}/vemo-portview could not be written")
endif()
file(INSTALL "${entry}" DESTINATION "${datadir}/vemo-portview")
