# Build-time generated resources: icons for zfw32.rc, and the sounds and the
# picture that the help pages and the installer ship.
set(ZF_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
    OUTPUT ${ZF_GENERATED_DIR}/icons.stamp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZF_GENERATED_DIR}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_icons.py ${ZF_GENERATED_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${ZF_GENERATED_DIR}/icons.stamp
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icons.py ${CMAKE_SOURCE_DIR}/tools/pixelart.py
    COMMENT "Drawing icons")
add_custom_command(
    OUTPUT ${ZF_GENERATED_DIR}/type.wav ${ZF_GENERATED_DIR}/whoosh.wav
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_sounds.py ${ZF_GENERATED_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_sounds.py
    COMMENT "Synthesising sounds")
add_custom_command(
    OUTPUT ${ZF_GENERATED_DIR}/target.gif
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_gif.py ${ZF_GENERATED_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_gif.py
    COMMENT "Drawing target.gif")
add_custom_target(zf_generated_resources DEPENDS
    ${ZF_GENERATED_DIR}/icons.stamp
    ${ZF_GENERATED_DIR}/type.wav ${ZF_GENERATED_DIR}/whoosh.wav
    ${ZF_GENERATED_DIR}/target.gif)
