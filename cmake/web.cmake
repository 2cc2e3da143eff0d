# The page: web/menu.html, its style sheet and its scripts, gathered in
# the build's page/ folder, which tests, benchmarks and the install take
# whole. Its converter is the conversion library compiled by clang for
# WASI as a reactor that imports nothing, embedded base64 with
# web/menu-convert.js in one optional script beside menu.html, so that the
# page never fetches a .wasm file. That script is also committed as
# web/bookmarks2menu-wasm.js, so that the page converts straight from the
# source tree; CI checks that it is what the sources build.
# Needs Debian's clang, lld, wasi-libc, libc++-14-dev-wasm32,
# libc++abi-14-dev-wasm32 and libclang-rt-14-dev-wasm32; without them the
# committed converter is taken as it is.
# It reads browsers' stores too, with the reader and the vendored simdjson
# and LZ4 (third_party/) built in: simdjson without exceptions or threads,
# both with their own warnings quieted.
set(B2M_WASM_SOURCES src/wasm_api.cpp src/store_loader.cpp
    src/bookmark_store.cpp ${B2M_LIBRARY_SOURCES})
set(B2M_WASM_EXPORTS b2m_start b2m_block_size b2m_block b2m_add b2m_finish
    b2m_output b2m_output_size b2m_taken b2m_shortage b2m_stopped_line
    b2m_end b2m_store_kind b2m_store_room b2m_add_store b2m_failure)
set(web_dir ${PROJECT_BINARY_DIR}/web)
# The page's files, in web/: menu.html, its style sheet, and its scripts,
# read from menu.html's <script src> tags, the one list of them and of
# their order. menu.js is the user's; bookmarks2menu-wasm.js is built from
# menu-convert.js, just below.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/web/menu.html)
file(STRINGS ${PROJECT_SOURCE_DIR}/web/menu.html script_tags
     REGEX "<script src=\"[^\"]+\"></script>")
set(B2M_VIEWER_NAMES menu.html menu.css)
foreach(tag ${script_tags})
  string(REGEX REPLACE ".*<script src=\"([^\"]+)\"></script>.*" "\\1" name
         "${tag}")
  if(NOT name MATCHES "^(menu|bookmarks2menu-wasm)\\.js$")
    list(APPEND B2M_VIEWER_NAMES ${name})
  endif()
endforeach()
set(page_dir ${PROJECT_BINARY_DIR}/page)
set(B2M_VIEWER_FILES ${B2M_VIEWER_NAMES})
list(TRANSFORM B2M_VIEWER_FILES PREPEND ${PROJECT_SOURCE_DIR}/web/)

find_program(B2M_WASM_CXX NAMES clang++-14 clang++)
find_program(B2M_BASE64 base64)
set(wasm_target --target=wasm32-wasi --sysroot=/usr -Os)
set(wasm_flags ${wasm_target} -std=c++17 -fno-exceptions -mexec-model=reactor
    -Wall -Wextra -Wpedantic)
set(third_party ${PROJECT_SOURCE_DIR}/third_party)
set(wasm_stores -DB2M_STORES -DSIMDJSON_EXCEPTIONS=0
    -DSIMDJSON_NO_PORTABILITY_WARNING -isystem ${third_party}/simdjson
    -isystem ${third_party}/lz4)
set(wasm_link -Wl,--strip-all)
foreach(name ${B2M_WASM_EXPORTS})
  list(APPEND wasm_link -Wl,--export=${name})
endforeach()

set(B2M_WEB OFF)
if(B2M_WASM_CXX AND B2M_BASE64)
  # The toolchain is there when it links a reactor.
  file(WRITE ${PROJECT_BINARY_DIR}/wasm-probe.cpp
       "#include <string>\nextern \"C\" int f() { return std::string(\"x\").size(); }\n")
  execute_process(COMMAND ${B2M_WASM_CXX} ${wasm_flags} -Wl,--export=f
                          wasm-probe.cpp -o wasm-probe.wasm
                  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
                  RESULT_VARIABLE probe OUTPUT_QUIET ERROR_QUIET)
  if(probe EQUAL 0)
    set(B2M_WEB ON)
  endif()
endif()

if(B2M_WEB)
  message(STATUS "WebAssembly: ${B2M_WASM_CXX}; the page converts by itself")
  list(TRANSFORM B2M_WASM_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
  add_custom_command(OUTPUT ${web_dir}/simdjson.o ${web_dir}/lz4.o
    COMMAND ${CMAKE_COMMAND} -E make_directory ${web_dir}
    COMMAND ${B2M_WASM_CXX} ${wasm_target} -std=c++17 -fno-exceptions -w
            ${wasm_stores} -c ${third_party}/simdjson/simdjson.cpp
            -o ${web_dir}/simdjson.o
    COMMAND ${B2M_WASM_CXX} ${wasm_target} -w -x c
            -c ${third_party}/lz4/lz4.c -o ${web_dir}/lz4.o
    DEPENDS ${third_party}/simdjson/simdjson.cpp
            ${third_party}/simdjson/simdjson.h ${third_party}/lz4/lz4.c
            ${third_party}/lz4/lz4.h
    COMMENT "Building simdjson and LZ4 for WebAssembly" VERBATIM)
  add_custom_command(OUTPUT ${web_dir}/bookmarks2menu.wasm
    COMMAND ${B2M_WASM_CXX} ${wasm_flags} ${wasm_link} ${wasm_stores}
            -I${PROJECT_SOURCE_DIR}/src ${B2M_WASM_SOURCES}
            ${web_dir}/simdjson.o ${web_dir}/lz4.o
            -o ${web_dir}/bookmarks2menu.wasm
    DEPENDS ${B2M_WASM_SOURCES} src/convert.hpp src/bookmark_line.hpp
            src/menu_script.hpp src/byte_search.hpp
            src/byte_search_kernels.hpp src/output.hpp
            src/bookmark_store.hpp ${web_dir}/simdjson.o ${web_dir}/lz4.o
    COMMENT "Building the converter for WebAssembly" VERBATIM)
  add_custom_command(OUTPUT ${web_dir}/bookmarks2menu-wasm.js
    COMMAND ${CMAKE_COMMAND} -DBASE64=${B2M_BASE64}
            -DWASM=${web_dir}/bookmarks2menu.wasm
            -DCONVERTER=${PROJECT_SOURCE_DIR}/web/menu-convert.js
            -DOUT=${web_dir}/bookmarks2menu-wasm.js
            -P ${PROJECT_SOURCE_DIR}/cmake/embed_wasm.cmake
    DEPENDS ${web_dir}/bookmarks2menu.wasm cmake/embed_wasm.cmake
            web/menu-convert.js VERBATIM)
  set(B2M_CONVERTER ${web_dir}/bookmarks2menu-wasm.js)
  # The committed copy, for the page in the source tree, made anew.
  add_custom_target(refresh_converter
    COMMAND ${CMAKE_COMMAND} -E copy ${B2M_CONVERTER}
            ${PROJECT_SOURCE_DIR}/web/bookmarks2menu-wasm.js
    DEPENDS ${B2M_CONVERTER} VERBATIM)
else()
  message(STATUS "WebAssembly: no clang for wasm32-wasi with wasi-libc and "
          "libc++ (Debian: clang lld wasi-libc libc++-14-dev-wasm32 "
          "libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32): the page "
          "takes the committed web/bookmarks2menu-wasm.js")
  set(B2M_CONVERTER ${PROJECT_SOURCE_DIR}/web/bookmarks2menu-wasm.js)
endif()
set(B2M_PAGE_FILES ${B2M_VIEWER_FILES} ${B2M_CONVERTER})
set(B2M_PAGE_NAMES ${B2M_VIEWER_NAMES} bookmarks2menu-wasm.js)
add_custom_command(OUTPUT ${page_dir}/menu.html
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${page_dir}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${page_dir}
  COMMAND ${CMAKE_COMMAND} -E copy ${B2M_PAGE_FILES} ${page_dir}
  DEPENDS ${B2M_PAGE_FILES} cmake/web.cmake
  COMMENT "Gathering the page in page/" VERBATIM)
add_custom_target(web ALL DEPENDS ${page_dir}/menu.html)
