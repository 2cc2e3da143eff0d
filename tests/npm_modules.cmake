# Puts the browser tests' npm modules in SOURCE/node_modules from the
# committed lock file, unless they are there already: npm records the tree
# it installed in node_modules/.package-lock.json. No browser is downloaded.
set(lock ${SOURCE}/package-lock.json)
set(installed ${SOURCE}/node_modules/.package-lock.json)
if(EXISTS ${installed} AND NOT ${lock} IS_NEWER_THAN ${installed})
  return()
endif()
set(ENV{PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD} 1)
set(ENV{PUPPETEER_SKIP_DOWNLOAD} 1)
foreach(try 1 2) # the registry may fail once
  execute_process(COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
                  WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE status)
  if(status EQUAL 0)
    return()
  endif()
endforeach()
message(FATAL_ERROR "npm ci failed (${status}); the browser tests need its modules")
