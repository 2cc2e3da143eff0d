# What both mingw-w64 toolchain files share; they set mingw_triple.
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++)
# lz4.c, vendored for the store reader, is C.
set(CMAKE_C_COMPILER ${mingw_triple}-gcc)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
