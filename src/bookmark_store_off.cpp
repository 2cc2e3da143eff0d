// Built without simdjson and liblz4: no file is taken for a store, and
// every input takes the HTML path.
#include "bookmark_store.hpp"

namespace b2m {

struct StoreTree {};

void StoreTreeFree::operator()(StoreTree *tree) const {
  delete tree;
}

StoreKind store_kind(std::string_view) {
  return StoreKind::none;
}

Store read_store(std::FILE *, std::string_view, StoreKind) {
  return {};
}

Store parse_store(std::string_view, StoreKind) {
  return {};
}

void add_store(Conversion &, const StoreTree &) {}

std::string convert_store(std::string_view, std::string &error) {
  error = "built without the bookmark stores";
  return {};
}

} // namespace b2m
