# The program on Windows: a GUI-subsystem executable with its icon and
# version as resources, installed as a self-contained folder (the program,
# Qt's libraries and plugins, the MinGW runtime) that CPack packs into a
# portable ZIP and an NSIS installer.

set(_win ${PROJECT_SOURCE_DIR}/packaging/windows)
# velmorra.ico holds the PNGs of ui/icons, made with
# `icotool -c -o velmorra.ico velmorra-{16,24,32,48,64}.png --raw=velmorra-128.png --raw=velmorra-256.png`.
set(VELMORRA_ICO ${_win}/velmorra.ico)
configure_file(${_win}/velmorra.rc.in ${PROJECT_BINARY_DIR}/packaging/velmorra.rc @ONLY)
target_sources(velmorra PRIVATE ${PROJECT_BINARY_DIR}/packaging/velmorra.rc)
set_target_properties(velmorra PROPERTIES WIN32_EXECUTABLE ON)

# Everything lives in one folder: Qt looks for its plugins beside the
# program, Windows for the libraries. Debian's Qt defines plugin targets only
# when QT_SKIP_AUTO_PLUGIN_INCLUSION is off, as the windows preset sets it.
# The styles plugin holds the Windows Vista style and the Windows 11 one,
# which Qt picks on Windows 11.
install(TARGETS velmorra RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> DESTINATION styles)

# The compiler's runtime libraries, wherever this toolchain keeps them.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW runtime library ${dll} not found")
    endif()
    list(APPEND VELMORRA_MINGW_RUNTIME ${path})
endforeach()
install(FILES ${VELMORRA_MINGW_RUNTIME} DESTINATION .)

set(CPACK_GENERATOR "ZIP;NSIS64")
set(CPACK_PACKAGE_NAME "Velmorra")
set(CPACK_PACKAGE_VENDOR "Quindrel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Lookup tool for registered FOUNDATION fieldbus field devices")
set(CPACK_PACKAGE_FILE_NAME "velmorra-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velmorra")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Velmorra")
set(CPACK_STRIP_FILES ON)

# A Start-menu shortcut to the program, and the uninstaller in Windows'
# list of installed programs.
set(CPACK_PACKAGE_EXECUTABLES "velmorra" "Velmorra")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Velmorra")
set(CPACK_NSIS_PACKAGE_NAME "Velmorra")
set(CPACK_NSIS_MUI_ICON ${VELMORRA_ICO})
set(CPACK_NSIS_MUI_UNIICON ${VELMORRA_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME "velmorra.exe")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for a 64-bit program: it needs no 32-bit subsystem
# (WOW64, or 32-bit Wine) to run.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

include(CPack)
