/* Read before simdjson.h on mingw-w64, which defines _MT whatever its
 * thread model; simdjson takes that for std::thread and std::mutex, which
 * Debian's default (win32) thread model lacks. The store reader parses
 * one document on one thread, and nothing else looks at _MT. */
#include <_mingw.h>
#undef _MT
