# The Windows setup program (scripts/windows.sh): the two programs with the
# DLLs and Qt plugins they load, stripped, into one folder under Program
# Files, made by CPack's NSIS generator as Calvex-VERSION-setup.exe.

# What calvex.exe and calvex-batch.exe load, directly or through each other;
# Qt finds its plugins in the folders beside the program. No image format
# plugin: the program draws its icons, and PNG is built into Qt.
set(calvex_windows_dlls
    Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport
    libodfgen-0.1 librevenge-0.0 libxml2 libzip libzlib
    libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
set(calvex_qt_plugins platforms/qwindows styles/qwindowsvistastyle)

find_program(CALVEX_MINGW_STRIP ${CALVEX_MINGW_TRIPLET}-strip REQUIRED)
set(calvex_runtime_dir ${CMAKE_BINARY_DIR}/windows-runtime)
set(calvex_runtime_files)
foreach(item IN LISTS calvex_windows_dlls calvex_qt_plugins)
  if(item IN_LIST calvex_qt_plugins)
    set(source ${CALVEX_WINDOWS_PREFIX}/plugins/${item}.dll)
  else()
    set(source ${CALVEX_WINDOWS_PREFIX}/bin/${item}.dll)
  endif()
  set(stripped ${calvex_runtime_dir}/${item}.dll)
  get_filename_component(folder ${stripped} DIRECTORY)
  add_custom_command(OUTPUT ${stripped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CALVEX_MINGW_STRIP} --strip-unneeded -o ${stripped} ${source}
    DEPENDS ${source})
  list(APPEND calvex_runtime_files ${stripped})
  get_filename_component(destination ${item} DIRECTORY)
  install(FILES ${stripped} DESTINATION ./${destination})
endforeach()
add_custom_target(calvex_windows_runtime ALL DEPENDS ${calvex_runtime_files})

set(CPACK_GENERATOR NSIS)
# A 64-bit setup program, as the program it installs.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME Calvex-${PROJECT_VERSION}-setup)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Calvex)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Calvex)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Calvex)
set(CPACK_NSIS_DISPLAY_NAME "Calvex ${PROJECT_VERSION}")
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME calvex.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN calvex.exe)
# The Start menu entry.
set(CPACK_PACKAGE_EXECUTABLES calvex "Calvex - verifica sismica edifici in muratura")
