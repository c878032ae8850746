# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
#
# Fails when a project include runs upward: a folder may include only itself and the folders
# below it, window code (a ui/ folder) only from the windows, and copy/ and listops/ sit
# beside each other. Run with -DSOURCE_DIR=<the source tree>.

set(ranks platform 0 core 1 profile 2 rules 3 preview 4 copy 5 listops 5 queues 6 run 7 app 8
          cli 8)

function(rank_of folder out)
  list(FIND ranks "${folder}" index)
  if(index EQUAL -1)
    set(${out} -1 PARENT_SCOPE)
  else()
    math(EXPR next "${index} + 1")
    list(GET ranks ${next} value)
    set(${out} ${value} PARENT_SCOPE)
  endif()
endfunction()

set(faults "")
set(checked 0)
foreach(folder platform core profile rules preview copy listops queues run app cli)
  rank_of(${folder} own)
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h"
       "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h.in")
  foreach(source ${sources})
    math(EXPR checked "${checked} + 1")
    string(FIND "${source}" "/ui/" uiAt)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
      string(REGEX REPLACE "/.*" "" targetFolder "${target}")
      string(FIND "${target}" "/ui/" targetUiAt)
      rank_of(${targetFolder} theirs)
      set(fault "")
      if(theirs EQUAL -1)
        set(fault "names no program folder")
      elseif(NOT targetUiAt EQUAL -1 AND uiAt EQUAL -1)
        set(fault "brings window code into the engine")
      elseif(targetFolder STREQUAL folder)
        # A folder may always include itself.
      elseif(NOT theirs LESS own)
        set(fault "runs upward or sideways")
      endif()
      if(fault)
        list(APPEND faults "${source}: ${target} ${fault}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes that break the layers:\n  ${text}")
endif()
message(STATUS "${checked} files keep to their layers")
