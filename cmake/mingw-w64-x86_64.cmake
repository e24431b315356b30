# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which GoogleTest and Qt need). Used by the windows preset, the Windows unit
# tier and tools/build-qt-windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Qt for Windows lives in its own prefix (LUMO_QT_WINDOWS_PREFIX), outside
# the root above; its libraries and headers are found there too.
if(DEFINED ENV{LUMO_QT_WINDOWS_PREFIX} AND NOT LUMO_QT_WINDOWS_PREFIX)
  set(LUMO_QT_WINDOWS_PREFIX "$ENV{LUMO_QT_WINDOWS_PREFIX}")
endif()
if(LUMO_QT_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${LUMO_QT_WINDOWS_PREFIX}")
  list(APPEND CMAKE_PREFIX_PATH "${LUMO_QT_WINDOWS_PREFIX}")
endif()
