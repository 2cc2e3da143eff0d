// The tree: the rows of the open folders, drawn as a flat windowed list,
// the folders a user opened, remembered for this menu, and its keys.
/* global B2M */
(function (B2M) {
  'use strict';

  var list = B2M.list, model = B2M.model;

  // The tree in #menu. `hands` are what the page hands it: words, the
  // page's words (text and number) in its language; isCopy(event,
  // typing) and copy(k) for the copy key, showSource(k) for an inert
  // link, and onReveal(), said before a deep link shows its entry.
  function create(hands) {
    var box = document.getElementById('menu');
    // Its state, made anew for each menu shown.
    var tree = {
      model: null,
      open: null,   // 1 for each open folder, by slot
      rows: null,   // the slots shown, in order
      rowOf: null,  // each slot's row, or -1
      count: 0,     // rows shown
      current: 0,   // the slot of the one row in the Tab order
      memory: '',   // where the open folders are remembered
      typed: '', typedAt: 0, // type-ahead
      view: list.windowed(box, makeRow,
        function (r) { return tree.rows[r]; },
        function (k) { return tree.rowOf[k]; }),
    };

    // A new menu, `m`, or none; its open folders remembered under `memory`.
    function reset(m, memory) {
      var n = m ? m.n : 0;
      tree.model = m;
      tree.open = new Uint8Array(n);
      tree.rows = new Int32Array(n);
      tree.rowOf = new Int32Array(n);
      tree.count = 0;
      tree.current = 0;
      tree.memory = memory || '';
      tree.typed = '';
      tree.typedAt = 0;
      tree.view.height = 0;
      tree.view.keep = -1;
      list.clear(tree.view);
      box.hidden = true;
    }

    // The rows shown: every entry whose folders above are all open. A
    // current row hidden by a close gives its place to the nearest folder
    // above it that is shown.
    function flatten() {
      var m = tree.model, r = 0;
      tree.rowOf.fill(-1);
      model.walk(m, function (k) { return tree.open[k]; }, function (k) {
        tree.rows[r] = k;
        tree.rowOf[k] = r++;
      });
      tree.count = r;
      var up = tree.current;
      if (!up || tree.rowOf[up] >= 0) return;
      while (tree.rowOf[up] < 0) up = m.parent[up];
      if (box.contains(document.activeElement)) focusRow(up);
      else setCurrent(up);
    }

    function setCurrent(k) {
      var old = tree.view.drawn.get(tree.current);
      if (old) old.tabIndex = -1;
      tree.current = tree.view.keep = k;
      var el = tree.view.drawn.get(k);
      if (el) el.tabIndex = 0;
    }

    function makeRow(k) {
      var m = tree.model, kind = m.kind(k), depth = m.depth[k];
      var el = document.createElement(kind === 'link' ? 'a' : 'div');
      el.className = 'row ' + kind;
      el.setAttribute('role', 'treeitem');
      el.dataset.entry = String(m.entry[k]);
      el.setAttribute('aria-level', String(depth));
      el.setAttribute('aria-setsize', String(m.kids[m.parent[k]].length));
      el.setAttribute('aria-posinset', String(m.pos[k]));
      el.tabIndex = k === tree.current ? 0 : -1;
      list.indent(el, depth);
      if (depth > list.indentLevels)
        el.appendChild(list.tag('level', String(depth)));
      var name = document.createElement('span');
      name.className = 'title';
      name.dir = 'auto';
      name.textContent = m.label(k);
      el.appendChild(name);
      if (kind === 'folder') {
        el.setAttribute('aria-expanded', tree.open[k] ? 'true' : 'false');
        el.appendChild(list.tag('size', hands.words.number(m.kids[k].length)));
      } else if (kind === 'link') {
        el.href = m.address(k);
        el.rel = 'noopener noreferrer';
      } else {
        // Kept inert: live here, it would run in this page's origin. The
        // keyboard copies with c, so the button is for the pointer alone.
        el.appendChild(list.tag('kind', m.inertKind(k) === 'bookmarklet'
          ? hands.words.text('kindBookmarklet')
          : hands.words.text('kindAddress',
            { scheme: model.scheme(m.address(k)) })))
          .removeAttribute('aria-hidden');
        var copy = document.createElement('button');
        copy.type = 'button';
        copy.className = 'copy';
        copy.tabIndex = -1;
        copy.setAttribute('aria-hidden', 'true');
        copy.textContent = hands.words.text('copy');
        el.appendChild(copy);
      }
      return el;
    }

    function draw() {
      list.draw(tree.view, tree.count);
    }

    // The rows made again, in the page's language now.
    function relabel() {
      list.clear(tree.view);
      draw();
    }

    function focusRow(k, center) {
      if (!k) return;
      setCurrent(k);
      list.bringIntoView(tree.view, tree.rowOf[k], center);
      draw();
      var el = tree.view.drawn.get(k);
      el.tabIndex = 0;
      el.focus({ preventScroll: true });
    }

    // ---- Open folders, remembered for this menu ------------------------

    function remember() {
      var m = tree.model, kept = [];
      for (var k = 1; k < m.n; k++) if (tree.open[k]) kept.push(m.entry[k]);
      try { localStorage.setItem(tree.memory, JSON.stringify(kept)); }
      catch { /* storage off or full: nothing is kept */ }
    }

    // Whatever is stored may be junk: it is checked and bounded, and dropped
    // whole when it fails. False when nothing was stored.
    function recall() {
      var m = tree.model, stored = null, kept = null;
      try { stored = localStorage.getItem(tree.memory); }
      catch { return false; }
      if (stored === null) return false;
      if (stored.length <= 12 * m.folders + 2) {
        try { kept = JSON.parse(stored); } catch { kept = null; }
      }
      var ok = Array.isArray(kept) && kept.length <= m.folders &&
        kept.every(function (e) {
          var s = m.slot(e);
          return s > 0 && m.folder[s] === 1;
        });
      if (!ok) {
        try { localStorage.removeItem(tree.memory); } catch { /* nothing */ }
        return true;
      }
      kept.forEach(function (e) { tree.open[m.slot(e)] = 1; });
      return true;
    }

    // With nothing remembered, the top-level folders open where all they
    // hold fits on the first screen, as the browsers' own managers show it.
    function openFirstScreen() {
      var m = tree.model, top = m.kids[0], rows = top.length;
      top.forEach(function (k) { if (m.folder[k]) rows += m.kids[k].length; });
      if (rows * 32 > innerHeight) return; // rows are about 32 px high
      top.forEach(function (k) { if (m.folder[k]) tree.open[k] = 1; });
    }

    function refresh() {
      flatten();
      tree.view.drawn.forEach(function (el, k) {
        if (tree.model.folder[k])
          el.setAttribute('aria-expanded', tree.open[k] ? 'true' : 'false');
      });
      draw();
    }

    function setOpen(k, state) {
      if (!tree.model.folder[k] || tree.open[k] === +state) return;
      tree.open[k] = state ? 1 : 0;
      refresh();
      remember();
    }
    function setAll(state) {
      var m = tree.model;
      for (var k = 1; k < m.n; k++) if (m.folder[k]) tree.open[k] = +state;
      refresh();
      remember();
    }

    // Deep links: #entry-N opens the folders above entry N and focuses it.
    function reveal(e) {
      var m = tree.model, k = m ? m.slot(e) : -1;
      if (!(k > 0)) return false;
      for (var p = m.parent[k]; p; p = m.parent[p]) tree.open[p] = 1;
      hands.onReveal();
      refresh();
      remember();
      focusRow(k, true);
      return true;
    }
    function followHash() {
      var hash = /^#entry-(\d+)$/.exec(location.hash);
      if (hash) reveal(Number(hash[1]));
      else if (location.hash === '#open' && tree.model) setAll(true);
    }

    // Shows the model's first rows, with the folders remembered open.
    function show() {
      if (!recall()) openFirstScreen();
      box.hidden = false;
      flatten();
      tree.current = tree.view.keep = tree.rows[0];
      draw();
      followHash();
    }

    // ---- Keys ----------------------------------------------------------

    // Type-ahead: the next row whose title starts with what was typed within
    // the last half second.
    function typeAhead(r, key) {
      var now = Date.now();
      tree.typed = (now - tree.typedAt > 500 ? '' : tree.typed) +
        key.toLowerCase();
      tree.typedAt = now;
      var from = tree.typed.length === 1 ? r + 1 : r;
      for (var step = 0; step < tree.count; step++) {
        var at = (from + step) % tree.count;
        if (tree.model.label(tree.rows[at]).toLowerCase()
          .indexOf(tree.typed) === 0) return at;
      }
      return r;
    }

    // The tree's moves, from row r holding slot k.
    var moves = Object.assign(list.moves(tree.view, function () {
      return tree.count;
    }), {
      ArrowRight: function (r, k) {
        var m = tree.model;
        if (!m.folder[k]) return r;
        if (!tree.open[k]) { setOpen(k, true); return r; }
        return m.kids[k].length ? r + 1 : r;
      },
      ArrowLeft: function (r, k) {
        var m = tree.model;
        if (m.folder[k] && tree.open[k]) { setOpen(k, false); return r; }
        return m.parent[k] ? tree.rowOf[m.parent[k]] : r;
      },
      '*': function (r, k) {
        var m = tree.model;
        m.kids[m.parent[k]].forEach(function (s) {
          if (m.folder[s]) tree.open[s] = 1;
        });
        refresh();
        remember();
        return tree.rowOf[k];
      },
    });

    // Enter or Space: a folder opens or closes, an inert link shows its
    // source, Space follows a link; Enter lets a link follow itself.
    function activate(k, key) {
      var kind = tree.model.kind(k);
      if (kind === 'folder') setOpen(k, !tree.open[k]);
      else if (kind === 'inert') hands.showSource(k);
      else if (key === ' ') tree.view.drawn.get(k).click();
      else return false;
      return true;
    }

    // A key on a row: whether it was the tree's.
    function onKey(event) {
      if (!tree.model || !isRow(event.target)) return false;
      var k = tree.current, r = tree.rowOf[k], key = event.key;
      // Right to left, Left opens and Right closes.
      if (/^Arrow(Left|Right)$/.test(key) &&
          getComputedStyle(box).direction === 'rtl')
        key = key === 'ArrowLeft' ? 'ArrowRight' : 'ArrowLeft';
      if (key === 'Enter' || key === ' ') return activate(k, key);
      if (hands.isCopy(event, Date.now() - tree.typedAt <= 500)) hands.copy(k);
      else if (moves[key]) r = moves[key](r, k);
      else if (key.length === 1 && !/[\s/?\u061f]/.test(key) && !event.ctrlKey &&
               !event.metaKey && !event.altKey) r = typeAhead(r, key);
      else return false;
      r = Math.max(0, Math.min(tree.count - 1, r));
      if (tree.rows[r] !== tree.current ||
          !box.contains(document.activeElement)) focusRow(tree.rows[r]);
      return true;
    }

    function onClick(event) {
      var row = event.target.closest('[role="treeitem"]');
      if (!row) return;
      var k = tree.model.slot(Number(row.dataset.entry));
      if (k !== tree.current || document.activeElement !== row) focusRow(k);
      if (event.target.closest('.copy')) hands.copy(k);
      else activate(k, 'click');
    }

    function isRow(target) {
      return box.contains(target) &&
        target.getAttribute('role') === 'treeitem';
    }

    // The search hides the tree while it shows matches.
    function setShown(shown) {
      box.hidden = shown ? !tree.count : true;
      if (shown) draw();
    }

    // Rows may have another height: measured again at the next draw.
    function resized() {
      tree.view.height = 0;
    }

    // Focus back on entry k, where its row is shown.
    function focusShown(k) {
      if (k && tree.model && tree.rowOf[k] >= 0 && !box.hidden) focusRow(k);
    }

    box.addEventListener('click', onClick);
    // A row focused another way (a screen reader, Tab) is the current one:
    // keys act on the row that has the focus.
    box.addEventListener('focusin', function (event) {
      if (!tree.model || !isRow(event.target)) return;
      var k = tree.model.slot(Number(event.target.dataset.entry));
      if (k > 0 && k !== tree.current) setCurrent(k);
    });

    return {
      reset: reset, show: show, draw: draw, relabel: relabel, resized: resized,
      setShown: setShown, setAll: setAll, reveal: reveal,
      followHash: followHash, focusShown: focusShown, onKey: onKey,
    };
  }

  B2M.tree = { create: create };
})(B2M);
