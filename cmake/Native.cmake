# Native build: the core libraries, the unit tests, the fuzz targets and the
# end-to-end tests that drive the Windows build under Wine.
option(ZF_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZF_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

# The page logic that needs no window lives in ui/logic.
file(GLOB UI_LOGIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/logic/*.cpp)
add_library(zfcore STATIC ${VOCAB_CORE_SOURCES} ${READING_CORE_SOURCES} ${UI_LOGIC_SOURCES})
target_include_directories(zfcore PUBLIC ${CMAKE_SOURCE_DIR})

enable_testing()
add_subdirectory(tests)
