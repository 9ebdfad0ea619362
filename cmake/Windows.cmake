# Windows build of zfw32.exe: GUI subsystem, static runtime, no DLLs beyond
# the system's own.
# Unwind tables only where exceptions need them: a program built without
# exceptions carries none.
add_compile_options(-Wall -Wextra -Os -ffunction-sections -fdata-sections)
# (The 64-bit test build keeps them: without them x86-64 GCC falls back to
# set-jump exceptions, which its runtime does not carry.)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    add_compile_options(-fno-asynchronous-unwind-tables)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0400 WINVER=0x0400 _WIN32_IE=0x0400 NOMINMAX)
set(ZF_LINK_FLAGS -static -static-libgcc -static-libstdc++ -mwindows -Wl,--gc-sections -s)

file(GLOB ZFW32_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/toolkit/*.cpp
    ${CMAKE_SOURCE_DIR}/app/*.cpp
    ${CMAKE_SOURCE_DIR}/app/logic/*.cpp
    ${CMAKE_SOURCE_DIR}/ui/*.cpp
    ${CMAKE_SOURCE_DIR}/ui/logic/*.cpp
    ${CMAKE_SOURCE_DIR}/vocab/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/vocab/datafile/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/reading/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/clipboard/win32/*.cpp)

include(cmake/Resources.cmake)

add_executable(zfw32 WIN32 ${ZFW32_SOURCES} ${VOCAB_CORE_SOURCES} ${READING_CORE_SOURCES}
    ${CLIPBOARD_CORE_SOURCES} ${CMAKE_SOURCE_DIR}/resources/zfw32.rc)
target_include_directories(zfw32 PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources ${ZF_GENERATED_DIR})
# Sections aligned in the file as in memory, so that the system can map the
# program's code straight from its file: Windows 95 and 98 copy an image with
# smaller alignment into swap-backed memory, and Wine does the same on every
# system, counting 250 KB more of private memory for the resident program.
target_link_options(zfw32 PRIVATE ${ZF_LINK_FLAGS} -Wl,--file-alignment,4096)
target_link_libraries(zfw32 PRIVATE comctl32 comdlg32 shell32 gdi32 user32 kernel32)
# As the installer: no exceptions or run-time type information, std::string
# built from its inline templates, and the small runtime (runtime/) in place
# of the library's exception machinery.
target_sources(zfw32 PRIVATE ${ZF_SMALL_RUNTIME})
target_compile_options(zfw32 PRIVATE -fno-exceptions -fno-rtti -fno-threadsafe-statics)
target_compile_definitions(zfw32 PRIVATE _GLIBCXX_ASSERTIONS)
add_dependencies(zfw32 zf_generated_resources)

# Helpers of the Wine end-to-end tests, never shipped: winprobe.exe answers questions
# about windows, controls and the clipboard; openlog.exe stands in for the web browser
# and logs the pages the programs open.
file(GLOB WINPROBE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/winprobe/*.cpp)
list(FILTER WINPROBE_SOURCES EXCLUDE REGEX "(openlog|keywindows)\\.cpp$")
add_executable(winprobe ${WINPROBE_SOURCES})
target_link_options(winprobe PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s)
target_link_libraries(winprobe PRIVATE psapi gdi32 user32 kernel32)
add_executable(openlog WIN32 ${CMAKE_SOURCE_DIR}/tools/winprobe/openlog.cpp)
target_link_options(openlog PRIVATE ${ZF_LINK_FLAGS})
target_link_libraries(openlog PRIVATE shell32)
# keywindows.exe stands in for consoles and terminals: windows of their classes that
# record the keys they get.
add_executable(keywindows ${CMAKE_SOURCE_DIR}/tools/winprobe/keywindows.cpp)
target_link_options(keywindows PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--gc-sections -s)
target_link_libraries(keywindows PRIVATE user32 kernel32)

# windres does not see the fragments, id headers and drawn icons as inputs of
# zfw32.rc; name them so that a change recompiles the resources.
file(GLOB ZF_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc ${CMAKE_SOURCE_DIR}/resources/*.h)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/zfw32.rc PROPERTIES
    OBJECT_DEPENDS "${ZF_RESOURCE_INPUTS};${ZF_GENERATED_DIR}/icons.stamp")
