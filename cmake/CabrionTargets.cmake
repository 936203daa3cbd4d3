# One test executable per area: every .cpp below tests/<area>/ goes into test_<area>, which is
# registered with CTest. Areas that hold windows link the UI library and run offscreen.
function(cabrion_add_test_area area)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
    if(NOT sources)
        return()
    endif()
    set(target test_${area})
    add_executable(${target} ${sources})
    target_compile_options(${target} PRIVATE ${CABRION_WARNINGS})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${target} PRIVATE
        CABRION_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
        CABRION_BINARY_DIR="${CMAKE_BINARY_DIR}")
    if(area IN_LIST CABRION_QT_AREAS)
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        target_link_libraries(${target} PRIVATE cabrion_ui cabrion_app Qt6::Test GTest::gmock GTest::gtest)
    else()
        target_link_libraries(${target} PRIVATE cabrion_core GTest::gmock GTest::gtest)
    endif()
    # Each area brings its own main when it needs one (Qt application objects); otherwise gtest's.
    file(GLOB own_main CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/main.cpp)
    if(NOT own_main)
        target_link_libraries(${target} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${area} COMMAND ${target} --gtest_brief=1)
    # Links the tests open lock their BTS in a folder of this build, not in the machine's, so
    # that test runs of other builds on the same machine do not meet.
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-locks)
    set(environment
        QT_QPA_PLATFORM=offscreen CABRION_BINARY_DIR=${CMAKE_BINARY_DIR}
        CABRION_LOCK_DIR=${CMAKE_BINARY_DIR}/test-locks)
    if(CABRION_SANITIZE STREQUAL "address")
        # Leaks are looked for in every test and in the programs a test runs to their end; what
        # a library below the windows keeps until exit on purpose goes into the suppressions
        # file, so that leak detection stays on for our own code.
        list(APPEND environment
            ASAN_OPTIONS=detect_leaks=1
            LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
    endif()
    set_tests_properties(${area} PROPERTIES
        LABELS ${area}
        ENVIRONMENT "${environment}"
        TIMEOUT 600)
endfunction()

# Gathers the sources of the listed folders below src/.
function(cabrion_glob_sources out)
    set(all)
    foreach(dir ${ARGN})
        file(GLOB_RECURSE s CONFIGURE_DEPENDS
            ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.h)
        list(APPEND all ${s})
    endforeach()
    set(${out} ${all} PARENT_SCOPE)
endfunction()
