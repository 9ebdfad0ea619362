# Build-time generated resources (icons) for zfw32.rc.
set(ZF_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
    OUTPUT ${ZF_GENERATED_DIR}/icons.stamp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZF_GENERATED_DIR}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_icons.py ${ZF_GENERATED_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${ZF_GENERATED_DIR}/icons.stamp
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icons.py
    COMMENT "Drawing icons")
add_custom_target(zf_generated_resources DEPENDS ${ZF_GENERATED_DIR}/icons.stamp)
