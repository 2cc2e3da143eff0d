# Writes OUT: the module WASM as a script that sets B2M.wasm to its bytes
# in base64, so that a page opened from a file has it without a fetch,
# followed by the page's side of the converter, CONVERTER.
execute_process(COMMAND ${BASE64} -w0 ${WASM} OUTPUT_VARIABLE encoded
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "base64 failed on ${WASM}")
endif()
file(READ ${CONVERTER} converter)
file(WRITE ${OUT} "// bookmarks2menu's converter, built for WebAssembly.\n"
                  "B2M.wasm = '${encoded}';\n" "${converter}")
