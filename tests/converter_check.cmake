# Fails, saying how to mend it, when web/bookmarks2menu-wasm.js is not
# the converter the sources build (BUILT).
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${BUILT} ${COMMITTED}
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "web/bookmarks2menu-wasm.js is not what the sources "
          "build. Refresh it with: cmake --build build --target "
          "refresh_converter, and commit it.")
endif()
