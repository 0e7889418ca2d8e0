# Read by CTest when it starts: registers one test for each test function and data row of a Qt Test
# executable, as Qt Test lists them with -datatags, class by class.
# tarvik_add_test_rows(NAME EXECUTABLE LABEL) makes tests named NAME:function or NAME:function:row.
# CTest reads this file without the project's policies.
cmake_policy(VERSION 3.25)
function(tarvik_add_test_rows name executable label)
    set(ENV{QT_QPA_PLATFORM} offscreen)
    set(rows)
    set(class 0)
    while(TRUE)
        set(ENV{TARVIK_TEST_CLASS} ${class})
        execute_process(COMMAND ${executable} -datatags OUTPUT_VARIABLE listing
                        RESULT_VARIABLE result ERROR_QUIET)
        string(REGEX REPLACE "\n$" "" listing "${listing}")
        if(NOT result EQUAL 0 OR listing STREQUAL "")
            break()
        endif()
        string(REPLACE ";" "\\;" listing "${listing}")
        string(REPLACE "\n" ";" lines "${listing}")
        list(APPEND rows ${lines})
        math(EXPR class "${class} + 1")
    endwhile()
    unset(ENV{TARVIK_TEST_CLASS})
    if(NOT rows)
        # Not built, or it cannot list itself: run it whole, so the failure shows.
        add_test(${name} ${executable})
        set_tests_properties(${name} PROPERTIES LABELS ${label} ENVIRONMENT QT_QPA_PLATFORM=offscreen)
        return()
    endif()
    foreach(row IN LISTS rows)
        # "Class function" or "Class function data tag"
        string(REGEX MATCH "^[^ ]+ ([^ ]+)( (.*))?$" matched "${row}")
        set(selector ${CMAKE_MATCH_1})
        if(CMAKE_MATCH_3)
            set(selector "${CMAKE_MATCH_1}:${CMAKE_MATCH_3}")
        endif()
        add_test("${name}:${selector}" ${executable} "${selector}")
        set_tests_properties("${name}:${selector}" PROPERTIES LABELS ${label} COST 100
                             ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endforeach()
endfunction()
