# cmake -DPROGRAM=... -DFAULT=... -P expect_report.cmake: the program, made to commit FAULT,
# must stop with a failing status and a sanitizer's report.
execute_process(COMMAND ${PROGRAM} ${FAULT} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(status EQUAL 0)
  message(FATAL_ERROR "${FAULT}: the program ran to its end without a report:\n${out}${err}")
endif()
if(NOT err MATCHES "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:")
  message(FATAL_ERROR "${FAULT}: status ${status} but no sanitizer report:\n${out}${err}")
endif()
message(STATUS "${FAULT}: reported, status ${status}")
