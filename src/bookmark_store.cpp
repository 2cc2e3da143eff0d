#include "bookmark_store.hpp"

#include <lz4.h>
#include <simdjson.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace b2m {

namespace dom = simdjson::dom;

namespace {

// The magic, then the size of the data once decompressed.
constexpr std::size_t lz4_header = 12;
// No LZ4 block grows its data more than 255 times.
constexpr std::uint64_t lz4_most_growth = 255;

const char *const cut_short = "not a complete bookmarks store (cut short?)";
const char *const no_store = "not a bookmarks store: ";

} // namespace

enum class Browser { chromium, firefox };

// Chromium: the bookmark bar, "other" and "synced"; Firefox: the menu,
// the toolbar and "unfiled". A missing one is null.
struct StoreTree {
  Buffer bytes; // the JSON, with simdjson's padding behind it
  dom::parser parser;
  Browser browser = Browser::chromium;
  dom::element roots[3];
  bool has[3] = {};
};

namespace {

// A parsed and checked store, or why there is none.
struct Parsed {
  std::unique_ptr<StoreTree> tree;
  std::string error; // said plainly
  int err = 0;       // a system error
};

Parsed failed(std::string error) {
  Parsed s;
  s.error = std::move(error);
  return s;
}

Parsed failed_errno(int err) {
  Parsed s;
  s.err = err;
  return s;
}

// A store cut short ends anywhere but at the brace that closes it; one
// that does end there is broken inside.
std::string parse_error(simdjson::error_code e, std::string_view json) {
  const std::size_t last = json.find_last_not_of(" \t\r\n");
  switch (e) {
  case simdjson::UTF8_ERROR:
    return "invalid UTF-8";
  case simdjson::DEPTH_ERROR:
    return "nested too deeply";
  case simdjson::CAPACITY:
    return "too large a bookmarks store";
  default:
    if (last == npos || json[last] != '}')
      return cut_short;
    return std::string(no_store) + "not valid JSON";
  }
}

// The fields of one entry of either browser that its export looks at.
struct Entry {
  std::string_view type, title, url, root;
  bool has_title = false, has_url = false, has_type = false;
  dom::array children;
  bool has_children = false;
  bool string_expected = false; // one of them was not a string
};

Entry read_entry(const dom::object &object, Browser browser) {
  Entry e;
  const std::string_view title_key =
      browser == Browser::chromium ? "name" : "title";
  const std::string_view url_key = browser == Browser::chromium ? "url" : "uri";
  for (const dom::key_value_pair field : object) {
    std::string_view *text = nullptr;
    bool *has = nullptr;
    if (field.key == "type") {
      text = &e.type, has = &e.has_type;
    } else if (field.key == title_key) {
      text = &e.title, has = &e.has_title;
    } else if (field.key == url_key) {
      text = &e.url, has = &e.has_url;
    } else if (field.key == "root" && browser == Browser::firefox) {
      if (field.value.get_string().get(e.root) != simdjson::SUCCESS)
        e.string_expected = true;
      continue;
    } else if (field.key == "children") {
      if (field.value.get_array().get(e.children) != simdjson::SUCCESS)
        e.string_expected = true;
      e.has_children = true;
      continue;
    } else {
      continue;
    }
    if (field.value.get_string().get(*text) != simdjson::SUCCESS)
      e.string_expected = true;
    *has = true;
  }
  return e;
}

constexpr std::string_view folder_type = "text/x-moz-place-container";
constexpr std::string_view separator_type = "text/x-moz-place-separator";

// Every entry below `element` is of a shape the browser's exporter writes.
std::string check_entries(const dom::element &element, Browser browser) {
  dom::object object;
  if (element.get_object().get(object) != simdjson::SUCCESS)
    return std::string(no_store) + "an entry that is not an object";
  const Entry e = read_entry(object, browser);
  if (e.string_expected)
    return std::string(no_store) + "an entry field of the wrong type";
  bool folder;
  if (browser == Browser::chromium) {
    if (!e.has_title || !e.has_type)
      return std::string(no_store) + "an entry without \"name\" or \"type\"";
    folder = e.type == "folder";
    if (!folder && e.type != "url")
      return std::string(no_store) + "an entry of unknown \"type\"";
    if (folder ? !e.has_children : !e.has_url)
      return std::string(no_store) + (folder ? "a folder without \"children\""
                                             : "a bookmark without \"url\"");
  } else {
    folder = e.type == folder_type;
  }
  if (folder && e.has_children)
    for (const dom::element child : e.children) {
      std::string error = check_entries(child, browser);
      if (!error.empty())
        return error;
    }
  return {};
}

// The roots: Chromium's under "roots", Firefox's among the children of
// its root; then every entry under them.
std::string find_roots(StoreTree &t, const dom::element &top) {
  dom::object object;
  if (top.get_object().get(object) != simdjson::SUCCESS)
    return std::string(no_store) + "no \"roots\"";
  dom::element roots;
  if (object["roots"].get(roots) == simdjson::SUCCESS) {
    t.browser = Browser::chromium;
    if (roots.type() != dom::element_type::OBJECT)
      return std::string(no_store) + "\"roots\" is not an object";
    const char *const names[] = {"bookmark_bar", "other", "synced"};
    for (int i = 0; i < 3; ++i)
      t.has[i] = roots[names[i]].get(t.roots[i]) == simdjson::SUCCESS;
    if (!t.has[0] || !t.has[1])
      return std::string(no_store) +
             "no \"bookmark_bar\" or \"other\" in \"roots\"";
  } else {
    t.browser = Browser::firefox;
    const Entry e = read_entry(object, Browser::firefox);
    if (e.type != folder_type || !e.has_children || e.string_expected)
      return std::string(no_store) + "no \"roots\"";
    const std::string_view names[] = {"bookmarksMenuFolder", "toolbarFolder",
                                      "unfiledBookmarksFolder"};
    for (const dom::element child : e.children) {
      dom::object root;
      if (child.get_object().get(root) != simdjson::SUCCESS)
        return std::string(no_store) + "an entry that is not an object";
      const Entry r = read_entry(root, Browser::firefox);
      for (int i = 0; i < 3; ++i)
        if (r.root == names[i] && !t.has[i]) {
          t.roots[i] = child;
          t.has[i] = true;
        }
    }
    if (!t.has[0])
      return std::string(no_store) + "no bookmarks menu";
  }
  for (int i = 0; i < 3; ++i)
    if (t.has[i]) {
      dom::object object;
      if (t.roots[i].get_object().get(object) != simdjson::SUCCESS ||
          read_entry(object, t.browser).type !=
              (t.browser == Browser::chromium ? "folder" : folder_type))
        return std::string(no_store) + "a root that is not a folder";
      std::string error = check_entries(t.roots[i], t.browser);
      if (!error.empty())
        return error;
    }
  return {};
}

// The lines of the export, handed to the sink a block at a time.
struct Lines {
  b2m_store_sink *sink;
  void *target;
  std::string text;
  bool done = false; // the sink wants no more
};

void feed(Lines &lines, bool all) {
  std::size_t at = 0;
  const std::size_t size = lines.text.size();
  while (!lines.done && (size - at >= block_size || (all && at < size))) {
    const std::size_t got = std::min(block_size, size - at);
    lines.done = !lines.sink(lines.target, lines.text.data() + at, got);
    at += got;
  }
  lines.text.erase(0, at);
}

void put(Lines &lines, std::string_view text) {
  lines.text.append(text.data(), text.size());
}

// Both browsers' escapes for text and attribute values: Chromium's
// net::EscapeForHTML, Firefox's escapeHtmlEntities.
void put_html(Lines &lines, std::string_view text) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char *with;
    switch (text[i]) {
    case '&':
      with = "&amp;";
      break;
    case '<':
      with = "&lt;";
      break;
    case '>':
      with = "&gt;";
      break;
    case '"':
      with = "&quot;";
      break;
    case '\'':
      with = "&#39;";
      break;
    default:
      continue;
    }
    put(lines, text.substr(from, i - from));
    put(lines, with);
    from = i + 1;
  }
  put(lines, text.substr(from));
}

// Chromium's address: only '"' is escaped, as "&quot;". (Firefox escapes
// an address as text; its older exporters wrote '"' as "%22" alone.)
void put_address(Lines &lines, std::string_view url) {
  std::size_t from = 0;
  for (std::size_t at; (at = url.find('"', from)) != npos; from = at + 1) {
    put(lines, url.substr(from, at - from));
    put(lines, "&quot;");
  }
  put(lines, url.substr(from));
}

// Each entry of `children` in turn, its lines handed on a block at a time.
void put_each(Lines &lines, const dom::array &children, std::string &indent,
              void (*put_entry)(Lines &, const dom::element &, std::string &)) {
  for (const dom::element child : children) {
    put_entry(lines, child, indent);
    if (lines.text.size() >= block_size)
      feed(lines, false);
  }
}

// Dates, icons, keywords and tags are left out of the lines: they are
// attributes without '>' or a bare quote, which the menu never reads.

// chrome/browser/bookmarks/bookmark_html_writer.cc: CR LF line ends, four
// spaces a level, every folder a heading and a list.
void put_chromium(Lines &lines, const dom::element &element,
                  std::string &indent) {
  const Entry e =
      read_entry(element.get_object().value_unsafe(), Browser::chromium);
  put(lines, indent);
  if (e.type != "folder") {
    put(lines, "<DT><A HREF=\"");
    put_address(lines, e.url);
    put(lines, "\">");
    put_html(lines, e.title);
    put(lines, "</A>\r\n");
    return;
  }
  put(lines, "<DT><H3>");
  put_html(lines, e.title);
  put(lines, "</H3>\r\n");
  put(lines, indent);
  put(lines, "<DL><p>\r\n");
  indent += "    ";
  put_each(lines, e.children, indent, put_chromium);
  indent.resize(indent.size() - 4);
  put(lines, indent);
  put(lines, "</DL><p>\r\n");
}

void put_chromium_store(Lines &lines, const StoreTree &t) {
  put(lines, "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
             "<!-- This is an automatically generated file.\r\n"
             "     It will be read and overwritten.\r\n"
             "     DO NOT EDIT! -->\r\n"
             "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
             "charset=UTF-8\">\r\n"
             "<TITLE>Bookmarks</TITLE>\r\n"
             "<H1>Bookmarks</H1>\r\n"
             "<DL><p>\r\n");
  std::string indent = "    ";
  // The bar is a folder marked as the toolbar; the children of "other"
  // and "synced" (mobile) stand at the top level, without their folder.
  const Entry bar =
      read_entry(t.roots[0].get_object().value_unsafe(), Browser::chromium);
  put(lines, "    <DT><H3 PERSONAL_TOOLBAR_FOLDER=\"true\">");
  put_html(lines, bar.title);
  put(lines, "</H3>\r\n    <DL><p>\r\n");
  indent += "    ";
  put_each(lines, bar.children, indent, put_chromium);
  indent.resize(4);
  put(lines, "    </DL><p>\r\n");
  for (int i = 1; i < 3; ++i) {
    if (!t.has[i])
      continue;
    const Entry root =
        read_entry(t.roots[i].get_object().value_unsafe(), Browser::chromium);
    put_each(lines, root.children, indent, put_chromium);
  }
  put(lines, "</DL><p>\r\n");
}

// toolkit/components/places/BookmarkHTMLUtils.sys.mjs, the exporter:
// LF line ends, four spaces a level, a separator's "<HR>" with no line end
// of its own, entries whose address does not parse left out.
void put_firefox_children(Lines &lines, const Entry &folder,
                          std::string &indent);

void put_firefox(Lines &lines, const dom::element &element,
                 std::string &indent) {
  const Entry e =
      read_entry(element.get_object().value_unsafe(), Browser::firefox);
  if (e.type == folder_type) {
    put(lines, indent);
    put(lines, "<DT><H3>");
    put_html(lines, e.title);
    put(lines, "</H3>\n");
    put_firefox_children(lines, e, indent);
  } else if (e.type == separator_type) {
    put(lines, indent);
    put(lines, "<HR");
    if (!e.title.empty()) {
      put(lines, " NAME=\"");
      put_html(lines, e.title);
      put(lines, "\"");
    }
    put(lines, ">");
  } else if (e.has_url) {
    put(lines, indent);
    put(lines, "<DT><A HREF=\"");
    put_html(lines, e.url);
    put(lines, "\">");
    put_html(lines, e.title);
    put(lines, "</A>\n");
  }
}

void put_firefox_children(Lines &lines, const Entry &folder,
                          std::string &indent) {
  put(lines, indent);
  put(lines, "<DL><p>\n");
  indent += "    ";
  if (folder.has_children)
    put_each(lines, folder.children, indent, put_firefox);
  indent.resize(indent.size() - 4);
  put(lines, indent);
  put(lines, "</DL><p>\n");
}

void put_firefox_store(Lines &lines, const StoreTree &t) {
  put(lines,
      "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
      "<!-- This is an automatically generated file.\n"
      "     It will be read and overwritten.\n"
      "     DO NOT EDIT! -->\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
      "charset=UTF-8\">\n"
      "<meta http-equiv=\"Content-Security-Policy\"\n"
      "      content=\"default-src 'self'; script-src 'none'; img-src data: "
      "*; object-src 'none'\"></meta>\n"
      "<TITLE>Bookmarks</TITLE>\n"
      "<H1>Bookmarks Menu</H1>\n"
      "\n"
      "<DL><p>\n");
  // The menu is the top level; the toolbar and "unfiled" follow it as
  // folders, each only when it holds something, under their English
  // names; the mobile root is not exported.
  std::string indent = "    ";
  const Entry menu =
      read_entry(t.roots[0].get_object().value_unsafe(), Browser::firefox);
  if (menu.has_children)
    put_each(lines, menu.children, indent, put_firefox);
  const char *const heads[] = {
      nullptr,
      "<DT><H3 PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks Toolbar</H3>\n",
      "<DT><H3 UNFILED_BOOKMARKS_FOLDER=\"true\">Other Bookmarks</H3>\n"};
  for (int i = 1; i < 3; ++i) {
    if (!t.has[i])
      continue;
    const Entry root =
        read_entry(t.roots[i].get_object().value_unsafe(), Browser::firefox);
    if (!root.has_children || root.children.size() == 0)
      continue;
    put(lines, indent);
    put(lines, heads[i]);
    put_firefox_children(lines, root, indent);
  }
  put(lines, "</DL>\n");
}

constexpr std::size_t padding = simdjson::SIMDJSON_PADDING;

// A .jsonlz4: the header, then one LZ4 block of the JSON, into `json`.
std::string decompress(std::string_view file, Buffer &json) {
  if (file.size() < lz4_header)
    return cut_short;
  const auto *b = reinterpret_cast<const unsigned char *>(file.data());
  const std::uint64_t size =
      b[8] | b[9] << 8 | b[10] << 16 | static_cast<std::uint64_t>(b[11]) << 24;
  const std::size_t packed = file.size() - lz4_header;
  if (size > lz4_most_growth * packed + 16 || packed > INT32_MAX ||
      size > INT32_MAX)
    return "corrupt LZ4 data";
  if (!fresh(json, size + padding))
    return std::strerror(ENOMEM);
  const int got =
      LZ4_decompress_safe(file.data() + lz4_header, json.bytes.get(),
                          static_cast<int>(packed), static_cast<int>(size));
  if (got < 0 || static_cast<std::uint64_t>(got) != size)
    return "corrupt LZ4 data";
  json.size = size;
  return {};
}

static_assert(padding <= store_padding, "the caller's padding is simdjson's");

// The JSON where it lies, `padding` readable bytes past its end; `owned`
// holds it, if the caller does not.
Parsed parse_json(std::string_view json, Buffer owned) {
  Parsed s;
  s.tree.reset(new (std::nothrow) StoreTree);
  if (s.tree == nullptr)
    return failed_errno(ENOMEM);
  StoreTree &t = *s.tree;
  t.bytes = std::move(owned);
  if (t.parser.allocate(json.size()) != simdjson::SUCCESS ||
      t.parser.doc.allocate(json.size()) != simdjson::SUCCESS)
    return failed_errno(ENOMEM);
  // The parser's own buffers are the most of what a store touches.
  huge_pages(t.parser.doc.tape.get(), 8 * json.size());
  huge_pages(t.parser.doc.string_buf.get(), 5 * json.size() / 3);
  huge_pages(t.parser.implementation->structural_indexes.get(),
             4 * json.size());
  dom::element top;
  const simdjson::error_code e =
      t.parser.parse(json.data(), json.size(), false).get(top);
  if (e == simdjson::MEMALLOC)
    return failed_errno(ENOMEM);
  if (e != simdjson::SUCCESS)
    return failed(parse_error(e, json));
  std::string error = find_roots(t, top);
  if (!error.empty())
    return failed(std::move(error));
  return s;
}

// The file is parsed where it lies, with no copy.
Parsed parse_store(std::string_view file, StoreKind kind) {
  if (kind != StoreKind::lz4)
    return parse_json(file, {});
  Buffer json;
  const std::string error = decompress(file, json);
  if (!error.empty())
    return failed(error);
  const std::string_view text(json.bytes.get(), json.size);
  return parse_json(text, std::move(json));
}

} // namespace

} // namespace b2m

extern "C" int b2m_store_lines(const char *file, size_t size,
                               b2m_store_sink *sink, void *target, char *reason,
                               size_t reason_size) {
  using namespace b2m;
  const std::string_view bytes(file, size);
  const Parsed parsed = parse_store(bytes, store_kind(bytes));
  if (parsed.tree == nullptr) {
    if (parsed.err != 0)
      return parsed.err;
    if (reason_size != 0) {
      const std::size_t n = std::min(parsed.error.size(), reason_size - 1);
      std::memcpy(reason, parsed.error.data(), n);
      reason[n] = '\0';
    }
    return -1;
  }
  Lines lines{sink, target, {}};
  if (parsed.tree->browser == Browser::chromium)
    put_chromium_store(lines, *parsed.tree);
  else
    put_firefox_store(lines, *parsed.tree);
  feed(lines, true);
  return 0;
}
