# Feeds the layer check small source trees (include-cases.txt): each backward
# or sideways include form must fail it, and includes that look down or stay
# in their layer must not.
#   cmake -DCHECK=<CheckLayers.cmake> -DWORK=<scratch folder> -P CheckLayersTest.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")

# Runs the check over a tree of one file, src/<file>, holding the line.
function(expect_check file line expected)
  set(tree "${WORK}/tree")
  file(REMOVE_RECURSE "${tree}")
  file(WRITE "${tree}/picking/Scores.h" "#pragma once\n")
  file(WRITE "${tree}/draws/table/Rows.h" "#pragma once\n")
  file(WRITE "${tree}/${file}" "// one include\n${line}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(result EQUAL 0)
    set(outcome passes)
  else()
    set(outcome fails)
  endif()
  if(NOT outcome STREQUAL expected)
    set(failures "${failures}\n  ${file}: ${line}: ${outcome}, expected it ${expected}" PARENT_SCOPE)
  elseif(outcome STREQUAL fails AND NOT errors MATCHES "${file}")
    set(failures "${failures}\n  ${file}: ${line}: the message does not name the file" PARENT_SCOPE)
  endif()
endfunction()

# Each line of the cases: "fails" or "passes", the file, the include line.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/include-cases.txt" cases)
foreach(case IN LISTS cases)
  if(NOT case MATCHES "^(fails|passes) ([^ ]+) (.*)$")
    message(FATAL_ERROR "Not a case: ${case}")
  endif()
  expect_check("${CMAKE_MATCH_2}" "${CMAKE_MATCH_3}" "${CMAKE_MATCH_1}")
endforeach()

if(failures)
  message(FATAL_ERROR "The layer check misjudged:${failures}")
endif()
