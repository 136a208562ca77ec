# Makes the manual's PDF from its HTML with a headless LibreOffice on a profile of
# its own, so an office the user runs is neither used nor disturbed.
#   cmake -DSOFFICE=... -DSOURCE=docs/Instr.html -DOUTPUT=build/Instr.pdf -DWORK=folder -P make_manual.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${SOFFICE}" "-env:UserInstallation=file://${WORK}/profile" --headless --norestore --nologo
          "--infilter=HTML (StarWriter)" --convert-to pdf:writer_pdf_Export --outdir "${WORK}" "${SOURCE}"
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors TIMEOUT 180)
get_filename_component(name "${SOURCE}" NAME_WE)
if(NOT status EQUAL 0 OR NOT EXISTS "${WORK}/${name}.pdf")
  message(FATAL_ERROR "LibreOffice did not make the manual (status ${status}): ${errors}")
endif()
file(RENAME "${WORK}/${name}.pdf" "${OUTPUT}")
file(REMOVE_RECURSE "${WORK}")
