# Native tests of the installer's logic, the tool that writes the shipped
# initial data file, and the check that the Windows programs import nothing
# that Windows 95 and NT 4.0 lack.
if(ZF_FUZZ)
    # The fuzz build only builds tests/fuzz/*_fuzzer.cpp (which link zfinstall).
    return()
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB ZF_INSTALLER_TESTS CONFIGURE_DEPENDS ${ZF_ROOT}/tests/installer/*.cpp)
add_executable(zf_installer_tests ${ZF_INSTALLER_TESTS})
target_include_directories(zf_installer_tests PRIVATE ${ZF_ROOT}/tests/installer)
target_compile_definitions(zf_installer_tests PRIVATE ZF_RESOURCES_DIR="${ZF_ROOT}/resources")
target_link_libraries(zf_installer_tests PRIVATE zfinstall GTest::gtest GTest::gtest_main)
gtest_discover_tests(zf_installer_tests DISCOVERY_TIMEOUT 60)

# The initial data file the distribution ships as "+data.dat": the program's
# own save of a new store.
add_executable(zf_make_initial_data ${ZF_ROOT}/tools/make_initial_data.cpp
    ${ZF_ROOT}/tools/StdioFileSystem.cpp)
target_link_libraries(zf_make_initial_data PRIVATE zfcore)

find_program(ZF_MINGW_OBJDUMP i686-w64-mingw32-objdump)
find_package(Python3 COMPONENTS Interpreter)
if(ZF_MINGW_OBJDUMP AND Python3_FOUND AND NOT ZF_SANITIZE)
    add_test(NAME win95_imports
             COMMAND ${Python3_EXECUTABLE} ${ZF_ROOT}/tests/installer/check_win95_imports.py
                     ${ZF_MINGW_OBJDUMP} ${ZF_ROOT}/tests/win95_imports.txt
                     ${ZF_WIN32_DIR}/zfw32.exe ${ZF_WIN32_DIR}/install.exe
                     ${ZF_WIN32_DIR}/uninstzfw.exe)
endif()
