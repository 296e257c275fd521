# Script mode: copies the product's modules and data into OUT_DIR.
file(MAKE_DIRECTORY ${OUT_DIR}/Repository ${OUT_DIR}/Lang)
file(GLOB modules ${BIN_DIR}/*.dll ${BIN_DIR}/*.exe)
file(COPY ${modules} DESTINATION ${OUT_DIR})
file(COPY ${DATA_DIR}/KOVAUtils.cfg DESTINATION ${OUT_DIR})
execute_process(COMMAND ${PYTHON} ${TO_UTF16} ${DATA_DIR}/KOVAMainCat.xml
                        ${OUT_DIR}/Repository/KOVAMainCat
                COMMAND_ERROR_IS_FATAL ANY)
if(IS_DIRECTORY ${LANG_DIR})
  file(GLOB languages LIST_DIRECTORIES true ${LANG_DIR}/*)
  file(COPY ${languages} DESTINATION ${OUT_DIR}/Lang)
endif()
if(EXISTS ${SKIN_FILE})
  file(COPY ${SKIN_FILE} DESTINATION ${OUT_DIR})
endif()
