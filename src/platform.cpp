#include "platform.hpp"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace b2m {

namespace {

void put_utf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  static const unsigned char lead[] = {0, 0xC0, 0xE0, 0xF0};
  const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  out += static_cast<char>(lead[tail] | (c >> (6 * tail)));
  for (int i = tail - 1; i >= 0; --i)
    out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

#ifdef _WIN32
std::wstring wide(const char *name) {
  const std::u16string u = utf16_from_wtf8(name);
  return std::wstring(u.begin(), u.end());
}
#endif

std::filesystem::path native_path(const char *name) {
#ifdef _WIN32
  return std::filesystem::path(wide(name));
#else
  return std::filesystem::path(name);
#endif
}

} // namespace

std::string wtf8_from_utf16(std::u16string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char32_t c = name[i];
    const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < name.size() &&
                      name[i + 1] >= 0xDC00 && name[i + 1] < 0xE000;
    if (pair)
      c = 0x10000 + ((c - 0xD800) << 10) + (name[++i] - 0xDC00);
    put_utf8(out, c);
  }
  return out;
}

std::u16string utf16_from_wtf8(std::string_view name) {
  std::u16string out;
  for (std::size_t i = 0; i < name.size();) {
    const auto lead = static_cast<unsigned char>(name[i++]);
    const int tail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0;
    char32_t c = lead & (0x7F >> tail);
    for (int k = 0; k < tail && i < name.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(name[i++]) & 0x3F);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      c = 0xDC00 + ((c - 0x10000) & 0x3FF);
    }
    out += static_cast<char16_t>(c);
  }
  return out;
}

std::FILE *open_file(const char *name, const char *mode) {
#ifdef _WIN32
  return _wfopen(wide(name).c_str(), wide(mode).c_str());
#else
  return std::fopen(name, mode);
#endif
}

std::FILE *reopen_file(const char *name, const char *mode, std::FILE *file) {
#ifdef _WIN32
  return _wfreopen(wide(name).c_str(), wide(mode).c_str(), file);
#else
  return std::freopen(name, mode, file);
#endif
}

bool same_file(const char *a, const char *b) {
  std::error_code ec;
  return std::filesystem::equivalent(native_path(a), native_path(b), ec);
}

bool put_text(std::FILE *stream, std::string_view text) {
#ifdef _WIN32
  const HANDLE console =
      reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode;
  if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
    const std::u16string u = utf16_from_wtf8(text);
    DWORD written;
    std::fflush(stream);
    return WriteConsoleW(console, u.data(), static_cast<DWORD>(u.size()),
                         &written, nullptr) != 0;
  }
#endif
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

} // namespace b2m
