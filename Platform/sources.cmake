# The platform layer's files, relative to Platform/: read by
# Platform/CMakeLists.txt and by the Windows checks (tests/windows), so both
# compile the same list.
set(PORTVIEW_PLATFORM_HEADERS
  autostart.h deviceaccess.h devicenotify.h filemove.h fileversion.h inikeys.h keyboardhook.h lineend.h
  processes.h raisewindow.h readablefile.h registry.h singleinstance.h sound.h globalshortcut.h memorytrim.h)
# One implementation of each facility per system.
set(PORTVIEW_PLATFORM_FACILITIES autostart deviceaccess devicenotify filemove fileversion inikeys keyboardhook
  lineend processes raisewindow registry singleinstance sound memorytrim)
list(TRANSFORM PORTVIEW_PLATFORM_FACILITIES REPLACE "(.+)" "win/\\1.cpp" OUTPUT_VARIABLE PORTVIEW_PLATFORM_WIN_SOURCES)
list(TRANSFORM PORTVIEW_PLATFORM_FACILITIES REPLACE "(.+)" "linux/\\1.cpp" OUTPUT_VARIABLE PORTVIEW_PLATFORM_LINUX_SOURCES)
list(APPEND PORTVIEW_PLATFORM_LINUX_SOURCES
  # The PE version reader is portable; only Linux needs it, and it reads the
  # ELF section with the same block too.
  peversionreader.cpp peversionreader.h elfversionreader.cpp elfversionreader.h
  linux/desktopentry.cpp linux/desktopentry.h linux/evdevkeys.cpp linux/evdevkeys.h
  linux/keytracker.cpp linux/keytracker.h linux/udevnames.cpp linux/udevnames.h
  # The switch hotkey through the desktop portal where the session is Wayland.
  linux/portalshortcuts.cpp linux/portalshortcuts.h)
