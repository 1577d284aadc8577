# Unicode CLDR 48 for the data build: the Persian and English names of
# languages, territories, scripts, months, weekdays and units, from the npm
# packages cldr-localenames-full, cldr-dates-full and cldr-units-full
# (Unicode License v3). Fetched with `npm pack` (which runs no package
# scripts) into the build folder once; each archive is checked against its
# known SHA-256 before the few files the build reads are unpacked.
#
# nira_fetch_cldr(<var>) sets <var> to the folder that holds main/en and
# main/fa.

set(NIRA_CLDR_VERSION "48.2.0")
set(NIRA_CLDR_PACKAGES
  "cldr-localenames-full|7f2ac7fd3b5d90f56ad127f9ed5ae67b58b3e556818f55530b9f47bb81bcde57|languages.json territories.json scripts.json"
  "cldr-dates-full|0256f1cefeca14f7d515be4872dda48fcdd7e75381430f25aafd0143eae5b430|ca-gregorian.json"
  "cldr-units-full|754d55f183570c53029a77493302f432fb3e905df35a715f9cb022e2ebcb093c|units.json")

include("${CMAKE_CURRENT_LIST_DIR}/FileSha256.cmake")

function(_nira_fetch_cldr_package root name sha256)
  set(tgz "${root}/${name}-${NIRA_CLDR_VERSION}.tgz")
  nira_file_has_sha256("${tgz}" "${sha256}" ok)
  if(ok)
    return()
  endif()
  file(REMOVE "${tgz}")
  find_program(NIRA_NPM npm)
  if(NOT NIRA_NPM)
    message(FATAL_ERROR
      "Unicode CLDR is fetched with npm, which was not found. Install npm "
      "(Debian: apt-get install npm) or put ${name}-${NIRA_CLDR_VERSION}.tgz into ${root}.")
  endif()
  message(STATUS "Fetching Unicode CLDR: npm pack ${name}@${NIRA_CLDR_VERSION}")
  execute_process(
    COMMAND "${NIRA_NPM}" pack "${name}@${NIRA_CLDR_VERSION}" --pack-destination "${root}"
    WORKING_DIRECTORY "${root}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  nira_file_has_sha256("${tgz}" "${sha256}" ok)
  if(NOT rc EQUAL 0 OR NOT ok)
    if(EXISTS "${tgz}")
      file(SHA256 "${tgz}" actual)
      file(REMOVE "${tgz}")
    endif()
    message(FATAL_ERROR
      "Fetching ${name}@${NIRA_CLDR_VERSION} failed (npm exited with ${rc}, "
      "SHA-256 ${actual}, expected ${sha256}).\n${err}\nThe data build needs it; "
      "check the network access to the npm registry or put the verified "
      "archive into ${root}.")
  endif()
endfunction()

function(nira_fetch_cldr out_var)
  set(root "${CMAKE_BINARY_DIR}/cldr")
  set(unpacked "${root}/package")
  file(MAKE_DIRECTORY "${root}")
  set(stamp_text "")
  set(names "")
  foreach(entry IN LISTS NIRA_CLDR_PACKAGES)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 name)
    list(GET fields 1 sha256)
    list(GET fields 2 files)
    _nira_fetch_cldr_package("${root}" "${name}" "${sha256}")
    string(APPEND stamp_text "${name} ${sha256}\n")
    separate_arguments(files)
    set(members_${name} "")
    foreach(file IN LISTS files)
      list(APPEND members_${name} "package/main/en/${file}" "package/main/fa/${file}")
    endforeach()
    list(APPEND names "${name}")
  endforeach()

  set(stamp "${root}/unpacked-from.txt")
  set(stamped "")
  if(EXISTS "${stamp}")
    file(READ "${stamp}" stamped)
  endif()
  if(NOT stamped STREQUAL stamp_text OR NOT EXISTS "${unpacked}/LICENSE")
    file(REMOVE_RECURSE "${unpacked}")
    foreach(name IN LISTS names)
      execute_process(
        COMMAND "${CMAKE_COMMAND}" -E tar xzf "${root}/${name}-${NIRA_CLDR_VERSION}.tgz"
                -- package/LICENSE ${members_${name}}
        WORKING_DIRECTORY "${root}" RESULT_VARIABLE rc)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "Unicode CLDR: unpacking ${name}-${NIRA_CLDR_VERSION}.tgz failed.")
      endif()
    endforeach()
    file(WRITE "${stamp}" "${stamp_text}")
  endif()
  set(${out_var} "${unpacked}" PARENT_SCOPE)
endfunction()
