# Plays the same games on one job and on two: every line, totals and match
# figures included, must be the same and in the same order; only the line
# of times may differ. Run as: cmake -DSELFPLAY=<program> -P selfplay_jobs.cmake
foreach(jobs 1 2)
  execute_process(COMMAND ${SELFPLAY} --games 8 --seed 1 --levels expert,normal,normal --each --jobs ${jobs}
                  OUTPUT_VARIABLE printed RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "selfplay --jobs ${jobs} failed (${status}):\n${printed}")
  endif()
  string(REGEX REPLACE "  games per second[^\n]*\n" "" printed "${printed}")
  set(printed${jobs} "${printed}")
endforeach()
if(NOT printed1 STREQUAL printed2)
  message(FATAL_ERROR "two jobs print otherwise than one:\n${printed1}\n-- against --\n${printed2}")
endif()
