# Precompiled headers, one set per floor: the standard headers (and gtest) nearly every file of the
# floor includes are parsed once per build tree instead of once per file. Targets of a floor
# are compiled with the same flags, so the first one makes the header and the others reuse it;
# a header made with other flags is refused with an error (-Winvalid-pch and -Werror), never
# passed over in silence. The unoptimised sanitizer trees, whose time goes into parsing, turn
# it on: with -O2, GCC 12 loses track of what came from a system header through a precompiled
# one and turns its false -Warray-bounds alarms in the standard library into errors. Clang's
# precompiled headers defeat the compiler cache, so the clang tree goes without.
set(CABRION_PCH_core
    <algorithm> <array> <cstdint> <filesystem> <fstream> <functional> <map> <memory>
    <optional> <sstream> <string> <string_view> <vector>)
# No Qt header here: most of the application is plain C++ and names things "slots" or "emit".
set(CABRION_PCH_app ${CABRION_PCH_core})
set(CABRION_PCH_coretest ${CABRION_PCH_core} <gtest/gtest.h>)
# The core's tests compile unoptimised in every tree (see below), where the header is safe
# whatever the tree's own setting; it takes about 30 % off their compile time there. The tests
# of the windows gain nothing from one: their time goes into generating code, not parsing.
function(cabrion_precompile target floor)
    if((NOT CABRION_PCH AND NOT floor STREQUAL "coretest") OR
       NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        return()
    endif()
    get_property(owner GLOBAL PROPERTY CABRION_PCH_OWNER_${floor})
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${CABRION_PCH_${floor}})
        set_property(GLOBAL PROPERTY CABRION_PCH_OWNER_${floor} ${target})
    endif()
endfunction()

# Sources compile in batches of up to CABRION_BATCH files, one generated source each (see
# cmake/UnitySource.cmake): a build from nothing spent most of its time on what the files of a
# library or test area share, the Qt, gtest and project headers and their templates. CMake's own
# unity build writes absolute paths into its sources, which no other checkout's compiler cache
# can serve.
option(CABRION_UNITY "Compile the application, the windows and the tests in batches of files" ON)
set(CABRION_BATCH 8 CACHE STRING "Most files compiled as one source")

# Replaces the .cpp files in <sources_var> with the batches that hold them, written below the
# current binary folder as <name>_<n>.cpp. WRAP (test areas) puts each file in a namespace of
# its own; a test area's file without a test of its own (its main) compiles alone.
function(cabrion_batch_sources name sources_var)
    cmake_parse_arguments(PARSE_ARGV 2 arg "WRAP" "" "")
    set(kept)
    set(batched)
    foreach(src ${${sources_var}})
        if(NOT src MATCHES "\\.cpp$")
            list(APPEND kept ${src})
            continue()
        endif()
        set(tests ON)
        if(arg_WRAP)
            file(STRINGS ${src} tests REGEX "^(TEST|TEST_F|TEST_P|TYPED_TEST)\\(" LIMIT_COUNT 1)
        endif()
        if(tests)
            list(APPEND batched ${src})
        else()
            list(APPEND kept ${src})
        endif()
    endforeach()
    list(LENGTH batched count)
    if(NOT CABRION_UNITY OR count LESS 2)
        return()
    endif()
    # Batches of even size, so that the last is not a straggler of one file.
    math(EXPR batches "(${count} + ${CABRION_BATCH} - 1) / ${CABRION_BATCH}")
    math(EXPR per "(${count} + ${batches} - 1) / ${batches}")
    set(generated)
    set(index 0)
    set(script ${PROJECT_SOURCE_DIR}/cmake/UnitySource.cmake)
    while(batched)
        set(batch)
        foreach(i RANGE 1 ${per})
            if(batched)
                list(POP_FRONT batched src)
                list(APPEND batch ${src})
            endif()
        endforeach()
        set(out ${CMAKE_CURRENT_BINARY_DIR}/unity/${name}_${index}.cpp)
        list(JOIN batch "|" joined)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -DOUT=${out} "-DSOURCES=${joined}" -DWRAP=${arg_WRAP} -P ${script}
            DEPENDS ${batch} ${script}
            COMMENT "Batching ${name} ${index}" VERBATIM)
        list(APPEND generated ${out})
        math(EXPR index "${index} + 1")
    endwhile()
    if(arg_WRAP)
        # The test files' code arrives through an include, where GCC takes their fixtures of
        # file-local types for a header's.
        set_source_files_properties(${generated} PROPERTIES
            COMPILE_OPTIONS "$<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>")
    endif()
    set(${sources_var} ${kept} ${generated} PARENT_SCOPE)
endfunction()

# One test executable per area: every .cpp below tests/<area>/ goes into test_<area>, which is
# registered with CTest. Areas that hold windows link the UI library and run offscreen.
function(cabrion_add_test_area area)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
    if(NOT sources)
        return()
    endif()
    set(target test_${area})
    cabrion_batch_sources(test_${area} sources WRAP)
    add_executable(${target} ${sources})
    target_compile_options(${target} PRIVATE ${CABRION_WARNINGS})
    # Test code is calls and comparisons: unoptimised it compiles in half the time, and what it
    # tests keeps the optimisation of the tree. The sanitizer trees are unoptimised throughout.
    target_compile_options(${target} PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O0>)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${target} PRIVATE
        CABRION_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
        CABRION_BINARY_DIR="${CMAKE_BINARY_DIR}")
    if(area IN_LIST CABRION_QT_AREAS)
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        target_link_libraries(${target} PRIVATE cabrion_ui cabrion_app Qt6::Test GTest::gmock GTest::gtest)
    else()
        target_link_libraries(${target} PRIVATE cabrion_core GTest::gmock GTest::gtest)
        cabrion_precompile(${target} coretest)
    endif()
    # Each area brings its own main when it needs one (Qt application objects); otherwise gtest's.
    file(GLOB own_main CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/main.cpp)
    if(NOT own_main)
        target_link_libraries(${target} PRIVATE GTest::gtest_main)
    endif()
    # An area whose tests mostly wait (on a link's timeouts, on an X server) runs as several
    # processes that wait side by side: one per "name=gtest filter" of CABRION_TEST_PARTS_<area>,
    # or CABRION_TEST_SHARDS_<area> shares of its tests.
    set(names)
    if(DEFINED CABRION_TEST_PARTS_${area})
        foreach(part ${CABRION_TEST_PARTS_${area}})
            string(FIND "${part}" "=" eq)
            string(SUBSTRING "${part}" 0 ${eq} part_name)
            math(EXPR eq "${eq} + 1")
            string(SUBSTRING "${part}" ${eq} -1 filter)
            add_test(NAME ${area}-${part_name}
                     COMMAND ${target} --gtest_brief=1 --gtest_filter=${filter})
            list(APPEND names ${area}-${part_name})
        endforeach()
    elseif(DEFINED CABRION_TEST_SHARDS_${area})
        math(EXPR last "${CABRION_TEST_SHARDS_${area}} - 1")
        foreach(shard RANGE ${last})
            math(EXPR n "${shard} + 1")
            set(name ${area}-${n}of${CABRION_TEST_SHARDS_${area}})
            add_test(NAME ${name} COMMAND ${target} --gtest_brief=1)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT
                "GTEST_TOTAL_SHARDS=${CABRION_TEST_SHARDS_${area}};GTEST_SHARD_INDEX=${shard}")
            list(APPEND names ${name})
        endforeach()
    else()
        add_test(NAME ${area} COMMAND ${target} --gtest_brief=1)
        set(names ${area})
    endif()
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
    set_property(GLOBAL PROPERTY CABRION_TESTS_${area} ${names})
    foreach(name ${names})
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT ${environment})
        set_tests_properties(${name} PROPERTIES LABELS ${area} TIMEOUT 600)
    endforeach()
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
