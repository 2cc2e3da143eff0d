// The model of a menu: the arrays of menu.js read once into a checked
// tree, what each entry is, the text rules of the page and its search. No
// DOM here, so that node runs it as the page does.
/* global B2M */
(function (B2M) {
  'use strict';

  function text(v) {
    if (typeof v === 'string') return v;
    if (v === undefined || v === null) return '';
    try { return String(v); } catch { return ''; }
  }
  function listOf(x) {
    return x !== null && typeof x === 'object' ? x : [];
  }
  function lengthOf(x) {
    var n = x.length;
    return typeof n === 'number' && n > 0 ? Math.min(n, 4294967295) : 0;
  }
  function numberOf(v) {
    return typeof v === 'number' ? v : typeof v === 'string' ? Number(v) : NaN;
  }

  // Entry numbers in use, where the arrays are sparse by nature (beyond
  // denseUpTo): their keys are read. Below it each number is looked at, in
  // the model's one pass over the entries.
  var denseUpTo = 1 << 22;
  function sparseEntries(lists, length) {
    var seen = new Set();
    lists.forEach(function (list) {
      Object.keys(list).forEach(function (key) {
        if (/^[1-9]\d*$/.test(key) && Number(key) < length)
          seen.add(Number(key));
      });
    });
    return [0].concat(Array.from(seen).sort(function (a, b) {
      return a - b;
    }));
  }

  // The slot of an entry number, or -1: from `table`, each number's slot,
  // or else by a search of the entry numbers.
  function slotFinder(entries, length, table) {
    if (table) {
      return function (e) {
        return Number.isInteger(e) && e >= 0 && e <= length ? table[e] : -1;
      };
    }
    return function (e) {
      var lo = 0, hi = entries.length - 1;
      while (lo <= hi) {
        var mid = (lo + hi) >> 1;
        if (entries[mid] === e) return mid;
        if (entries[mid] < e) lo = mid + 1; else hi = mid - 1;
      }
      return -1;
    };
  }

  // Slot k of the model is the k-th entry in number order; slot 0 is the
  // top level. An entry whose parent is not an earlier folder goes to the
  // top level, which also breaks every loop.
  // `watch`: count the values with U+FFFD, where UTF-8 lost bytes, in
  // the same pass (m.lost).
  function read(refs, names, parents, max, watch) {
    var lists = [listOf(refs), listOf(names), listOf(parents)];
    var length = Math.max.apply(null, lists.map(lengthOf));
    var dense = length <= denseUpTo;
    // Dense: each number's slot, filled as the entries are met; a parent
    // not met yet is no earlier entry, so it has none, as it should.
    var table = dense ? new Int32Array(length + 1).fill(-1) : null;
    var entries = dense ? new Int32Array(Math.max(length, 1))
      : sparseEntries(lists, length);
    var last = dense ? length : entries.length;
    var size = dense ? entries.length : last;
    var m = {
      n: 1, entry: entries, ref: new Array(size), name: new Array(size),
      folder: new Uint8Array(size), parent: new Int32Array(size),
      depth: new Int32Array(size), pos: new Int32Array(size),
      kids: new Array(size), folders: 0, moved: 0, lost: 0,
      max: max === undefined ? 'none'
        : Number.isInteger(max) && max === Math.max(length, 1) ? 'ok' : 'wrong',
      slot: slotFinder(entries, length, table),
    };
    if (dense) table[0] = 0;
    m.kids[0] = [];
    var refList = lists[0], nameList = lists[1], parentList = lists[2];
    var folder = m.folder, depth = m.depth, kids = m.kids, k = 1;
    for (var j = 1; j < last; j++) {
      var i = dense ? j : entries[j];
      var r = refList[i], name = nameList[i], p = parentList[i];
      if (dense) {
        // An entry is a number any of the arrays holds.
        if (r === undefined && name === undefined && p === undefined &&
            !(i in refList || i in nameList || i in parentList)) continue;
        entries[k] = i;
        table[i] = k;
      }
      var ref = m.ref[k] = text(r);
      name = m.name[k] = text(name);
      if (watch && (name.includes('\ufffd') || ref.includes('\ufffd')))
        m.lost++;
      if (ref === '.') { folder[k] = 1; kids[k] = []; m.folders++; }
      p = numberOf(p);
      var s = 0;
      if (p !== 0) {
        // Only an earlier entry can be a parent.
        s = dense ? p > 0 && p < i && (p | 0) === p ? table[p] : -1
          : m.slot(p);
        if (!(s > 0 && s < k && folder[s])) { s = 0; m.moved++; }
      }
      m.parent[k] = s;
      depth[k] = s ? depth[s] + 1 : 1;
      m.pos[k] = kids[s].push(k);
      k++;
    }
    m.n = k;
    if (dense) trim(m, k);
    describe(m);
    return m;
  }

  // The model's numbered lists cut to its n entries, where fewer numbers
  // were in use than the arrays' length.
  function trim(m, n) {
    if (m.entry.length === n) return;
    m.ref.length = m.name.length = m.kids.length = n;
    ['entry', 'folder', 'parent', 'depth', 'pos'].forEach(function (key) {
      m[key] = m[key].slice(0, n);
    });
  }

  // What each entry is and is called, decided once, when first asked.
  function describe(m) {
    var labels = new Array(m.n), addresses = new Array(m.n);
    var untitled = '(untitled)';
    // What an entry with no title is called, in the page's language.
    m.untitled = function (word) {
      if (word !== untitled) labels = new Array(m.n);
      untitled = word;
    };
    m.address = function (k) {
      var a = addresses[k];
      if (a === undefined) a = addresses[k] = decodeAttribute(m.ref[k]);
      return a;
    };
    // The title as shown: a link without one shows its address.
    m.label = function (k) {
      var t = labels[k];
      if (t === undefined) {
        t = decodeText(m.name[k]);
        if (t.trim() === '' && !m.folder[k]) t = m.address(k);
        if (t.trim() === '') t = untitled;
        labels[k] = t;
      }
      return t;
    };
    // 'folder', 'link', or 'inert': a link that would run script in the
    // page, shown and never followed.
    m.kind = function (k) {
      return m.folder[k] ? 'folder' : isLive(m.address(k)) ? 'link' : 'inert';
    };
    // What an inert link is: 'bookmarklet' (javascript:), else 'address'
    // (data:, vbscript:); '' for an entry that is not inert.
    m.inertKind = function (k) {
      if (m.kind(k) !== 'inert') return '';
      return scheme(m.address(k)) === 'javascript' ? 'bookmarklet' : 'address';
    };
  }

  // Each entry in tree order, going into the folders `into` takes. No
  // recursion, so depth costs nothing.
  function walk(m, into, visit) {
    var folders = [0], next = [0];
    while (folders.length) {
      var top = folders.length - 1, kids = m.kids[folders[top]];
      if (next[top] === kids.length) {
        folders.pop();
        next.pop();
        continue;
      }
      var k = kids[next[top]++];
      visit(k);
      if (m.folder[k] && m.kids[k].length && into(k)) {
        folders.push(k);
        next.push(0);
      }
    }
  }

  // ---- Text as HTML reads it -------------------------------------------

  var named = new Map(), legacy = new Set(), longestLegacy = 0;
  B2M.references.named.split(' ').forEach(function (pair) {
    var at = pair.indexOf('=');
    named.set(pair.slice(0, at), pair.slice(at + 1));
  });
  B2M.references.legacy.split(' ').forEach(function (name) {
    legacy.add(name);
    longestLegacy = Math.max(longestLegacy, name.length);
  });
  // Numeric references to C1 controls mean windows-1252's letters.
  var c1 = B2M.charset.c1;

  function numeric(digits, hex) {
    var v = parseInt(digits.length > 8 ? digits.slice(-9) : digits,
      hex ? 16 : 10);
    if (/^0*$/.test(digits) || v > 0x10ffff || digits.replace(/^0+/, '')
      .length > (hex ? 6 : 7) || (v >= 0xd800 && v <= 0xdfff)) return '\ufffd';
    if (v >= 0x80 && v <= 0x9f) return c1[v - 0x80];
    return String.fromCodePoint(v);
  }

  // One reference at the front of `rest` (after its '&'): what it stands
  // for and how long it is, or null where the '&' is only an '&'. In an
  // attribute, a legacy name before '=' or a letter or digit stays text.
  function reference(rest, attribute) {
    var m = /^#(?:([xX])([0-9a-fA-F]+)|(\d+));?/.exec(rest);
    if (m) return { text: numeric(m[2] || m[3], !!m[1]), size: m[0].length };
    var run = /^[A-Za-z0-9]+/.exec(rest);
    if (!run) return null;
    var name = run[0];
    if (rest[name.length] === ';' && named.has(name))
      return { text: named.get(name), size: name.length + 1 };
    for (var size = Math.min(name.length, longestLegacy); size > 1; size--) {
      if (!legacy.has(name.slice(0, size))) continue;
      if (attribute && /^[=A-Za-z0-9]/.test(rest.slice(size))) return null;
      return { text: named.get(name.slice(0, size)), size: size };
    }
    return null;
  }

  // Line breaks as HTML's input reads them, then every reference.
  function decode(s, attribute) {
    if (s.indexOf('\r') >= 0) s = s.replace(/\r\n?/g, '\n');
    if (s.indexOf('&') < 0) return s;
    var out = '', from = 0;
    for (var at = s.indexOf('&'); at >= 0; at = s.indexOf('&', at + 1)) {
      var r = reference(s.slice(at + 1, at + 40), attribute);
      if (!r) continue;
      out += s.slice(from, at) + r.text;
      from = at + 1 + r.size;
      at = from - 1;
    }
    return out + s.slice(from);
  }
  function decodeText(s) { return decode(s, false); }
  function decodeAttribute(s) { return decode(s, true); }

  // The scheme as the URL parser reads it: leading spaces and controls, and
  // tabs and line breaks anywhere, do not count.
  function scheme(address) {
    // eslint-disable-next-line no-control-regex -- the controls are the point
    var bare = address.replace(/[\t\n\r]/g, '').replace(/^[\x00-\x20]+/, '');
    var match = /^([A-Za-z][A-Za-z0-9+.-]*):/.exec(bare);
    return match ? match[1].toLowerCase() : '';
  }

  // Addresses that would run script in this page are shown, not followed.
  function isLive(address) {
    var s = scheme(address);
    return s !== 'javascript' && s !== 'data' && s !== 'vbscript';
  }

  // What find-in-page ignores: case, accents, compatibility forms, and
  // letters it reads as two.
  var spelled = { '\u00df': 'ss', '\u00e6': 'ae', '\u0153': 'oe',
    '\u00f8': 'o', '\u0111': 'd', '\u0142': 'l', '\u00fe': 'th',
    '\u0131': 'i', '\u03c2': '\u03c3' };
  var spelledOut = /[\u00df\u00e6\u0153\u00f8\u0111\u0142\u00fe\u0131\u03c2]/g;
  function fold(s) {
    return s.toLowerCase().normalize('NFKD').replace(/\p{M}+/gu, '')
      .replace(spelledOut, function (c) { return spelled[c]; });
  }

  // ---- Search ----------------------------------------------------------

  // A query's words, folded.
  function queryWords(query) {
    return fold(query).split(/\s+/).filter(Boolean);
  }

  function always() { return true; }

  // Search in model m: an entry matches when each word is in its title or,
  // for a link, in its address, both folded. Entries are folded once, while
  // more() allows, so that idle time can do it before the first keystroke.
  function searcher(m) {
    var haystack = new Array(m.n), indexed = 1;
    // Folds entries while more() says so; false once all are folded.
    function index(more) {
      for (; indexed < m.n && more(); indexed++) {
        var k = indexed;
        haystack[k] = fold(m.label(k)) +
          (m.folder[k] ? '' : '\n' + fold(m.address(k)));
      }
      return indexed < m.n;
    }
    // The slots, in order, of the entries that match every word: among
    // `within` (slots in order) if given, else among all.
    function find(words, within) {
      index(always);
      var total = within ? within.length : m.n, w = words.length;
      var found = new Int32Array(total), count = 0;
      outer: for (var j = within ? 0 : 1; j < total; j++) {
        var k = within ? within[j] : j, hay = haystack[k];
        for (var i = 0; i < w; i++)
          if (hay.indexOf(words[i]) < 0) continue outer;
        found[count++] = k;
      }
      return found.subarray(0, count);
    }
    return { index: index, find: find };
  }

  // 12,345: the page's own words are English. Not toLocaleString, whose
  // first call costs the page a frame or two while it loads.
  function grouped(n) {
    return String(n).replace(/\B(?=(\d{3})+$)/g, ',');
  }

  B2M.model = {
    read: read, decodeText: decodeText, decodeAttribute: decodeAttribute,
    scheme: scheme, isLive: isLive, fold: fold, grouped: grouped,
    walk: walk, queryWords: queryWords, searcher: searcher,
  };
})(B2M);
