# Installs the build BUILD into a fresh prefix and checks that the
# executable, the manual and the viewer page arrive where the README says.
set(prefix ${BUILD}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${status}")
endif()
foreach(file bin/bookmarks2menu share/man/man1/bookmarks2menu.1
             share/bookmarks2menu/menu.html share/bookmarks2menu/menu.css
             share/bookmarks2menu/menu-view.js)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(EXISTS ${BUILD}/web/bookmarks2menu-wasm.js AND NOT EXISTS
   ${prefix}/share/bookmarks2menu/bookmarks2menu-wasm.js)
  message(FATAL_ERROR "the page was installed without its converter")
endif()
file(REMOVE_RECURSE ${prefix})
