# The Windows program as a zip that runs on a bare Windows, unpacked anywhere:
#   cmake --preset windows && cmake --build --preset windows
#   (cd build/windows && cpack -G ZIP)   # lumoclick-<version>-win64.zip
# Everything sits beside lumoclick.exe, where the program keeps its data
# too. No windeployqt exists here, so the list of Qt files is explicit; the
# test windows.zip_imports checks that nothing the files import is missing.
get_target_property(lumo_qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(lumo_qt_bin ${lumo_qt_core_dll} DIRECTORY)
get_filename_component(lumo_qt_prefix ${lumo_qt_bin} DIRECTORY)
set(lumo_mingw_runtime
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)

install(TARGETS lumoclick RUNTIME DESTINATION .)
install(FILES ${LUMO_DATABASE} ${LUMO_HELP_PAGE} ${LUMO_HELP_PAGE_EN} ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
foreach(module Core Gui Widgets Network Sql)
  install(FILES ${lumo_qt_bin}/Qt6${module}.dll DESTINATION .)
endforeach()
install(FILES ${lumo_mingw_runtime} DESTINATION .)
install(FILES ${lumo_qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${lumo_qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${lumo_qt_prefix}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)
install(FILES ${lumo_qt_prefix}/plugins/sqldrivers/qsqlite.dll DESTINATION sqldrivers)
# Qt's own Chinese (standard buttons, context menus), found through qt.conf.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/windows/qt.conf DESTINATION .)
install(FILES /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION translations)
# Qt is used under the LGPL version 3: its licence texts go along.
install(DIRECTORY ${lumo_qt_prefix}/LICENSES/ DESTINATION licenses/qt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME lumoclick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME lumoclick-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
