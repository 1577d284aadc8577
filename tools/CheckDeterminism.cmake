# Runs the data build twice into fresh folders and requires the same bytes
# from both runs and from the build's own outputs.
# Variables: TOOL, ARGS (list), WORK, BUILT_DATA, BUILT_HEADER,
# BUILT_WORD_FORMS.

foreach(run 1 2)
  set(dir "${WORK}/run${run}")
  file(REMOVE_RECURSE "${dir}")
  file(MAKE_DIRECTORY "${dir}")
  execute_process(
    COMMAND "${TOOL}" ${ARGS} --data-dir "${dir}" --header "${dir}/NiraEdition.h"
            --word-forms "${dir}/NiraWordForms.h"
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "run ${run} of the data build failed (${rc}): ${err}")
  endif()
endforeach()

function(require_same a b)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${a}" "${b}" RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${a} and ${b} differ")
  endif()
endfunction()

foreach(name persian english)
  require_same("${WORK}/run1/${name}" "${WORK}/run2/${name}")
  require_same("${WORK}/run1/${name}" "${BUILT_DATA}/${name}")
endforeach()
require_same("${WORK}/run1/NiraEdition.h" "${WORK}/run2/NiraEdition.h")
require_same("${WORK}/run1/NiraEdition.h" "${BUILT_HEADER}")
require_same("${WORK}/run1/NiraWordForms.h" "${WORK}/run2/NiraWordForms.h")
require_same("${WORK}/run1/NiraWordForms.h" "${BUILT_WORD_FORMS}")
file(REMOVE_RECURSE "${WORK}")
