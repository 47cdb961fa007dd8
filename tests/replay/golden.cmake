# Runs the long replay and compares its trace and standard output with the
# golden files. With -DUPDATE=ON the golden files are rewritten instead:
#   cd <build>/run && cmake -DREPLAY=./ponorka-replay -DGOLDEN_DIR=<source>/tests/replay/golden \
#     -DWORK_DIR=/tmp -DUPDATE=ON -P <source>/tests/replay/golden.cmake
# The options of the run are on the first line of the script, after "# options:".

file(STRINGS ${GOLDEN_DIR}/long.txt prvy_riadok LIMIT_COUNT 1)
string(REGEX REPLACE "^# options: *" "" volby "${prvy_riadok}")
separate_arguments(volby UNIX_COMMAND "${volby}")

set(stopa ${WORK_DIR}/long.trace)
set(vystup ${WORK_DIR}/long.out)
execute_process(
  COMMAND ${REPLAY} ${volby} --trace ${stopa} ${GOLDEN_DIR}/long.txt
  OUTPUT_FILE ${vystup}
  ERROR_VARIABLE chyby
  RESULT_VARIABLE stav)
if(NOT stav EQUAL 0)
  message(FATAL_ERROR "ponorka-replay failed (${stav}): ${chyby}")
endif()

if(UPDATE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${stopa} ${GOLDEN_DIR}/long.trace)
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${vystup} ${GOLDEN_DIR}/long.out)
  message(STATUS "golden files rewritten in ${GOLDEN_DIR}")
  return()
endif()

set(rozdiel FALSE)
foreach(pripona trace out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    ${WORK_DIR}/long.${pripona} ${GOLDEN_DIR}/long.${pripona} RESULT_VARIABLE ine)
  if(NOT ine EQUAL 0)
    message(SEND_ERROR "long.${pripona} differs from the golden file: "
      "diff ${GOLDEN_DIR}/long.${pripona} ${WORK_DIR}/long.${pripona}")
    set(rozdiel TRUE)
  endif()
endforeach()
if(rozdiel)
  message(FATAL_ERROR "the simulation changed")
endif()
