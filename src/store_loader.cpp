// The executable's side of reading a store: the whole file, and the reader
// built in or, where the JSON and LZ4 libraries are shared ones, loaded as
// a module for this file alone.
#include "bookmark_store.hpp"
// WebAssembly has no files: its page hands over a store whole.
#ifndef __wasi__
#include "platform.hpp"
#endif

#include <cerrno>
#include <cstring>

#ifdef B2M_STORE_MODULE
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>
#endif

namespace b2m {

namespace {

#ifdef B2M_STORES
// The sink that hands the reader's lines to the conversion.
bool to_conversion(void *target, const char *bytes, size_t size) {
  Conversion &c = *static_cast<Conversion *>(target);
  char *room = input_room(c);
  if (room == nullptr)
    return false;
  std::memcpy(room, bytes, size);
  return add_input(c, size);
}

// The reader's answer, built in or loaded, as a failure or none.
StoreFailure run_reader(decltype(&b2m_store_lines) lines, std::string_view file,
                        Conversion &c) {
  char reason[256] = "";
  const int r =
      lines(file.data(), file.size(), to_conversion, &c, reason, sizeof reason);
  return {r > 0 ? r : 0, r < 0 ? reason : ""};
}
#endif

#ifndef __wasi__
// How many bytes are left from where `file` stands; 0 when it cannot tell.
std::size_t bytes_left(std::FILE *file) {
  const long at = std::ftell(file);
  if (at < 0 || std::fseek(file, 0, SEEK_END) != 0)
    return 0;
  const long end = std::ftell(file);
  if (std::fseek(file, at, SEEK_SET) != 0)
    return 0;
  return end > at ? static_cast<std::size_t>(end - at) : 0;
}

// The whole file, which began with `first`, and store_padding bytes after
// it; an error number on failure. Read in one go where the size is known.
int read_rest(std::FILE *file, std::string_view first, Buffer &bytes) {
  if (!fresh(bytes, first.size() + bytes_left(file) + store_padding + 1))
    return ENOMEM;
  std::memcpy(bytes.bytes.get(), first.data(), first.size());
  bytes.size = first.size();
  for (;;) {
    if (bytes.capacity - bytes.size <= store_padding &&
        !resize(bytes, 2 * bytes.capacity))
      return ENOMEM;
    errno = 0;
    const std::size_t got =
        std::fread(bytes.bytes.get() + bytes.size, 1,
                   bytes.capacity - bytes.size - store_padding, file);
    bytes.size += got;
    if (got == 0)
      return std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
  }
}

#endif

#ifdef B2M_STORE_MODULE
// The module stands where it is installed, B2M_STORE_MODULE from the
// executable's folder, or beside the executable in the build tree.
void *open_module(std::string &why) {
  char exe[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  std::string folder = n > 0 ? std::string(exe, n) : std::string();
  folder.erase(folder.find_last_of('/') + 1);
  const std::string name = B2M_STORE_MODULE;
  for (const std::string &path :
       {folder + name, folder + name.substr(name.find_last_of('/') + 1)}) {
    if (void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
      return module;
    why = dlerror();
  }
  return nullptr;
}

StoreFailure read_lines(std::string_view file, Conversion &c) {
  std::string why;
  void *module = open_module(why);
  if (module == nullptr)
    return {0, "cannot load the bookmark store reader: " + why};
  auto *lines = reinterpret_cast<decltype(&b2m_store_lines)>(
      dlsym(module, "b2m_store_lines"));
  StoreFailure failure;
  if (lines == nullptr) {
    failure.reason =
        "cannot load the bookmark store reader: " + std::string(dlerror());
  } else {
    failure = run_reader(lines, file, c);
  }
  dlclose(module); // nothing of it is kept
  return failure;
}
#elif !defined(B2M_STORES)
StoreFailure read_lines(std::string_view, Conversion &) {
  return {0, "this build reads no bookmark stores"};
}
#else
StoreFailure read_lines(std::string_view file, Conversion &c) {
  return run_reader(b2m_store_lines, file, c);
}
#endif

} // namespace

#ifndef __wasi__
StoreFailure add_store(Conversion &c, std::FILE *file, std::string_view first) {
  MappedFile map;
  if (map_file(file, first.size(), store_padding, map)) {
    StoreFailure failure = read_lines({map.bytes, map.size}, c);
    if (!unmap_file(map))
      failure = {0, "the file was cut short while it was read"};
    return failure;
  }
  Buffer bytes;
  if (const int err = read_rest(file, first, bytes))
    return {err, {}};
  return read_lines({bytes.bytes.get(), bytes.size}, c);
}
#endif

StoreFailure add_store(Conversion &c, std::string_view file) {
  return read_lines(file, c);
}

} // namespace b2m
