# The Windows programs install.exe and uninstzfw.exe: small, static, and
# importing only what Windows 95 and NT 4.0 offer.
set(ZF_INSTALLER_RESOURCES ${ZF_ROOT}/resources)
file(GLOB ZF_INSTALLER_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*.cpp)
list(FILTER ZF_INSTALLER_WIN32_SOURCES EXCLUDE REGEX "/InstallerApp\\.cpp$")
add_library(zfinstall_win32 STATIC ${ZF_INSTALLER_WIN32_SOURCES})
target_link_libraries(zfinstall_win32 PUBLIC zfinstall)
# The banner's title carries the product version (generated/Version.h).
target_include_directories(zfinstall_win32 PRIVATE ${ZF_GENERATED_DIR})
# No exceptions and std::string built from its inline templates (with its
# bounds assertions) rather than the library's whole prebuilt copy.
foreach(library zfinstall zfinstall_win32)
    target_compile_options(${library} PRIVATE -fno-exceptions -fno-rtti)
    target_compile_definitions(${library} PUBLIC _GLIBCXX_ASSERTIONS)
endforeach()

# "install" is a reserved target name in CMake; the output name is install.exe.
add_executable(zf_install WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/win32/InstallerApp.cpp ${ZF_SMALL_RUNTIME}
    ${ZF_INSTALLER_RESOURCES}/install.rc)
add_executable(uninstzfw WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/uninstall/UninstallMain.cpp ${ZF_SMALL_RUNTIME}
    ${ZF_INSTALLER_RESOURCES}/uninstall.rc)

set_target_properties(zf_install PROPERTIES OUTPUT_NAME install)
foreach(program zf_install uninstzfw)
    target_include_directories(${program} PRIVATE ${ZF_ROOT} ${ZF_INSTALLER_RESOURCES}
        ${ZF_GENERATED_DIR})
    target_compile_options(${program} PRIVATE -fno-exceptions -fno-rtti)
    target_link_options(${program} PRIVATE ${ZF_LINK_FLAGS})
    target_link_libraries(${program} PRIVATE zfinstall_win32 comctl32 shell32 ole32 gdi32
        user32 kernel32)
    # Beside zfw32.exe, where the distribution script picks them up.
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    if(TARGET zf_generated_resources)
        add_dependencies(${program} zf_generated_resources)
    endif()
endforeach()
