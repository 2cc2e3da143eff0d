// menu.js read as data: the converter's own records, byte by byte, into
// the arrays the page draws. Nothing in it is ever run, so bytes kept in
// this browser or made by the converter cannot carry code; and each value
// is unescaped before it is decoded, so that in Shift_JIS, GBK or Big5 a
// two-byte character cannot take the backslash of the escape after it.
// Whatever is not exactly what the converter writes is refused, with the
// line it was found on. No DOM here: node tests it as the page runs it.
/* global B2M */
(function (B2M) {
  'use strict';

  function codes(word) {
    return Array.from(word, function (c) { return c.charCodeAt(0); });
  }
  var heads = [codes('ref['), codes('nam['), codes('par[')];
  var equals = codes('] = ');
  var trailer = codes('var MAX = ');

  var TAB = 9, LF = 10, CR = 13, QUOTE = 0x27, BACKSLASH = 0x5c;
  var SEMICOLON = 0x3b, ZERO = 0x30, NINE = 0x39;

  // Where `word` ends if it stands at `at`; -1 if another byte stands
  // there, -2 if the bytes end first.
  function match(bytes, at, word) {
    for (var i = 0; i < word.length; i++, at++) {
      if (at >= bytes.length) return -2;
      if (bytes[at] !== word[i]) return -1;
    }
    return at;
  }

  // Where the line ending at `at` is over (CR LF, or LF as an editor may
  // save it); -1 or -2 as for match().
  function lineEnd(bytes, at) {
    if (at >= bytes.length) return -2;
    if (bytes[at] === LF) return at + 1;
    if (bytes[at] !== CR) return -1;
    if (at + 1 >= bytes.length) return -2;
    return bytes[at + 1] === LF ? at + 2 : -1;
  }

  // Where the decimal number at `at` ends; -1 for none, or one with a
  // leading zero or more than ten digits; -2 if the bytes end in it.
  function numberEnd(bytes, at) {
    var end = at;
    while (end < bytes.length && bytes[end] >= ZERO && bytes[end] <= NINE)
      end++;
    if (end >= bytes.length) return -2;
    if (end === at || end - at > 10 || (bytes[at] === ZERO && end > at + 1))
      return -1;
    return end;
  }
  function numberAt(bytes, at, end) {
    for (var value = 0; at < end; at++) value = value * 10 + bytes[at] - ZERO;
    return value;
  }

  // The escapes the converter writes, by their two hex digits.
  function escaped(bytes, at) {
    if (at + 3 >= bytes.length) return -2;
    if (bytes[at + 1] !== 0x78) return -1; // x
    var hi = bytes[at + 2], lo = bytes[at + 3];
    if (hi === 0x35 && lo === 0x63) return BACKSLASH; // 5c
    if (hi === 0x32 && lo === 0x37) return QUOTE;     // 27
    if (hi === 0x30 && lo === 0x64) return CR;        // 0d
    return -1;
  }

  // Decoders that leave an ASCII byte as it is and start afresh after it,
  // so that a LF between values keeps them apart; the others decode each
  // value alone.
  var stateful = { 'utf-16le': 1, 'utf-16be': 1, 'iso-2022-jp': 1,
    replacement: 1 };

  // Each value's text, from the unescaped values in `out`, each after a
  // LF. In one call, as a browser decodes a script: a value whose last
  // character is cut short ends in U+FFFD, as in the script.
  function decodeValues(out, count, charset) {
    var decoder;
    try { decoder = new TextDecoder(charset, { ignoreBOM: true }); }
    catch { return null; }
    if (!stateful[decoder.encoding]) {
      var parts = decoder.decode(out).split('\n');
      if (parts.length === count + 1) return parts;
    }
    parts = [''];
    for (var at = 1, end; at <= out.length; at = end + 1) {
      end = out.indexOf(LF, at);
      if (end < 0) end = out.length;
      parts.push(decoder.decode(out.subarray(at, end)));
    }
    return parts;
  }

  function refused(reason, line) {
    return { ok: false, reason: reason, line: line };
  }

  // The menu in `bytes`, its values read in `charset` (UTF-8 by default):
  // { ok: true, menu: { ref, nam, par, max } } with entries from 1 as the
  // script fills them, or { ok: false, reason, line }.
  function menu(bytes, charset) {
    var n = bytes.length, at = 0, entry = 1, line = 1;
    // Values unescaped, each after a LF, which no value holds.
    var out = new Uint8Array(n), o = 0;
    var parents = new Int32Array(Math.floor(n / 38) + 2);
    for (;;) {
      var kind = (line - 1) % 3; // ref, nam, par
      var start = at;
      while (at < n && bytes[at] === TAB) at++;
      if (kind === 0 && at === start && bytes[at] === 0x76) break; // var
      var to = match(bytes, at, heads[kind]);
      if (to === -2) return refused('cut-short', line);
      if (to === -1) {
        // Another record, or the end where a record of this entry is due.
        var other = match(bytes, at, heads[(kind + 1) % 3]) >= 0 ||
          match(bytes, at, heads[(kind + 2) % 3]) >= 0 ||
          (kind !== 0 && at === start && match(bytes, at, trailer) >= 0);
        return refused(other ? 'out-of-order' : 'not-menu', line);
      }
      // The entry number: the next one, in decimal.
      at = to;
      to = numberEnd(bytes, at);
      if (to < 0) return refused(to === -2 ? 'cut-short' : 'not-menu', line);
      if (numberAt(bytes, at, to) !== entry)
        return refused('out-of-order', line);
      at = to;
      to = match(bytes, at, equals);
      if (to < 0) return refused(to === -2 ? 'cut-short' : 'not-menu', line);
      at = to;
      if (kind === 2) {
        // The enclosing folder's number, 0 at the top level.
        to = numberEnd(bytes, at);
        if (to < 0) return refused(to === -2 ? 'cut-short' : 'not-menu', line);
        var parent = numberAt(bytes, at, to);
        if (parent >= entry) return refused('bad-parent', line);
        parents[entry] = parent;
        at = to;
      } else {
        if (at >= n) return refused('cut-short', line);
        if (bytes[at++] !== QUOTE) return refused('not-menu', line);
        out[o++] = LF;
        for (;;) {
          if (at >= n) return refused('cut-short', line);
          var c = bytes[at];
          if (c > QUOTE && c !== BACKSLASH) {
            out[o++] = c;
            at++;
          } else if (c === QUOTE) {
            at++;
            break;
          } else if (c === BACKSLASH) {
            var b = escaped(bytes, at);
            if (b === -2) return refused('cut-short', line);
            if (b === -1) return refused('bad-escape', line);
            out[o++] = b;
            at += 4;
          } else if (c === LF || c === CR) {
            return refused('open-value', line);
          } else if (c === 0 || c === 0x1a) {
            return refused('not-menu', line); // the converter stops at these
          } else {
            out[o++] = c;
            at++;
          }
        }
      }
      if (at >= n) return refused('cut-short', line);
      if (bytes[at++] !== SEMICOLON) return refused('not-menu', line);
      to = lineEnd(bytes, at);
      if (to < 0) return refused(to === -2 ? 'cut-short' : 'not-menu', line);
      at = to;
      if (kind === 2) {
        entry++;
        if (entry >= parents.length) return refused('not-menu', line);
      }
      line++;
    }
    // var MAX = M; with M one more than the last entry, and nothing after.
    at = match(bytes, at, trailer);
    if (at < 0) return refused(at === -2 ? 'cut-short' : 'not-menu', line);
    to = numberEnd(bytes, at);
    if (to < 0) return refused(to === -2 ? 'cut-short' : 'not-menu', line);
    var max = numberAt(bytes, at, to);
    if (max !== entry) return refused('bad-max', line);
    at = to;
    if (bytes[at++] !== SEMICOLON) return refused('not-menu', line);
    at = lineEnd(bytes, at);
    if (at < 0) return refused(at === -2 ? 'cut-short' : 'not-menu', line);
    if (at !== n) return refused('not-menu', line + 1);

    var count = 2 * (max - 1);
    var values = decodeValues(out.subarray(0, o), count, charset || 'utf-8');
    if (!values) return refused('charset', 0);
    var ref = new Array(max > 1 ? max : 0), nam = new Array(ref.length);
    for (var e = 1, v = 1; e < max; e++, v += 2) {
      ref[e] = values[v];
      nam[e] = values[v + 1];
    }
    return { ok: true, menu: { ref: ref, nam: nam,
      par: parents.slice(0, ref.length), max: max } };
  }

  // Values of a menu.js run as x-user-defined, where each byte is one
  // character (0x80 to 0xFF as U+F780 to U+F7FF), decoded in `charset`:
  // menu.js beside the page is run so, and the backslash of an escape
  // stays apart from the lead byte before it. A value of characters that
  // are not bytes (written with \u escapes) is left as it is.
  function recode(list, charset) {
    // A list of another shape, or one sparse beyond reason, stays as it is.
    if (!Array.isArray(list) || list.length > 1 << 22) return list;
    var size = 0, i, k;
    for (i = 0; i < list.length; i++)
      if (typeof list[i] === 'string') size += 1 + list[i].length;
    var out = new Uint8Array(size), o = 0, at = [];
    for (i = 0; i < list.length; i++) {
      var s = list[i];
      if (typeof s !== 'string') continue;
      var start = o;
      out[o++] = LF;
      for (k = 0; k < s.length; k++) {
        var c = s.charCodeAt(k);
        if (c < 0x80 && c !== LF) out[o++] = c;
        else if (c >= 0xf780 && c <= 0xf7ff) out[o++] = c - 0xf700;
        else break;
      }
      if (k === s.length) at.push(i);
      else o = start;
    }
    var parts = decodeValues(out.subarray(0, o), at.length, charset);
    if (!parts) return list;
    var result = list.slice();
    for (k = 0; k < at.length; k++) result[at[k]] = parts[k + 1];
    return result;
  }

  // Whether bytes are UTF-8 but for a slip: a title cut inside a
  // character, or a lone surrogate, must not make a whole UTF-8 menu read
  // as a legacy charset. Sequences are counted as the page's decoder reads
  // them; a run of bytes that fit no sequence counts once.
  var strict = null;
  function isUtf8(bytes) {
    try {
      strict = strict || new TextDecoder('utf-8', { fatal: true });
      strict.decode(bytes);
      return true;
    } catch { /* count below */ }
    var valid = 0, bad = 0, inBad = false, n = bytes.length;
    for (var i = 0; i < n; i++) {
      var b = bytes[i];
      if (b < 0x80) { inBad = false; continue; }
      var need = 0, lower = 0x80, upper = 0xbf;
      if (b >= 0xc2 && b <= 0xdf) need = 1;
      else if (b >= 0xe0 && b <= 0xef) {
        need = 2;
        if (b === 0xe0) lower = 0xa0;
        if (b === 0xed) upper = 0x9f;
      } else if (b >= 0xf0 && b <= 0xf4) {
        need = 3;
        if (b === 0xf0) lower = 0x90;
        if (b === 0xf4) upper = 0x8f;
      }
      var j = i + 1, seen = 0;
      for (; need && seen < need && j < n; j++, seen++) {
        if (bytes[j] < lower || bytes[j] > upper) break;
        lower = 0x80;
        upper = 0xbf;
      }
      if (need && seen === need) {
        valid++;
        inBad = false;
      } else if (!inBad) {
        bad++;
        inBad = true;
      }
      i = j - 1; // the byte that broke a sequence starts the next
    }
    return valid >= 19 * bad || (bad <= 3 && valid >= 2 * bad);
  }

  B2M.read = { menu: menu, recode: recode, isUtf8: isUtf8 };
})(B2M);
