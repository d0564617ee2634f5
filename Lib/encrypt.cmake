# The services reach the container library through its exported functions.
target_link_libraries(portview_services PUBLIC EncryptApi)
# The installed program finds the library in the installation's lib folder.
if(NOT WIN32)
  include(GNUInstallDirs)
  list(APPEND CMAKE_INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
endif()
