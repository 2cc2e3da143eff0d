# Installs the build BUILD into a fresh prefix and checks that the
# executable, the manual, every file of the page and, with SYSTEMD_UNITS
# set, the systemd user units arrive where the README says. With KEEP set,
# installs into KEEP and checks nothing.
#
# `cmake --install` writes BUILD/install_manifest.txt, the list a user's
# uninstall reads: a test's install must leave the user's list as it was.
set(manifest ${BUILD}/install_manifest.txt)
set(saved ${BUILD}/install_manifest.user)
if(EXISTS ${manifest})
  file(RENAME ${manifest} ${saved})
endif()
if(KEEP)
  set(prefix ${KEEP})
else()
  set(prefix ${BUILD}/install-check)
endif()
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
file(REMOVE ${manifest})
if(EXISTS ${saved})
  file(RENAME ${saved} ${manifest})
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${status}")
endif()
if(KEEP)
  return()
endif()
file(GLOB page RELATIVE ${BUILD}/page ${BUILD}/page/*)
list(TRANSFORM page PREPEND share/bookmarks2menu/)
foreach(file bin/bookmarks2menu share/man/man1/bookmarks2menu.1
             share/bookmarks2menu/menu.html ${page})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The installed program finds its store reader where it is installed.
if(STORES)
  set(use ${prefix}/use)
  file(MAKE_DIRECTORY ${use}/store ${use}/export)
  foreach(kind store:chromium-Bookmarks.json export:chromium-export.html)
    string(REPLACE ":" ";" kind ${kind})
    list(GET kind 0 dir)
    list(GET kind 1 file)
    execute_process(COMMAND ${prefix}/bin/bookmarks2menu
                            ${SOURCE}/tests/stores/example/${file}
                    WORKING_DIRECTORY ${use}/${dir} RESULT_VARIABLE status
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "the installed program read no ${file}: ${err}")
    endif()
  endforeach()
  file(READ ${use}/store/menu.js from_store)
  file(READ ${use}/export/menu.js from_export)
  if(NOT from_store STREQUAL from_export)
    message(FATAL_ERROR "the installed program's store menu is not the export's")
  endif()
endif()
# The manual names the page where this prefix holds it.
file(READ ${prefix}/share/man/man1/bookmarks2menu.1 manual)
string(FIND "${manual}" "${prefix}/share/bookmarks2menu/menu.html" named)
if(named EQUAL -1)
  message(FATAL_ERROR "the manual does not name ${prefix}/share/bookmarks2menu")
endif()
# The user units where the user's systemd finds them under this prefix,
# the service naming the program installed with them.
if(SYSTEMD_UNITS)
  foreach(unit bookmarks2menu@.path bookmarks2menu@.service)
    if(NOT EXISTS ${prefix}/share/systemd/user/${unit})
      message(FATAL_ERROR "not installed: share/systemd/user/${unit}")
    endif()
  endforeach()
  file(STRINGS ${prefix}/share/systemd/user/bookmarks2menu@.service run
       REGEX "^ExecStart=.* ${prefix}/bin/bookmarks2menu ")
  if(NOT run)
    message(FATAL_ERROR "the service does not run ${prefix}/bin/bookmarks2menu")
  endif()
endif()
file(REMOVE_RECURSE ${prefix})
