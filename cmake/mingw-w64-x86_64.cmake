# Cross-compiling for 64-bit Windows with Debian's mingw-w64 tools
# (g++-mingw-w64-x86-64):
#   cmake -S DIR -B BUILD -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The Windows checks (tests/windows) build with it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PORTVIEW_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PORTVIEW_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${PORTVIEW_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${PORTVIEW_MINGW_PREFIX}-windres)
# Libraries and headers come from the Windows tree only; programs that run
# during the build are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${PORTVIEW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
