// The viewer. menu.js fills the arrays declared here; the page reads them
// once into a checked model and draws the tree as flat rows, only those
// near the screen, so that the size and depth of a menu cost nothing.
/* exported ref, nam, par, MAX */
var ref = [], nam = [], par = [], MAX;
(function () {
  'use strict';

  // A menu script that is missing, does not parse, or throws. Errors of
  // other scripts (the optional converter) do not count.
  var loading = { missing: false, error: false };
  function noteLoadError(event) {
    var target = event.target;
    if (target instanceof HTMLScriptElement) {
      if (/(^|\/)menu\.js$|^blob:/.test(target.getAttribute('src')))
        loading.missing = true;
      return;
    }
    if (!event.filename || /menu\.js$|^blob:/.test(event.filename))
      loading.error = true;
  }
  addEventListener('error', noteLoadError, true);

  // ---- The model -------------------------------------------------------

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

  // Entry numbers in use. Below this length each number is looked at;
  // beyond it the arrays are sparse by nature, so their keys are read.
  var denseUpTo = 1 << 22;
  function entryNumbers(lists, length) {
    var numbers = [0], i;
    if (length <= denseUpTo) {
      for (i = 1; i < length; i++)
        if (i in lists[0] || i in lists[1] || i in lists[2]) numbers.push(i);
      return numbers;
    }
    var seen = new Set();
    lists.forEach(function (list) {
      Object.keys(list).forEach(function (key) {
        if (/^[1-9]\d*$/.test(key) && Number(key) < length)
          seen.add(Number(key));
      });
    });
    return numbers.concat(Array.from(seen).sort(function (a, b) {
      return a - b;
    }));
  }

  // Slot k of the model is the k-th entry in number order; slot 0 is the
  // top level. An entry whose parent is not an earlier folder goes to the
  // top level, which also breaks every loop.
  function readModel(refs, names, parents, max) {
    var lists = [listOf(refs), listOf(names), listOf(parents)];
    var length = Math.max.apply(null, lists.map(lengthOf));
    var number = entryNumbers(lists, length), n = number.length;
    var m = {
      n: n, number: number, ref: new Array(n), name: new Array(n),
      folder: new Uint8Array(n), parent: new Int32Array(n),
      depth: new Int32Array(n), pos: new Int32Array(n),
      kids: new Array(n), folders: 0, moved: 0,
      max: max === undefined ? 'none'
        : Number.isInteger(max) && max === Math.max(length, 1) ? 'ok' : 'wrong',
    };
    var slot = slotFinder(number, length);
    m.kids[0] = [];
    for (var k = 1; k < n; k++) {
      var i = number[k];
      m.ref[k] = text(lists[0][i]);
      m.name[k] = text(lists[1][i]);
      if (m.ref[k] === '.') { m.folder[k] = 1; m.kids[k] = []; m.folders++; }
      var p = numberOf(lists[2][i]), s = 0;
      if (p !== 0) {
        s = slot(p);
        if (!(s > 0 && s < k && m.folder[s])) { s = 0; m.moved++; }
      }
      m.parent[k] = s;
      m.depth[k] = s ? m.depth[s] + 1 : 1;
      m.pos[k] = m.kids[s].push(k);
    }
    m.slot = slot;
    return m;
  }

  // The slot of an entry number, or -1.
  function slotFinder(number, length) {
    if (length <= denseUpTo) {
      var table = new Int32Array(length + 1).fill(-1);
      number.forEach(function (e, k) { table[e] = k; });
      return function (e) {
        return Number.isInteger(e) && e >= 0 && e <= length ? table[e] : -1;
      };
    }
    return function (e) {
      var lo = 0, hi = number.length - 1;
      while (lo <= hi) {
        var mid = (lo + hi) >> 1;
        if (number[mid] === e) return mid;
        if (number[mid] < e) lo = mid + 1; else hi = mid - 1;
      }
      return -1;
    };
  }

  // ---- Text ------------------------------------------------------------

  var inert = document.implementation.createHTMLDocument('');
  var scratch = inert.createElement('textarea');
  var common = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

  // Titles are HTML text as the browser exported it. Each reference is
  // decoded on its own in a detached document, so no markup can form.
  function decode(s) {
    if (s.indexOf('&') < 0) return s;
    return s.replace(/&(#\d+|#[xX][0-9a-fA-F]+|[A-Za-z][A-Za-z0-9]*);?/g,
      function (reference, name) {
        if (Object.prototype.hasOwnProperty.call(common, name))
          return common[name];
        scratch.innerHTML = reference;
        return scratch.value;
      });
  }

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

  // 12,345: the page's own words are English. Not toLocaleString, whose
  // first call costs the page a frame or two while it loads.
  function number(n) {
    return String(n).replace(/\B(?=(\d{3})+$)/g, ',');
  }

  // ---- State -----------------------------------------------------------

  var model = null;
  var titles, addresses, open, rows, rowOf, rowCount = 0, current = 0;
  var memory = '';
  var $ = function (id) { return document.getElementById(id); };
  var tree, search, hitList, status;

  function title(k) {
    var t = titles[k];
    if (t === undefined) {
      t = decode(model.name[k]);
      if (t.trim() === '' && !model.folder[k]) t = address(k);
      if (t.trim() === '') t = '(untitled)';
      titles[k] = t;
    }
    return t;
  }
  function address(k) {
    var a = addresses[k];
    if (a === undefined) a = addresses[k] = decode(model.ref[k]);
    return a;
  }

  // Each entry in tree order, going into the folders `into` takes. No
  // recursion, so depth costs nothing.
  function walk(into, visit) {
    var folders = [0], next = [0];
    while (folders.length) {
      var top = folders.length - 1, list = model.kids[folders[top]];
      if (next[top] === list.length) {
        folders.pop();
        next.pop();
        continue;
      }
      var k = list[next[top]++];
      visit(k);
      if (model.folder[k] && model.kids[k].length && into(k)) {
        folders.push(k);
        next.push(0);
      }
    }
  }

  // The rows shown: every entry whose folders above are all open.
  function flatten() {
    rowOf.fill(-1);
    var r = 0;
    walk(function (k) { return open[k]; }, function (k) {
      rows[r] = k;
      rowOf[k] = r++;
    });
    rowCount = r;
    if (current && rowOf[current] < 0) {
      var hadFocus = tree.contains(document.activeElement), up = current;
      while (rowOf[up] < 0) up = model.parent[up];
      if (hadFocus) focusRow(up);
      else setCurrent(up);
    }
  }

  // The one row in the Tab order.
  function setCurrent(k) {
    var old = rowElement(current);
    if (old) old.tabIndex = -1;
    current = k;
    treeRows.keep = k;
    var el = rowElement(k);
    if (el) el.tabIndex = 0;
  }

  // ---- Drawing only what is seen ---------------------------------------

  var overscan = 12;
  // A list of fixed-height rows inside `box`, drawn around the viewport;
  // `keep` stays drawn (the focused row keeps the focus), wherever it is.
  function windowed(box, make, keyAt, rowAt) {
    return { box: box, make: make, keyAt: keyAt, rowAt: rowAt,
      drawn: new Map(), height: 0, keep: -1 };
  }
  function draw(list, total) {
    if (list.box.hidden) return;
    if (!total) {
      clear(list);
      list.box.style.height = '0';
      return;
    }
    if (!list.height) list.height = rowHeight(list);
    var h = list.height;
    list.box.style.height = total * h + 'px';
    var top = list.box.getBoundingClientRect().top;
    var first = Math.max(0, Math.floor(-top / h) - overscan);
    var last = Math.min(total, Math.ceil((innerHeight - top) / h) + overscan);
    list.drawn.forEach(function (el, key) {
      var r = list.rowAt(key);
      if (key !== list.keep && (r < first || r >= last || r < 0)) {
        el.remove();
        list.drawn.delete(key);
      }
    });
    var fresh = document.createDocumentFragment();
    var place = function (key, r) {
      var el = list.drawn.get(key);
      if (!el) {
        el = list.make(key);
        list.drawn.set(key, el);
        fresh.appendChild(el);
      }
      el.style.top = r * h + 'px';
    };
    for (var r = first; r < last; r++) place(list.keyAt(r), r);
    if (list.keep >= 0 && list.rowAt(list.keep) >= 0)
      place(list.keep, list.rowAt(list.keep));
    list.box.appendChild(fresh);
  }
  function clear(list) {
    list.drawn.forEach(function (el) { el.remove(); });
    list.drawn.clear();
  }
  // Rows have one height, set by the style sheet; measured, so that zoom
  // and font size are followed.
  function rowHeight(list) {
    var probe = list.make(list.keyAt(0));
    probe.style.visibility = 'hidden';
    list.box.appendChild(probe);
    var h = probe.getBoundingClientRect().height || 32;
    probe.remove();
    return h;
  }

  // Scrolls the page so that row r of the list is in view, under the
  // sticky header.
  function bringIntoView(list, r, center) {
    if (!list.height) list.height = rowHeight(list);
    var h = list.height, header = $('top').getBoundingClientRect().bottom;
    var top = list.box.getBoundingClientRect().top + r * h;
    if (center) scrollBy(0, top - (innerHeight + header) / 2);
    else if (top < header) scrollBy(0, top - header);
    else if (top + h > innerHeight) scrollBy(0, top + h - innerHeight);
  }
  function pageRows(list) {
    return Math.max(1, Math.floor((innerHeight -
      $('top').getBoundingClientRect().bottom) / list.height) - 1);
  }

  var treeRows = windowed(null, makeRow,
    function (r) { return rows[r]; }, function (k) { return rowOf[k]; });
  var hitRows = windowed(null, makeHit,
    function (r) { return r; }, function (r) { return r < hitCount ? r : -1; });

  var scheduled = false;
  function drawSoon() {
    if (scheduled) return;
    scheduled = true;
    requestAnimationFrame(function () {
      scheduled = false;
      drawAll();
    });
  }
  function drawAll() {
    if (!model) return;
    draw(treeRows, rowCount);
    draw(hitRows, hitCount);
  }

  // ---- Rows --------------------------------------------------------------

  var indentLevels = 12;
  function makeRow(k) {
    var folder = model.folder[k], where = folder ? '' : address(k);
    var live = !folder && isLive(where);
    var el = document.createElement(live ? 'a' : 'div');
    var depth = model.depth[k];
    el.className = 'row ' + (folder ? 'folder' : live ? 'link' : 'inert');
    el.setAttribute('role', 'treeitem');
    el.dataset.entry = String(model.number[k]);
    el.setAttribute('aria-level', String(depth));
    el.setAttribute('aria-setsize',
      String(model.kids[model.parent[k]].length));
    el.setAttribute('aria-posinset', String(model.pos[k]));
    el.tabIndex = k === current ? 0 : -1;
    el.style.setProperty('--indent', String(Math.min(depth, indentLevels) - 1));
    if (depth > indentLevels) el.appendChild(tag('level', String(depth)));
    var name = document.createElement('span');
    name.className = 'title';
    name.textContent = title(k);
    el.appendChild(name);
    if (folder) {
      el.setAttribute('aria-expanded', open[k] ? 'true' : 'false');
      el.appendChild(tag('size', number(model.kids[k].length)));
    } else if (live) {
      el.href = where;
      el.rel = 'noopener noreferrer';
    } else {
      // Kept inert: live here, it would run in this page's origin. The
      // keyboard copies with c, so the button is for the pointer alone.
      var kind = scheme(where), copy = document.createElement('button');
      el.appendChild(tag('kind', kind === 'javascript' ? 'bookmarklet'
        : kind + ' address')).removeAttribute('aria-hidden');
      copy.type = 'button';
      copy.className = 'copy';
      copy.tabIndex = -1;
      copy.setAttribute('aria-hidden', 'true');
      copy.textContent = 'Copy';
      el.appendChild(copy);
    }
    return el;
  }
  function tag(kind, words) {
    var span = document.createElement('span');
    span.className = kind;
    span.setAttribute('aria-hidden', 'true');
    span.textContent = words;
    return span;
  }
  function rowElement(k) { return treeRows.drawn.get(k); }

  function focusRow(k, center) {
    if (!k) return;
    setCurrent(k);
    bringIntoView(treeRows, rowOf[k], center);
    draw(treeRows, rowCount);
    var el = rowElement(k);
    el.tabIndex = 0;
    el.focus({ preventScroll: true });
  }

  // ---- Open folders, remembered for this menu --------------------------

  function remember() {
    var kept = [];
    for (var k = 1; k < model.n; k++)
      if (open[k]) kept.push(model.number[k]);
    try { localStorage.setItem(memory, JSON.stringify(kept)); }
    catch { /* storage off or full: nothing is kept */ }
  }
  // Whatever is stored may be junk: it is checked and bounded, and dropped
  // whole when it fails.
  function recall() {
    var stored = null;
    try { stored = localStorage.getItem(memory); } catch { return; }
    if (stored === null) return;
    var list = null;
    if (stored.length <= 12 * model.folders + 2) {
      try { list = JSON.parse(stored); } catch { list = null; }
    }
    var ok = Array.isArray(list) && list.length <= model.folders &&
      list.every(function (e) {
        var s = model.slot(e);
        return s > 0 && model.folder[s] === 1;
      });
    if (!ok) {
      try { localStorage.removeItem(memory); } catch { /* nothing */ }
      return;
    }
    list.forEach(function (e) { open[model.slot(e)] = 1; });
  }

  function refresh() {
    flatten();
    treeRows.drawn.forEach(function (el, k) {
      if (model.folder[k])
        el.setAttribute('aria-expanded', open[k] ? 'true' : 'false');
    });
    draw(treeRows, rowCount);
  }

  function setOpen(k, state) {
    if (!model.folder[k] || open[k] === +state) return;
    open[k] = state ? 1 : 0;
    refresh();
    remember();
  }
  function setAll(state) {
    for (var k = 1; k < model.n; k++) if (model.folder[k]) open[k] = +state;
    refresh();
    remember();
  }

  // Deep links: #entry-N opens the folders above entry N and focuses it.
  function reveal(e) {
    var k = model ? model.slot(e) : -1;
    if (!(k > 0)) return false;
    for (var p = model.parent[k]; p; p = model.parent[p]) open[p] = 1;
    clearSearch();
    refresh();
    remember();
    focusRow(k, true);
    return true;
  }
  function followHash() {
    var m = /^#entry-(\d+)$/.exec(location.hash);
    if (m) reveal(Number(m[1]));
    else if (location.hash === '#open' && model) setAll(true);
  }

  // ---- Keys ------------------------------------------------------------

  // Type-ahead: the next row whose title starts with what was typed within
  // the last half second.
  var typed = '', typedAt = 0;
  function typeAhead(r, key) {
    typed = (Date.now() - typedAt > 500 ? '' : typed) + key.toLowerCase();
    typedAt = Date.now();
    var from = typed.length === 1 ? r + 1 : r;
    for (var step = 0; step < rowCount; step++) {
      var at = (from + step) % rowCount;
      if (title(rows[at]).toLowerCase().indexOf(typed) === 0) return at;
    }
    return r;
  }

  // The moves of any list of rows: each returns the row to go to from row
  // r of `count()`.
  function listMoves(list, count) {
    return {
      ArrowDown: function (r) { return r + 1; },
      ArrowUp: function (r) { return r - 1; },
      Home: function () { return 0; },
      End: function () { return count() - 1; },
      PageDown: function (r) { return r + pageRows(list); },
      PageUp: function (r) { return r - pageRows(list); },
    };
  }

  // The tree's, from row r holding slot k.
  var treeMoves = Object.assign(listMoves(treeRows, function () {
    return rowCount;
  }), {
    ArrowRight: function (r, k) {
      if (!model.folder[k]) return r;
      if (!open[k]) { setOpen(k, true); return r; }
      return model.kids[k].length ? r + 1 : r;
    },
    ArrowLeft: function (r, k) {
      if (model.folder[k] && open[k]) { setOpen(k, false); return r; }
      return model.parent[k] ? rowOf[model.parent[k]] : r;
    },
    '*': function (r, k) {
      model.kids[model.parent[k]].forEach(function (s) {
        if (model.folder[s]) open[s] = 1;
      });
      refresh();
      remember();
      return rowOf[k];
    },
  });

  function activate(k, event) {
    if (model.folder[k]) setOpen(k, !open[k]);
    else if (!isLive(address(k))) showSource(k);
    else if (event.key === ' ') rowElement(k).click();
    else return false; // a link follows itself
    return true;
  }

  function treeKey(event) {
    var k = current, r = rowOf[k], key = event.key;
    if (key === 'Enter' || key === ' ') return activate(k, event);
    if (isCopy(event)) copyAddress(k);
    else if (treeMoves[key]) r = treeMoves[key](r, k, event);
    else if (key.length === 1 && !/[\s/?]/.test(key) && !event.ctrlKey &&
             !event.metaKey && !event.altKey) r = typeAhead(r, key);
    else return false;
    r = Math.max(0, Math.min(rowCount - 1, r));
    if (rows[r] !== current || !tree.contains(document.activeElement))
      focusRow(rows[r]);
    return true;
  }

  // c, or the platform's copy chord with nothing selected: the focused
  // entry's address. A c that goes on a type-ahead is typed.
  function isCopy(event) {
    if (event.key !== 'c' || event.altKey) return false;
    if (event.ctrlKey || event.metaKey) return !String(getSelection());
    return Date.now() - typedAt > 500;
  }

  // ---- Copy ------------------------------------------------------------

  function copyAddress(k) {
    if (model.folder[k]) return say('A folder has no address to copy.');
    var words = address(k), name = title(k);
    var fallback = function () {
      showSource(k);
      var range = document.createRange();
      range.selectNodeContents($('source-text'));
      getSelection().removeAllRanges();
      getSelection().addRange(range);
      say('The clipboard is not open to this page: the address of "' +
        name + '" is selected, for Ctrl+C.');
    };
    if (!navigator.clipboard) return fallback();
    // A clipboard that never answers is as good as none.
    var settled = false, wait = setTimeout(function () {
      settled = true;
      fallback();
    }, 2000);
    navigator.clipboard.writeText(words).then(function () {
      if (settled) return;
      clearTimeout(wait);
      say('Copied the address of "' + name + '".');
    }, function () {
      clearTimeout(wait);
      if (!settled) fallback();
    });
  }

  var sourceOf = 0;
  function showSource(k) {
    sourceOf = k;
    $('source-title').textContent = title(k);
    $('source-text').textContent = address(k);
    $('source').hidden = false;
    $('source-close').focus();
  }
  function closeSource() {
    $('source').hidden = true;
    if (sourceOf && rowOf[sourceOf] >= 0 && !tree.hidden) focusRow(sourceOf);
  }

  // ---- Search ------------------------------------------------------------

  var haystack = [], indexed = 1;
  var hits = new Int32Array(0), hitCount = 0, hitCurrent = 0;
  var words = [], lastWords = null;

  function indexSome(until) {
    for (; indexed < model.n && until(); indexed++) {
      var k = indexed;
      haystack[k] = fold(title(k)) +
        (model.folder[k] ? '' : '\n' + fold(address(k)));
    }
  }
  function indexWhenIdle() {
    var idle = window.requestIdleCallback || function (f) {
      setTimeout(function () {
        var end = Date.now() + 10;
        f({ timeRemaining: function () { return end - Date.now(); } });
      }, 0);
    };
    var shown = model;
    idle(function (deadline) {
      if (model !== shown) return;
      indexSome(function () { return deadline.timeRemaining() > 1; });
      if (indexed < model.n) indexWhenIdle();
    });
  }

  // Every word must match the title or the address. A query that only
  // lengthens the last one's words looks among the last hits.
  function find() {
    indexSome(function () { return true; });
    var narrow = lastWords && lastWords.length <= words.length &&
      lastWords.every(function (w, i) { return words[i].indexOf(w) >= 0; });
    var from = narrow ? hits.slice(0, hitCount) : null;
    var found = new Int32Array(narrow ? hitCount : model.n), count = 0;
    var total = narrow ? from.length : model.n, w = words.length;
    outer: for (var j = narrow ? 0 : 1; j < total; j++) {
      var k = narrow ? from[j] : j, hay = haystack[k];
      for (var i = 0; i < w; i++)
        if (hay.indexOf(words[i]) < 0) continue outer;
      found[count++] = k;
    }
    hits = found;
    hitCount = count;
    lastWords = words;
  }

  function runSearch() {
    words = fold(search.value).split(/\s+/).filter(Boolean);
    var searching = words.length !== 0 && model !== null;
    $('results').hidden = !searching;
    tree.hidden = !searching ? rowCount === 0 : true;
    clear(hitRows);
    hitRows.keep = -1;
    hitCurrent = 0;
    if (!searching) {
      lastWords = null;
      hitCount = 0;
      draw(treeRows, rowCount);
      return;
    }
    find();
    $('hits-count').textContent = hitCount === 0 ? 'No entry matches.'
      : number(hitCount) + (hitCount === 1 ? ' match' : ' matches');
    $('hits').setAttribute('aria-label', $('hits-count').textContent);
    draw(hitRows, hitCount);
  }

  function clearSearch() {
    if (search.value === '' && $('results').hidden) return;
    search.value = '';
    runSearch();
  }

  // The folders above an entry, the nearest few.
  function folderPath(k) {
    var names = [];
    for (var p = model.parent[k]; p && names.length < 4; p = model.parent[p])
      names.unshift(title(p));
    if (!names.length) return 'Top level';
    return (model.depth[k] - 1 > names.length ? '\u2026 \u203a ' : '') +
      names.join(' \u203a ');
  }

  // `words` marked in s, as text nodes and <mark>s: s is folded a
  // character at a time, so that each match maps back to what is shown.
  function marked(s) {
    var chars = Array.from(s), folded = '', starts = [];
    chars.forEach(function (c) {
      starts.push(folded.length);
      folded += fold(c);
    });
    starts.push(folded.length);
    var on = new Uint8Array(chars.length), any = false, c;
    words.forEach(function (w) {
      for (var at = folded.indexOf(w); at >= 0; at = folded.indexOf(w, at + 1))
        for (c = 0; c < chars.length; c++)
          if (starts[c + 1] > at && starts[c] < at + w.length) on[c] = 1;
    });
    // Marks that fold to nothing go with the letter before them.
    for (c = 0; c < chars.length; c++) {
      if (starts[c] === starts[c + 1] && c > 0) on[c] = on[c - 1];
      any = any || on[c] === 1;
    }
    var out = document.createDocumentFragment(), run = '', state = 0;
    var flush = function () {
      if (!run) return;
      if (state) {
        var mark = document.createElement('mark');
        mark.textContent = run;
        out.appendChild(mark);
      } else {
        out.appendChild(document.createTextNode(run));
      }
      run = '';
    };
    chars.forEach(function (c, i) {
      if (on[i] !== state) { flush(); state = on[i]; }
      run += c;
    });
    flush();
    return { nodes: out, any: any };
  }

  function makeHit(r) {
    var k = hits[r], folder = model.folder[k];
    var where = folder ? '' : address(k), live = !folder && isLive(where);
    var li = document.createElement('li');
    li.className = 'hit';
    li.setAttribute('aria-setsize', String(hitCount));
    li.setAttribute('aria-posinset', String(r + 1));
    var link = document.createElement('a');
    link.className = folder ? 'folder' : live ? 'link' : 'inert';
    link.href = live ? where : '#entry-' + model.number[k];
    if (live) link.rel = 'noopener noreferrer';
    link.tabIndex = r === hitCurrent ? 0 : -1;
    link.appendChild(marked(title(k)).nodes);
    var about = document.createElement('span');
    about.className = 'path';
    about.textContent = (folder ? 'Folder in ' : live ? '' : scheme(where) ===
      'javascript' ? 'Bookmarklet in ' : 'Inert address in ') + folderPath(k);
    li.append(link, about);
    var inAddress = folder ? null : marked(where);
    if (inAddress && inAddress.any) {
      var shown = document.createElement('span');
      shown.className = 'hit-address';
      shown.appendChild(inAddress.nodes);
      li.appendChild(shown);
    }
    return li;
  }

  function focusHit(r) {
    r = Math.max(0, Math.min(hitCount - 1, r));
    var old = hitRows.drawn.get(hitCurrent);
    if (old) old.firstChild.tabIndex = -1;
    hitCurrent = r;
    hitRows.keep = r;
    bringIntoView(hitRows, r);
    draw(hitRows, hitCount);
    var link = hitRows.drawn.get(r).firstChild;
    link.tabIndex = 0;
    link.focus({ preventScroll: true });
  }

  var hitMoves = listMoves(hitRows, function () { return hitCount; });
  function hitKey(event) {
    var up = event.key === 'ArrowUp' && hitCurrent === 0;
    if (event.key === 'Escape' || up) search.focus();
    else if (isCopy(event)) copyAddress(hits[hitCurrent]);
    else if (hitMoves[event.key]) focusHit(hitMoves[event.key](hitCurrent));
    else return false;
    return true;
  }

  function fieldKey(event) {
    if (event.key === 'Escape' && search.value) clearSearch();
    else if (event.key === 'ArrowDown' && hitCount) focusHit(hitCurrent);
    else return false;
    return true;
  }

  // ---- The page's one keydown handler ----------------------------------

  function typing(target) {
    return /^(INPUT|TEXTAREA|SELECT)$/.test(target.tagName) ||
      target.isContentEditable;
  }
  function pageKey(event) {
    if (typing(event.target) || event.ctrlKey || event.metaKey ||
        event.altKey) return false;
    if (event.key === '/' && !$('find').hidden) search.focus();
    else if (event.key === '?') toggleMore(true);
    else if (event.key === 'Escape' && !$('source').hidden) closeSource();
    else return false;
    return true;
  }
  function onKey(event) {
    var t = event.target, done;
    if (event.defaultPrevented) return;
    if (t === search) done = fieldKey(event);
    else if (tree.contains(t) && t.getAttribute('role') === 'treeitem')
      done = treeKey(event);
    else if (hitList.contains(t)) done = hitKey(event);
    if (!done) done = pageKey(event);
    if (done) event.preventDefault();
  }

  function onTreeClick(event) {
    var row = event.target.closest('[role="treeitem"]');
    if (!row) return;
    var k = model.slot(Number(row.dataset.entry));
    if (k !== current || document.activeElement !== row) focusRow(k);
    if (event.target.closest('.copy')) copyAddress(k);
    else if (model.folder[k]) setOpen(k, !open[k]);
    else if (!isLive(address(k))) showSource(k);
  }

  // A folder or an inert link found is shown in the tree.
  function onHitClick(event) {
    var link = event.target.closest('a');
    var m = link && /^#entry-(\d+)$/.exec(link.getAttribute('href'));
    if (!m) return;
    event.preventDefault();
    history.replaceState(null, '', link.getAttribute('href'));
    reveal(Number(m[1]));
  }

  function toggleMore(help) {
    var more = $('more'), button = $('more-button');
    var opening = !more.classList.contains('open');
    more.classList.toggle('open', opening);
    $('top').classList.toggle('open', opening);
    button.setAttribute('aria-expanded', String(opening));
    if (opening && help) $('help').scrollIntoView({ block: 'nearest' });
  }

  // ---- Printing: every entry, with each link's address ------------------

  function fillPrint() {
    var box = $('print');
    if (!model || box.firstChild) return;
    var out = document.createDocumentFragment();
    walk(function () { return true; }, function (k) {
      var line = document.createElement('div');
      line.className = model.folder[k] ? 'folder' : 'link';
      line.dataset.entry = String(model.number[k]);
      line.style.setProperty('--indent',
        String(Math.min(model.depth[k], indentLevels) - 1));
      line.textContent = title(k);
      if (!model.folder[k]) {
        var where = document.createElement('span');
        where.className = 'address';
        where.textContent = address(k);
        line.append(' ', where);
      }
      out.appendChild(line);
    });
    box.appendChild(out);
  }

  // ---- States ------------------------------------------------------------

  function say(words, command) {
    status.textContent = words;
    if (command) {
      var code = document.createElement('code');
      code.textContent = command;
      status.append(' ', code);
    }
  }

  var converter = null, kept = null, beside = true;

  // What the page holds for a menu that cannot be shown.
  function noMenu(words, command) {
    model = null;
    rowCount = 0;
    hitCount = 0;
    tree.hidden = true;
    clear(treeRows);
    clear(hitRows);
    $('find').hidden = true;
    $('actions').hidden = true;
    $('count').textContent = '';
    say(words, command);
  }

  // Shows the menu the arrays hold now, from scratch. `error`: the script
  // that filled them failed.
  function show(error, emptyHint) {
    search.value = '';
    runSearch();
    $('print').textContent = '';
    $('drop').hidden = true;
    $('convert-again').hidden = !converter;
    $('forget').hidden = !kept;
    var m;
    try { m = readModel(ref, nam, par, MAX); } catch { m = null; }
    if (!m) return noMenu('menu.js is not a script this page can read. ' +
      'Convert the bookmarks file again.');
    var entries = m.n - 1;
    if (entries === 0 && (error || m.max === 'none'))
      return noMenu(error ? 'menu.js is not a script this page can read: ' +
        'it does not parse. Convert the bookmarks file again.'
        : 'menu.js is incomplete: it holds no entries and no MAX line. ' +
          'Convert the bookmarks file again.');
    if (entries === 0)
      return noMenu(emptyHint || 'The menu is empty: the bookmarks file ' +
        'held no entries.');
    model = m;
    titles = new Array(m.n);
    addresses = new Array(m.n);
    open = new Uint8Array(m.n);
    rows = new Int32Array(m.n);
    rowOf = new Int32Array(m.n);
    haystack = new Array(m.n);
    indexed = 1;
    current = 0;
    clear(treeRows);
    treeRows.height = 0;
    hitRows.height = 0;
    memory = 'bookmarks2menu:open:' + location.pathname + ':' + entries;
    var notes = [];
    var held = entries === 1 ? 'the one entry it holds is shown'
      : 'the ' + number(entries) + ' entries it holds are shown';
    if (error || m.max === 'none')
      notes.push('menu.js is incomplete: it stops before its end, so only ' +
        held + '. Convert the bookmarks file again.');
    else if (m.max === 'wrong')
      notes.push('The MAX line of menu.js does not match its entries; ' +
        held + '.');
    if (m.moved)
      notes.push(number(m.moved) + (m.moved === 1 ? ' entry has' :
        ' entries have') + ' no folder above ' + (m.moved === 1 ? 'it' :
        'them') + ' in menu.js and ' +
        (m.moved === 1 ? 'is' : 'are') + ' shown at the top level.');
    say(notes.join(' '));
    $('count').textContent = number(entries) +
      (entries === 1 ? ' entry' : ' entries') + ', ' + number(m.folders) +
      (m.folders === 1 ? ' folder' : ' folders');
    $('find').hidden = false;
    $('actions').hidden = false;
    recall();
    tree.hidden = false;
    flatten();
    current = rows[0];
    treeRows.keep = current;
    draw(treeRows, rowCount);
    followHash();
    indexWhenIdle();
  }

  // ---- A menu kept in this browser -------------------------------------

  // The last menu converted in the page, kept in IndexedDB: its bytes and
  // the name of the file it came from. Nothing is sent anywhere.
  function store(mode, work) {
    return new Promise(function (done, fail) {
      var request;
      try { request = indexedDB.open('bookmarks2menu', 1); }
      catch (e) { return fail(e); }
      request.onupgradeneeded = function () {
        request.result.createObjectStore('menus');
      };
      request.onerror = function () { fail(request.error); };
      request.onsuccess = function () {
        var db = request.result, t, result;
        try {
          t = db.transaction('menus', mode);
          result = work(t.objectStore('menus'));
        } catch (e) { // a database of another shape: none to use
          db.close();
          return fail(e);
        }
        t.oncomplete = function () {
          db.close();
          done(result && result.result);
        };
        t.onerror = t.onabort = function () {
          db.close();
          fail(t.error);
        };
      };
    });
  }
  function keep(bytes, name) {
    kept = { bytes: bytes, name: name };
    $('forget').hidden = false;
    return store('readwrite', function (s) {
      return s.put({ bytes: bytes, name: name, at: Date.now() }, 'last');
    }).catch(function () { /* storage off: shown for this visit only */ });
  }
  function forget() {
    kept = null;
    $('forget').hidden = true;
    return store('readwrite', function (s) { return s.delete('last'); })
      .catch(function () { /* nothing was kept */ });
  }
  function recallKept() {
    return store('readonly', function (s) { return s.get('last'); })
      .then(function (v) {
        var ok = v && typeof v === 'object' && v.bytes instanceof Blob &&
          typeof v.name === 'string' && v.name.length < 4096;
        if (v !== undefined && !ok) forget();
        return ok ? v : null;
      }, function () { return null; });
  }

  // Runs menu.js bytes as the page runs menu.js: into fresh arrays, with
  // the same reader after.
  function runMenu(bytes) {
    return new Promise(function (done) {
      ref = [];
      nam = [];
      par = [];
      MAX = undefined;
      loading = { missing: false, error: false };
      addEventListener('error', noteLoadError, true);
      var script = document.createElement('script');
      script.src = URL.createObjectURL(bytes);
      var end = function () {
        removeEventListener('error', noteLoadError, true);
        URL.revokeObjectURL(script.src);
        script.remove();
        done(loading.error || loading.missing);
      };
      script.onload = end;
      script.onerror = end;
      document.head.appendChild(script);
    });
  }

  function showMissing() {
    noMenu('No menu.js next to this page: convert a bookmarks file first' +
      (converter ? ', here with "Open bookmarks file\u2026" below, or' : ',') +
      ' in this folder with', 'bookmarks2menu bookmarks.html');
    $('drop').hidden = !converter;
    $('convert-again').hidden = true;
  }

  function start() {
    removeEventListener('error', noteLoadError, true);
    tree = $('menu');
    search = $('search');
    hitList = $('hits');
    status = $('status');
    treeRows.box = tree;
    hitRows.box = hitList;
    document.addEventListener('keydown', onKey);
    tree.addEventListener('click', onTreeClick);
    hitList.addEventListener('click', onHitClick);
    search.addEventListener('input', runSearch);
    addEventListener('scroll', drawSoon, { passive: true });
    addEventListener('resize', function () {
      treeRows.height = hitRows.height = 0;
      drawSoon();
    });
    addEventListener('hashchange', followHash);
    $('open-all').addEventListener('click', function () { setAll(true); });
    $('close-all').addEventListener('click', function () { setAll(false); });
    $('more-button').addEventListener('click', function () {
      toggleMore(false);
    });
    $('source-close').addEventListener('click', closeSource);
    $('forget').addEventListener('click', function () {
      forget().then(function () {
        if (beside) return;
        ref = [];
        nam = [];
        par = [];
        MAX = undefined;
        showMissing();
      });
    });
    addEventListener('beforeprint', fillPrint);
    addEventListener('afterprint', function () { $('print').textContent = ''; });
    matchMedia('print').addEventListener('change', function (event) {
      if (event.matches) fillPrint();
    });
    if (window.B2M_CONVERT) converter = window.B2M_CONVERT.start(api);
    beside = !loading.missing;
    if (beside) return show(loading.error);
    showMissing();
    // No menu.js here: the last menu converted in this page, if any.
    recallKept().then(function (v) {
      if (!v) return;
      return runMenu(v.bytes).then(function (failed) {
        kept = v;
        show(failed);
        if (model) say('The menu converted from ' + v.name + ', kept in ' +
          'this browser; a menu.js next to this page comes first.');
      });
    });
  }

  // What the converter uses.
  var api = {
    say: say,
    show: function (bytes, emptyHint) {
      return runMenu(bytes).then(function (failed) {
        scrollTo(0, 0);
        show(failed, emptyHint);
        return model ? model.n - 1 : 0;
      });
    },
    keep: keep,
  };

  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', start);
  else start();
})();
