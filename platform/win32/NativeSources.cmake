# The Qt-free Win32 calls, shared by the Windows build and the Wine tests.
set(LUMO_WIN32_NATIVE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Native.h
    ${CMAKE_CURRENT_LIST_DIR}/NativeHook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NativeInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NativeShell.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NativeText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NativeTime.cpp)
