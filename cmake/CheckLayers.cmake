# Fails when a layer includes a header of a layer above it, or of a layer
# beside it. The layers, lowest first, with the rank each stands at; layers
# of one rank stand beside each other and include neither the other:
#   platform < settings < draws < picking < analysis and wheels < plays < app
#   < qt < ui and cli
# Every include form counts: "layer/x.h", <layer/x.h>, and a path relative to
# the including file ("../layer/x.h", "x.h" beside it).
#   cmake -DSOURCE_DIR=<src> [-DSTAMP=<file>] -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
set(layer_ranks platform 0 settings 1 draws 2 picking 3 analysis 4 wheels 4 plays 5 app 6 qt 7 ui 8 cli 8)
set(layer_order "platform < settings < draws < picking < analysis and wheels < plays < app < qt < ui and cli")

cmake_path(SET source_dir NORMALIZE "${SOURCE_DIR}")
set(layers "")
set(index 0)
list(LENGTH layer_ranks pair_items)
while(index LESS pair_items)
  list(GET layer_ranks ${index} layer)
  math(EXPR next "${index} + 1")
  list(GET layer_ranks ${next} rank_of_${layer})
  list(APPEND layers ${layer})
  math(EXPR index "${index} + 2")
endwhile()

# The layer a path under the source folder belongs to, or "" for any other path.
function(layer_of path out)
  set(${out} "" PARENT_SCOPE)
  cmake_path(IS_PREFIX source_dir "${path}" NORMALIZE inside)
  if(NOT inside)
    return()
  endif()
  file(RELATIVE_PATH relative "${source_dir}" "${path}")
  string(REGEX MATCH "^[^/]+" first "${relative}")
  if(first IN_LIST layers)
    set(${out} "${first}" PARENT_SCOPE)
  endif()
endfunction()

# Where the compiler finds an include: a quoted one beside the including file
# first, when it is there or is written relative ("./", "../"); otherwise in
# the source folder, the include folder every target shares.
function(included_path file delimiter included out)
  cmake_path(GET file PARENT_PATH folder)
  cmake_path(ABSOLUTE_PATH included BASE_DIRECTORY "${folder}" NORMALIZE OUTPUT_VARIABLE beside)
  if(delimiter STREQUAL "\"" AND (EXISTS "${beside}" OR included MATCHES "^\\.\\.?/"))
    set(${out} "${beside}" PARENT_SCOPE)
  else()
    cmake_path(ABSOLUTE_PATH included BASE_DIRECTORY "${source_dir}" NORMALIZE OUTPUT_VARIABLE from_source)
    set(${out} "${from_source}" PARENT_SCOPE)
  endif()
endfunction()

set(problems "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files "${source_dir}/${layer}/*.h" "${source_dir}/${layer}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      if(NOT line MATCHES "include[ \t]*([<\"])([^>\"]+)[>\"]")
        continue()
      endif()
      included_path("${file}" "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" target)
      layer_of("${target}" target_layer)
      if(target_layer STREQUAL "" OR target_layer STREQUAL layer)
        continue()
      endif()
      if(rank_of_${target_layer} LESS rank_of_${layer})
        continue()
      endif()
      file(RELATIVE_PATH shown "${source_dir}" "${file}")
      string(STRIP "${line}" line)
      string(APPEND problems "\n  ${shown}: ${line}")
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "A layer includes a layer above or beside it (${layer_order}):${problems}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
