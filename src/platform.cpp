#include "platform.hpp"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <cwchar>
#include <io.h>
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
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

bool same_entry(const char *a, const char *b) {
  const std::filesystem::path pa = native_path(a), pb = native_path(b);
#ifdef _WIN32
  // Windows names differ in case only as spellings of one name.
  if (_wcsicmp(pa.filename().c_str(), pb.filename().c_str()) != 0)
    return false;
#else
  if (pa.filename() != pb.filename())
    return false;
#endif
  const auto dir = [](const std::filesystem::path &p) {
    return p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
  };
  std::error_code ec;
  return !pa.filename().empty() &&
         std::filesystem::equivalent(dir(pa), dir(pb), ec);
}

namespace {

using Native = std::filesystem::path::value_type;

// The temporary menu, for the signal handler. The program's one global
// state: a handler is given nothing but the signal, and may only read
// what is already in memory, so the name waits in a fixed buffer.
Native temp_name[4096];
volatile std::sig_atomic_t temp_armed = 0; // temp_name is a file of ours
// Windows removes no file that is open: the handler closes it first.
volatile std::sig_atomic_t temp_fd = -1;

#ifdef _WIN32
constexpr int caught[] = {SIGINT, SIGTERM};
#else
constexpr int caught[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
#endif

// Removes the temporary menu, then dies of the signal as it would have.
extern "C" void remove_temp_and_die(int sig) {
  if (temp_armed != 0) {
#ifdef _WIN32
    if (temp_fd >= 0)
      _close(temp_fd);
    _wunlink(temp_name);
#else
    ::unlink(temp_name);
#endif
  }
  std::signal(sig, SIG_DFL);
  std::raise(sig); // held until the handler returns, where it is blocked
}

// Signals ignored by whoever started the program stay ignored.
void catch_signals() {
  for (const int sig : caught) {
#ifdef _WIN32
    if (std::signal(sig, remove_temp_and_die) == SIG_IGN)
      std::signal(sig, SIG_IGN);
#else
    struct sigaction now = {}, before = {};
    now.sa_handler = remove_temp_and_die;
    sigemptyset(&now.sa_mask);
    if (sigaction(sig, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
      sigaction(sig, &now, nullptr);
#endif
  }
}

void disarm() {
  temp_armed = 0;
  temp_fd = -1;
}

// A new empty file beside the target, named after `name` as the user
// knows it, which a signal from now on removes.
int make_temp(const std::filesystem::path &target,
              const std::filesystem::path &name) {
  std::filesystem::path file = ".";
  file += name.filename();
  file += ".";
  const std::filesystem::path base = target.parent_path() / file;
  if (base.native().size() + 7 > sizeof temp_name / sizeof *temp_name)
    return -1;
#ifdef _WIN32
  // No mkstemp: a name of the time and the process, made anew until one
  // is free.
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    wchar_t tail[8];
    const unsigned tick = GetTickCount() ^ (GetCurrentProcessId() << 8);
    std::swprintf(tail, 8, L"%06x", (tick + attempt * 7919) & 0xFFFFFF);
    const std::wstring name = base.native() + tail;
    std::wcscpy(temp_name, name.c_str());
    const int fd = _wopen(temp_name, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd >= 0) {
      temp_fd = fd;
      temp_armed = 1;
      return fd;
    }
    if (errno != EEXIST)
      return -1;
  }
  return -1;
#else
  // Held off while mkstemp tries names, so that a handler never removes
  // a name it tried and found taken.
  sigset_t held, before;
  sigemptyset(&held);
  for (const int sig : caught)
    sigaddset(&held, sig);
  sigprocmask(SIG_BLOCK, &held, &before);
  std::strcpy(temp_name, (base.native() + "XXXXXX").c_str());
  const int fd = mkstemp(temp_name);
  if (fd >= 0) {
    temp_fd = fd;
    temp_armed = 1;
  }
  sigprocmask(SIG_SETMASK, &before, nullptr);
  return fd;
#endif
}

// Opens an existing file for writing, neither made nor emptied.
int open_existing(const std::filesystem::path &path) {
#ifdef _WIN32
  return _wopen(path.c_str(), _O_WRONLY | _O_BINARY);
#else
  return ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
#endif
}

int close_fd(int fd) {
#ifdef _WIN32
  return _close(fd);
#else
  return ::close(fd);
#endif
}

void remove_file(const std::filesystem::path &path) {
#ifdef _WIN32
  _wunlink(path.c_str());
#else
  ::unlink(path.c_str());
#endif
}

std::FILE *file_of(int fd) {
#ifdef _WIN32
  return _fdopen(fd, "wb");
#else
  return fdopen(fd, "wb");
#endif
}

// Whether the open file can be replaced by another of the same name
// without breaking anything; `mode` is the one the new file takes.
bool replaceable(int fd, int &mode) {
#ifdef _WIN32
  const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  BY_HANDLE_FILE_INFORMATION info;
  mode = 0;
  return GetFileType(h) == FILE_TYPE_DISK &&
         GetFileInformationByHandle(h, &info) && info.nNumberOfLinks == 1 &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 ||
      st.st_uid != geteuid())
    return false;
  mode = static_cast<int>(st.st_mode & 07777);
  return true;
#endif
}

// A new menu.js gets the mode a plain create would give it.
int created_mode() {
#ifdef _WIN32
  return 0;
#else
  const mode_t mask = umask(0);
  umask(mask);
  return static_cast<int>(0666 & ~mask);
#endif
}

// The temporary file, with the mode and group the file it replaces has.
bool set_mode(int fd, int mode, int keep_from) {
#ifdef _WIN32
  (void)fd, (void)mode, (void)keep_from;
  return true;
#else
  struct stat st;
  // The group stays where this user may give it; elsewhere, the user's.
  if (keep_from >= 0 && fstat(keep_from, &st) == 0 &&
      fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0)
    return fchmod(fd, static_cast<mode_t>(mode) & 0707) == 0;
  return fchmod(fd, static_cast<mode_t>(mode)) == 0;
#endif
}

int rename_over(const std::filesystem::path &from,
                const std::filesystem::path &to) {
#ifdef _WIN32
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
    return 0;
  const DWORD e = GetLastError();
  return e == ERROR_ACCESS_DENIED || e == ERROR_SHARING_VIOLATION ? EACCES
         : e == ERROR_DISK_FULL                                   ? ENOSPC
                                                                  : EIO;
#else
#ifdef RENAME_EXCHANGE
  // Swapped, then the old menu removed, rather than renamed over: ext4
  // writes a file renamed over another out at once, which costs a large
  // menu tens of milliseconds that writing in place never did.
  errno = 0;
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                RENAME_EXCHANGE) == 0)
    return std::remove(from.c_str()) == 0 ? 0 : errno != 0 ? errno : EIO;
  // No menu to swap with, or a file system that cannot swap.
  if (errno != ENOENT && errno != EINVAL && errno != ENOSYS)
    return errno != 0 ? errno : EIO;
#endif
  errno = 0;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0
         : errno != 0 ? errno
                      : EIO;
#endif
}

// In place, on the file already open (a pipe opened twice would end).
int in_place(MenuTarget &menu, int fd) {
  if (fd < 0)
    return 0;
  if ((menu.file = file_of(fd)) != nullptr)
    return 0;
  const int err = errno != 0 ? errno : EIO;
  close_fd(fd);
  return err;
}

} // namespace

int open_menu(MenuTarget &menu, const char *name) {
  namespace fs = std::filesystem;
  menu = {};
  const fs::path path = native_path(name);
  errno = 0;
  const int fd = open_existing(path);
  if (fd < 0 && errno != ENOENT)
    return errno != 0 ? errno : EIO;
  std::error_code ec;
  const bool link = fs::is_symlink(path, ec);
  int mode = created_mode();
  if (fd >= 0 ? !replaceable(fd, mode) : link) // a link to nothing: in place
    return in_place(menu, fd);
  fs::path target = path;
  if (link && (target = fs::canonical(path, ec), ec))
    return in_place(menu, fd);
  catch_signals();
  const int temp = make_temp(target, path);
  if (temp < 0 || !set_mode(temp, mode, fd) ||
      (menu.file = file_of(temp)) == nullptr) {
    if (temp >= 0) {
      temp_fd = -1;
      close_fd(temp);
      remove_file(temp_name);
      disarm();
    }
    return in_place(menu, fd);
  }
  menu.target = target;
  menu.temp = temp_name;
  if (fd >= 0 && close_fd(fd) != 0) {
    const int err = errno != 0 ? errno : EIO;
    discard_menu(menu);
    return err;
  }
  return 0;
}

int empty_menu(MenuTarget &menu, const char *name) {
  if (!menu.temp.empty())
    return 0; // the temporary file is empty already
  errno = 0;
  menu.file = menu.file != nullptr ? reopen_file(name, "wb", menu.file)
                                   : open_file(name, "wb");
  return menu.file != nullptr ? 0 : errno != 0 ? errno : EIO;
}

int close_menu(MenuTarget &menu) {
  temp_fd = -1; // its number may be reused once closed
  errno = 0;
  int err = 0;
  if (menu.file != nullptr && std::fclose(menu.file) != 0)
    err = errno != 0 ? errno : EIO;
  menu.file = nullptr;
  if (menu.temp.empty())
    return err;
  if (err == 0)
    err = rename_over(menu.temp, menu.target);
  if (err != 0)
    remove_file(menu.temp);
  disarm();
  menu.temp.clear();
  return err;
}

void discard_menu(MenuTarget &menu) {
  temp_fd = -1;
  if (menu.file != nullptr)
    std::fclose(menu.file); // the failure before it is the one reported
  menu.file = nullptr;
  if (!menu.temp.empty())
    remove_file(menu.temp);
  disarm();
  menu.temp.clear();
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

#ifdef _WIN32
bool map_file(std::FILE *, std::size_t, std::size_t, MappedFile &) {
  return false;
}
bool unmap_file(MappedFile &) {
  return true;
}
#else
namespace {

// The mapped file, for the bus-error handler: pages a file loses to a
// writer while mapped fault. The handler puts zero pages in their place,
// so the parse ends in an error, and notes it.
volatile std::uintptr_t mapped_from = 0, mapped_to = 0, mapped_page = 4096;
volatile std::sig_atomic_t mapped_shrank = 0;
struct sigaction bus_before;

extern "C" void zero_lost_pages(int, siginfo_t *info, void *) {
  const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
  if (at < mapped_from || at >= mapped_to) {
    sigaction(SIGBUS, &bus_before, nullptr); // not ours: fault again
    return;
  }
  const std::uintptr_t page = at / mapped_page * mapped_page;
  mapped_shrank = 1;
  mmap(reinterpret_cast<void *>(page), mapped_to - page, PROT_READ,
       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
}

} // namespace

bool map_file(std::FILE *file, std::size_t read, std::size_t padding,
              MappedFile &map) {
  struct stat s;
  const int fd = fileno(file);
  const long at = std::ftell(file);
  if (fd < 0 || fstat(fd, &s) != 0 || !S_ISREG(s.st_mode) || at < 0 ||
      static_cast<std::size_t>(at) != read || s.st_size <= 0)
    return false;
  const std::size_t size = static_cast<std::size_t>(s.st_size);
  const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t length = (size + padding + page - 1) / page * page;
  // Zero pages first, then the file over them: the padding past the
  // file's last page reads as zeros.
  void *room =
      mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (room == MAP_FAILED)
    return false;
  struct sigaction now = {};
  now.sa_sigaction = zero_lost_pages;
  now.sa_flags = SA_SIGINFO;
  sigemptyset(&now.sa_mask);
  if (mmap(room, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, fd,
           0) == MAP_FAILED ||
      sigaction(SIGBUS, &now, &bus_before) != 0) {
    munmap(room, length);
    return false;
  }
  map = {static_cast<const char *>(room), size, length};
  mapped_page = page;
  mapped_shrank = 0;
  mapped_from = reinterpret_cast<std::uintptr_t>(room);
  mapped_to = mapped_from + length;
  return true;
}

bool unmap_file(MappedFile &map) {
  if (map.bytes == nullptr)
    return true;
  munmap(const_cast<char *>(map.bytes), map.length);
  sigaction(SIGBUS, &bus_before, nullptr);
  mapped_from = mapped_to = 0;
  map = {};
  return mapped_shrank == 0;
}
#endif

} // namespace b2m
