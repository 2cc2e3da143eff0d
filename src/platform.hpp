// What differs between hosts, in one place: how file names reach the C
// library and how text reaches a console. Elsewhere a name is a byte
// string; on Windows it is the UTF-16 name in WTF-8 (UTF-8 that also
// carries lone surrogates), so every name Windows can hold survives.
#ifndef BOOKMARKS2MENU_PLATFORM_HPP
#define BOOKMARKS2MENU_PLATFORM_HPP

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace b2m {

std::FILE *open_file(const char *name, const char *mode);
// Opens `name` anew on `file`, as std::freopen; null and closed on failure.
std::FILE *reopen_file(const char *name, const char *mode, std::FILE *file);
// True when both names lead to one file.
bool same_file(const char *a, const char *b);
// True when both names are one entry of one directory: "./menu.js" is
// "menu.js", a link to it is not.
bool same_entry(const char *a, const char *b);

// Where menu.js goes. A regular file of this user's with no other link is
// replaced whole: the menu is written to a temporary file beside it and
// renamed over it once complete, so that a failure or an interrupt leaves
// the last menu as it was. Anything else (a device, a pipe, a file with
// other links or another owner, a directory that takes no new file) is
// written in place, emptied only once the first block has been read.
struct MenuTarget {
  std::FILE *file = nullptr;    // where the bytes go; null until there is one
  std::filesystem::path target; // what the temporary file is renamed to
  std::filesystem::path temp;   // empty when written in place
};

// Chooses how `name` is written, without creating or emptying it; an
// error number when it cannot be written at all.
int open_menu(MenuTarget &menu, const char *name);
// Opens a menu written in place anew, empty; an error number on failure.
int empty_menu(MenuTarget &menu, const char *name);
// Closes the menu and puts the temporary file in its target's place; an
// error number on failure, which leaves no temporary file behind.
int close_menu(MenuTarget &menu);
// After a failure: closes the menu and removes the temporary file.
void discard_menu(MenuTarget &menu);
// Writes `text` to a standard stream; a Windows console is given UTF-16,
// so no letter turns into '?' in its code page.
bool put_text(std::FILE *stream, std::string_view text);

// A whole regular file, mapped read-only where the system can, with at
// least `padding` zero bytes readable after it: a large store is parsed
// where it lies, with no copy and no fresh memory to fault in.
struct MappedFile {
  const char *bytes = nullptr; // null when not mapped: read it instead
  std::size_t size = 0;
  std::size_t length = 0; // of the mapping
};
// Maps `file`, whose first `read` bytes have been read through it; false
// for anything but a regular file read from its start, or on a failure.
// One file at a time.
bool map_file(std::FILE *file, std::size_t read, std::size_t padding,
              MappedFile &map);
// Unmaps it; false when the file was cut shorter while mapped, and what
// was lost read as zeros.
bool unmap_file(MappedFile &map);

std::string wtf8_from_utf16(std::u16string_view name);
std::u16string utf16_from_wtf8(std::string_view name);

} // namespace b2m

#endif
