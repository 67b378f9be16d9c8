# Feeds the layer check small source trees: each backward or sideways include
# form must fail it, and includes that look down or stay in their layer must not.
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

expect_check(draws/Merge.cpp "#include \"picking/Scores.h\"" fails)
expect_check(draws/Merge.cpp "#include <picking/Scores.h>" fails)
expect_check(draws/Merge.cpp "  #  include \"../picking/Scores.h\"" fails)
expect_check(draws/table/Rows.cpp "#include \"../../picking/Scores.h\"" fails)
expect_check(platform/Paths.h "#include <app/AppState.h>" fails)
expect_check(analysis/Trends.cpp "#include \"wheels/Cover.h\"" fails)
expect_check(wheels/Cover.cpp "#include \"plays/Tickets.h\"" fails)
expect_check(qt/Locale.cpp "#include \"ui/Window.h\"" fails)
expect_check(cli/Main.cpp "#include <ui/Window.h>" fails)

expect_check(picking/Scores.cpp "#include \"picking/Scores.h\"" passes)
expect_check(picking/Scores.cpp "#include \"Scores.h\"" passes)
expect_check(plays/Tickets.cpp "#include <wheels/Cover.h>" passes)
expect_check(draws/table/Rows.cpp "#include \"../DrawList.h\"" passes)
expect_check(app/Start.cpp "#include \"../picking/Scores.h\"" passes)
expect_check(ui/Window.cpp "#include <QWidget>" passes)
expect_check(draws/Merge.cpp "#include <string>" passes)

if(failures)
  message(FATAL_ERROR "The layer check misjudged:${failures}")
endif()
