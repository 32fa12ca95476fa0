# Run by ctest before the tests (a TEST_INCLUDE_FILES script): lists the
# GoogleTest program's tests and adds one ctest test per test suite, which
# runs that suite's tests in one process. A process per test would spend
# most of the suite's time starting the sanitized program.
#
# Set by the file that includes this one: TEST_PROGRAM, TEST_LABEL.
execute_process(COMMAND "${TEST_PROGRAM}" --gtest_list_tests
                OUTPUT_VARIABLE listing ERROR_VARIABLE listing_error RESULT_VARIABLE listed TIMEOUT 60)
if(NOT listed EQUAL 0)
    # Shown as a failing test rather than as no tests at all.
    add_test("${TEST_LABEL}.ListingFailed" "${TEST_PROGRAM}" --gtest_list_tests)
    set_tests_properties("${TEST_LABEL}.ListingFailed" PROPERTIES LABELS "${TEST_LABEL}")
    return()
endif()
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
    # A suite's line is its name and a dot ("Suite.", "Prefix/Suite.",
    # "Suite/0.  # TypeParam = ..."); its tests follow, indented.
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_/]*)\\.( |$)")
        set(suite "${CMAKE_MATCH_1}")
        add_test("${suite}" "${TEST_PROGRAM}" "--gtest_filter=${suite}.*")
        set_tests_properties("${suite}" PROPERTIES LABELS "${TEST_LABEL}")
    endif()
endforeach()
