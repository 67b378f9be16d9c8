# Fails when a core layer includes a header of a layer above it. The core's
# layers, lowest first; the Qt adapters, the windows and the terminal tool sit
# above all of them.
#   cmake -DSOURCE_DIR=<src> -DSTAMP=<file> -P CheckLayers.cmake
set(layers platform settings draws picking analysis wheels app qt ui cli)
set(core_layer_count 7)

set(problems "")
math(EXPR last_core "${core_layer_count} - 1")
foreach(index RANGE ${last_core})
  list(GET layers ${index} layer)
  math(EXPR first_above "${index} + 1")
  set(above "")
  list(SUBLIST layers ${first_above} -1 above)
  list(JOIN above "|" above_pattern)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(${above_pattern})/")
    foreach(line IN LISTS includes)
      file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
      string(STRIP "${line}" line)
      string(APPEND problems "\n  ${shown}: ${line}")
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "A layer includes a layer above it "
    "(platform < settings < draws < picking < analysis < wheels < app):${problems}")
endif()
file(TOUCH "${STAMP}")
