# Installs the build BUILD into a fresh prefix and checks that the
# executable, the manual and every file of the page arrive where the README
# says.
set(prefix ${BUILD}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${status}")
endif()
file(GLOB page RELATIVE ${BUILD}/page ${BUILD}/page/*)
list(TRANSFORM page PREPEND share/bookmarks2menu/)
foreach(file bin/bookmarks2menu share/man/man1/bookmarks2menu.1
             share/bookmarks2menu/menu.html ${page})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The manual names the page where this prefix holds it.
file(READ ${prefix}/share/man/man1/bookmarks2menu.1 manual)
string(FIND "${manual}" "${prefix}/share/bookmarks2menu/menu.html" named)
if(named EQUAL -1)
  message(FATAL_ERROR "the manual does not name ${prefix}/share/bookmarks2menu")
endif()
file(REMOVE_RECURSE ${prefix})
