# Native build: the core libraries, the unit tests, the fuzz targets and the
# end-to-end tests that drive the Windows build under Wine.
option(ZF_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ZF_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

# Fuzz targets (clang only): everything is compiled with the sanitizers and
# the fuzzer's coverage hooks; only the targets link libFuzzer's main.
option(ZF_FUZZ "Build the libFuzzer targets tests/fuzz/*_fuzzer.cpp" OFF)
if(ZF_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ZF_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# The page and application logic that needs no window lives in ui/logic and app/logic.
file(GLOB UI_LOGIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/logic/*.cpp)
file(GLOB APP_LOGIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/logic/*.cpp)
add_library(zfcore STATIC ${VOCAB_CORE_SOURCES} ${READING_CORE_SOURCES} ${CLIPBOARD_CORE_SOURCES}
    ${UI_LOGIC_SOURCES} ${APP_LOGIC_SOURCES})
target_include_directories(zfcore PUBLIC ${CMAKE_SOURCE_DIR})

if(ZF_FUZZ)
    file(GLOB ZF_FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzzer.cpp)
    foreach(fuzzer_source ${ZF_FUZZERS})
        get_filename_component(fuzzer_name ${fuzzer_source} NAME_WE)
        add_executable(${fuzzer_name} ${fuzzer_source})
        target_link_libraries(${fuzzer_name} PRIVATE zfcore $<TARGET_NAME_IF_EXISTS:zfinstall>)
        target_link_options(${fuzzer_name} PRIVATE -fsanitize=fuzzer)
    endforeach()
endif()

enable_testing()
if(NOT ZF_FUZZ)
    add_subdirectory(tests)
endif()

# The keyword search benchmark run by `make bench` (tools/bench.sh); not a test.
if(NOT ZF_FUZZ AND NOT ZF_SANITIZE)
    file(GLOB SEARCH_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/bench/*.cpp)
    add_executable(search_bench ${SEARCH_BENCH_SOURCES})
    target_link_libraries(search_bench PRIVATE zfcore)
endif()
