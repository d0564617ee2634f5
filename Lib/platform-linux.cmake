# The Linux platform layer: raw key events through Xlib and XInput 2,
# device arrival and removal through libudev.
if(NOT WIN32)
  find_package(X11 REQUIRED)
  if(NOT TARGET X11::Xi)
    message(FATAL_ERROR "The XInput 2 library (libxi-dev) is missing")
  endif()
  pkg_check_modules(UDEV REQUIRED IMPORTED_TARGET libudev)
  target_link_libraries(portview_services PUBLIC X11::X11 X11::Xi PkgConfig::UDEV)
endif()
