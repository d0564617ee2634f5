# Bringing the window to the front on X11 needs a current server time.
if(NOT WIN32)
  find_package(Qt5 5.15 REQUIRED COMPONENTS X11Extras)
  target_link_libraries(portview_services PUBLIC Qt5::X11Extras)
endif()
