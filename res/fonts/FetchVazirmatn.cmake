# Brings the Vazirmatn font from the npm registry, checks it and extracts the
# regular face and its licence. Run by the build as
#   cmake -DVERSION=... -DTARBALL_SHA256=... -DFONT_SHA256=... -DWORK_DIR=...
#         -DOUT_FONT=... -DOUT_LICENSE=... [-DLOCAL_TARBALL=...] -P FetchVazirmatn.cmake
# LOCAL_TARBALL, when given, is used instead of the registry (offline builds).
cmake_minimum_required(VERSION 3.22)

foreach(var VERSION TARBALL_SHA256 FONT_SHA256 WORK_DIR OUT_FONT OUT_LICENSE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "FetchVazirmatn.cmake: ${var} not given")
  endif()
endforeach()

set(tarball "${WORK_DIR}/vazirmatn-${VERSION}.tgz")

include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/FileSha256.cmake")

file(MAKE_DIRECTORY "${WORK_DIR}")
nira_file_has_sha256("${tarball}" "${TARBALL_SHA256}" have_tarball)
if(NOT have_tarball)
  if(LOCAL_TARBALL)
    file(COPY_FILE "${LOCAL_TARBALL}" "${tarball}")
  else()
    find_program(NPM npm)
    if(NOT NPM)
      message(FATAL_ERROR "npm is needed to fetch the Vazirmatn font (Debian: npm); "
              "or configure with -DNIRA_FONT_TARBALL=<vazirmatn-${VERSION}.tgz> "
              "or -DNIRA_EMBED_FONT=OFF")
    endif()
    execute_process(
      COMMAND "${NPM}" pack "vazirmatn@${VERSION}" --silent --pack-destination "${WORK_DIR}"
      WORKING_DIRECTORY "${WORK_DIR}"
      RESULT_VARIABLE npm_result
      TIMEOUT 600)
    if(NOT npm_result EQUAL 0)
      message(FATAL_ERROR "npm pack vazirmatn@${VERSION} failed (${npm_result}); "
              "configure with -DNIRA_FONT_TARBALL=<file> or -DNIRA_EMBED_FONT=OFF to build offline")
    endif()
  endif()
  nira_file_has_sha256("${tarball}" "${TARBALL_SHA256}" have_tarball)
  if(NOT have_tarball)
    file(SHA256 "${tarball}" actual)
    file(REMOVE "${tarball}")
    message(FATAL_ERROR "vazirmatn-${VERSION}.tgz has SHA-256 ${actual}, expected ${TARBALL_SHA256}")
  endif()
endif()

set(unpacked "${WORK_DIR}/unpacked")
# Copied only when different, so mark them new for the build's dependency check.
file(TOUCH_NOCREATE "${OUT_FONT}" "${OUT_LICENSE}")
file(REMOVE_RECURSE "${unpacked}")
file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${unpacked}"
     PATTERNS package/fonts/ttf/Vazirmatn-Regular.ttf package/OFL.txt)
nira_file_has_sha256("${unpacked}/package/fonts/ttf/Vazirmatn-Regular.ttf" "${FONT_SHA256}" font_ok)
if(NOT font_ok)
  message(FATAL_ERROR "Vazirmatn-Regular.ttf in vazirmatn-${VERSION}.tgz is not the expected file")
endif()
get_filename_component(font_dir "${OUT_FONT}" DIRECTORY)
get_filename_component(license_dir "${OUT_LICENSE}" DIRECTORY)
file(MAKE_DIRECTORY "${font_dir}" "${license_dir}")
file(COPY_FILE "${unpacked}/package/fonts/ttf/Vazirmatn-Regular.ttf" "${OUT_FONT}" ONLY_IF_DIFFERENT)
file(COPY_FILE "${unpacked}/package/OFL.txt" "${OUT_LICENSE}" ONLY_IF_DIFFERENT)
# Copied only when different, so mark them new for the build's dependency check.
file(TOUCH_NOCREATE "${OUT_FONT}" "${OUT_LICENSE}")
file(REMOVE_RECURSE "${unpacked}")
