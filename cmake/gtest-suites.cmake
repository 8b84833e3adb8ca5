# Lists the test suites of a GoogleTest executable and writes a ctest file
# with one test per suite (--gtest_filter=Suite.*). Run after each link, as
#   cmake -D EXECUTABLE=... -D EMULATOR=... -D PREFIX=... -D WORKING_DIRECTORY=...
#         -D PROPERTIES=... -D OUTPUT=... -P gtest-suites.cmake
# EMULATOR (words separated by "|", may be empty) runs the executable, as
# ctest will; PREFIX goes before each suite's name; PROPERTIES (name|value
# pairs) are set on every test. Fails when the executable does not list its
# tests or lists none, so that a broken test program breaks the build rather
# than being dropped silently.
cmake_minimum_required(VERSION 3.25)

foreach(required EXECUTABLE OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "gtest-suites: ${required} not given")
  endif()
endforeach()
string(REPLACE "|" ";" EMULATOR "${EMULATOR}")
string(REPLACE "|" ";" PROPERTIES "${PROPERTIES}")

execute_process(COMMAND ${EMULATOR} "${EXECUTABLE}" --gtest_list_tests
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 300)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gtest-suites: ${EXECUTABLE} --gtest_list_tests failed (${result}):\n${listing}\n${errors}")
endif()

# A suite's line starts in the first column and ends with "."; typed and
# value-parameterised suites carry a comment after it ("Suite/0.  # TypeParam = int").
string(REPLACE "\r" "" listing "${listing}")
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites)
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z0-9_/]+)\\.( |$)")
    list(APPEND suites "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(REMOVE_DUPLICATES suites)
if(NOT suites)
  message(FATAL_ERROR "gtest-suites: ${EXECUTABLE} lists no test suite:\n${listing}")
endif()

set(command)
foreach(word IN LISTS EMULATOR ITEMS "${EXECUTABLE}")
  string(APPEND command " [==[${word}]==]")
endforeach()
set(properties)
foreach(word IN LISTS PROPERTIES)
  string(APPEND properties " [==[${word}]==]")
endforeach()
if(DEFINED WORKING_DIRECTORY)
  string(APPEND properties " WORKING_DIRECTORY [==[${WORKING_DIRECTORY}]==]")
endif()

set(script "# Written by gtest-suites.cmake from ${EXECUTABLE} --gtest_list_tests.\n")
foreach(suite IN LISTS suites)
  set(name "${PREFIX}${suite}")
  string(APPEND script "add_test([==[${name}]==]${command} [==[--gtest_filter=${suite}.*]==])\n")
  string(APPEND script "set_tests_properties([==[${name}]==] PROPERTIES${properties})\n")
endforeach()
file(WRITE "${OUTPUT}" "${script}")
list(LENGTH suites count)
message(STATUS "gtest-suites: ${count} suites of ${EXECUTABLE}")
