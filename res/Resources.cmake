# The program's icons and its Persian font as Qt resources.
#
# They are compiled into an object library whose object files go straight
# into every program that links nira_app (the window, its tests): from a
# static library the linker would drop them, since nothing calls them, and
# the resources would be missing at run time.

option(NIRA_EMBED_FONT "Fetch the Vazirmatn font from the npm registry and compile it in" ON)
set(NIRA_FONT_TARBALL "" CACHE FILEPATH
    "A local vazirmatn-<version>.tgz to use instead of fetching it")

set(NIRA_RES_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(NIRA_RES_GEN_DIR "${CMAKE_BINARY_DIR}/res")
set(NIRA_RESOURCE_SOURCES "${NIRA_RES_DIR}/nira.qrc")

if(NIRA_EMBED_FONT)
  set(vazirmatn_version 33.0.3)
  set(vazirmatn_tarball_sha256 9506e9e6a27e62b353c04a136c27de0cc3aa9e434658b45a6363f7c98c357090)
  set(vazirmatn_font_sha256 b69fd4c680b8f3f225feabcc655a2c585d97627b8f5f5c0f9985e894069f3a56)
  set(NIRA_FONT_FILE "${NIRA_RES_GEN_DIR}/fonts/Vazirmatn-Regular.ttf")
  set(NIRA_FONT_LICENSE "${NIRA_RES_GEN_DIR}/fonts/Vazirmatn-OFL.txt")
  add_custom_command(
    OUTPUT "${NIRA_FONT_FILE}" "${NIRA_FONT_LICENSE}"
    COMMAND "${CMAKE_COMMAND}"
      -DVERSION=${vazirmatn_version}
      -DTARBALL_SHA256=${vazirmatn_tarball_sha256}
      -DFONT_SHA256=${vazirmatn_font_sha256}
      "-DWORK_DIR=${NIRA_RES_GEN_DIR}/npm"
      "-DOUT_FONT=${NIRA_FONT_FILE}"
      "-DOUT_LICENSE=${NIRA_FONT_LICENSE}"
      "-DLOCAL_TARBALL=${NIRA_FONT_TARBALL}"
      -P "${NIRA_RES_DIR}/fonts/FetchVazirmatn.cmake"
    DEPENDS "${NIRA_RES_DIR}/fonts/FetchVazirmatn.cmake"
    COMMENT "Fetching the Vazirmatn font ${vazirmatn_version} (npm)"
    VERBATIM)

  file(CONFIGURE OUTPUT "${NIRA_RES_GEN_DIR}/nira_fonts.qrc" CONTENT [[
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/fonts">
    <file alias="Vazirmatn-Regular.ttf">fonts/Vazirmatn-Regular.ttf</file>
  </qresource>
</RCC>
]])
  set(fonts_cpp "${NIRA_RES_GEN_DIR}/qrc_nira_fonts.cpp")
  add_custom_command(
    OUTPUT "${fonts_cpp}"
    COMMAND Qt6::rcc --name nira_fonts --output "${fonts_cpp}" nira_fonts.qrc
    DEPENDS "${NIRA_RES_GEN_DIR}/nira_fonts.qrc" "${NIRA_FONT_FILE}"
    WORKING_DIRECTORY "${NIRA_RES_GEN_DIR}"
    VERBATIM)
  set_source_files_properties("${fonts_cpp}" PROPERTIES SKIP_AUTOGEN ON)
  list(APPEND NIRA_RESOURCE_SOURCES "${fonts_cpp}")
endif()

add_library(nira_resources OBJECT ${NIRA_RESOURCE_SOURCES})
set_target_properties(nira_resources PROPERTIES AUTORCC ON)
target_link_libraries(nira_resources PRIVATE Qt6::Core)
target_sources(nira_app INTERFACE $<TARGET_OBJECTS:nira_resources>)
add_dependencies(nira_app nira_resources)
