# Runs one golden replay script: NAME.script on standard input, the output compared byte for byte
# with NAME.expected. NAME.exit, when present, holds the expected exit status (else 0); a
# non-zero status also needs a message on standard error that names the line ("line N"), and
# NAME.error, when present, the text that message must hold (its line number, say "line 4:").
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(outdir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${outdir})

execute_process(COMMAND ${REPLAY}
  INPUT_FILE ${SCRIPT}
  OUTPUT_FILE ${OUT}
  ERROR_VARIABLE err
  RESULT_VARIABLE rc)

set(expected_rc 0)
if(EXISTS ${dir}/${name}.exit)
  file(STRINGS ${dir}/${name}.exit expected_rc LIMIT_COUNT 1)
endif()
if(NOT rc STREQUAL expected_rc)
  message(FATAL_ERROR "${name}: exit status ${rc}, expected ${expected_rc}; stderr: ${err}")
endif()
if(NOT expected_rc STREQUAL "0" AND NOT err MATCHES "line [0-9]+")
  message(FATAL_ERROR "${name}: the error message names no line: '${err}'")
endif()
if(EXISTS ${dir}/${name}.error)
  file(STRINGS ${dir}/${name}.error expected_err LIMIT_COUNT 1)
  string(FIND "${err}" "${expected_err}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name}: the error message does not hold '${expected_err}': '${err}'")
  endif()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${dir}/${name}.expected
  RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff -u ${dir}/${name}.expected ${OUT})
  message(FATAL_ERROR "${name}: output differs from ${name}.expected")
endif()
