# Native tests of the installer's logic, and the check that the Windows
# programs import nothing that Windows 95 and NT 4.0 lack.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB ZF_INSTALLER_TESTS CONFIGURE_DEPENDS ${ZF_ROOT}/tests/installer/*.cpp)
add_executable(zf_installer_tests ${ZF_INSTALLER_TESTS})
target_include_directories(zf_installer_tests PRIVATE ${ZF_ROOT}/tests/installer)
target_link_libraries(zf_installer_tests PRIVATE zfinstall GTest::gtest GTest::gtest_main)
gtest_discover_tests(zf_installer_tests DISCOVERY_TIMEOUT 60)

# The initial data file the distribution ships as "+data.dat": the program's
# own save of a new store.
add_executable(zf_make_initial_data ${ZF_ROOT}/tools/make_initial_data.cpp)
target_link_libraries(zf_make_initial_data PRIVATE zfcore)
