# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Brevant developers
#
# Lists the test functions of a Qt Test program (its -functions output) and writes one CTest
# test per function into OUT. Run after the program is built, with -DEXE, -DOUT, -DPREFIX
# and -DSCREENSHOTS.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${EXE} -functions
                OUTPUT_VARIABLE listing RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${EXE} -functions failed (${status})")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(script "")
foreach(line ${lines})
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    set(function "${CMAKE_MATCH_1}")
    string(APPEND script
      "add_test([=[${PREFIX}.${function}]=] [==[${EXE}]==] ${function})\n"
      "set_tests_properties([=[${PREFIX}.${function}]=] PROPERTIES LABELS gui TIMEOUT 120 "
      "ENVIRONMENT \"QT_QPA_PLATFORM=offscreen;BREVANT_SCREENSHOTS=${SCREENSHOTS}\" "
      "SKIP_REGULAR_EXPRESSION \"SKIP   : \" "
      "FAIL_REGULAR_EXPRESSION \"FAIL!  : \")\n")
  endif()
endforeach()
file(WRITE "${OUT}" "${script}")
