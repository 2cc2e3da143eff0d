// What differs between hosts, in one place: how file names reach the C
// library and how text reaches a console. Elsewhere a name is a byte
// string; on Windows it is the UTF-16 name in WTF-8 (UTF-8 that also
// carries lone surrogates), so every name Windows can hold survives.
#ifndef BOOKMARKS2MENU_PLATFORM_HPP
#define BOOKMARKS2MENU_PLATFORM_HPP

#include <cstdio>
#include <string>
#include <string_view>

namespace b2m {

std::FILE *open_file(const char *name, const char *mode);
// Opens `name` anew on `file`, as std::freopen; null and closed on failure.
std::FILE *reopen_file(const char *name, const char *mode, std::FILE *file);
// True when both names lead to one file.
bool same_file(const char *a, const char *b);
// Writes `text` to a standard stream; a Windows console is given UTF-16,
// so no letter turns into '?' in its code page.
bool put_text(std::FILE *stream, std::string_view text);

std::string wtf8_from_utf16(std::u16string_view name);
std::u16string utf16_from_wtf8(std::string_view name);

} // namespace b2m

#endif
