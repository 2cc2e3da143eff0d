// A list of fixed-height rows drawn only around the viewport, for the
// tree and for the search's matches alike, and the moves on it.
/* global B2M */
(function (B2M) {
  'use strict';

  var overscan = 12;

  // Rows inside `box`; make(key) builds a row, keyAt(r) and rowAt(key)
  // map between rows and keys. `keep` stays drawn wherever it is, so that
  // the focused row keeps the focus.
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

  function headerBottom() {
    return document.getElementById('top').getBoundingClientRect().bottom;
  }

  // Scrolls the page so that row r is in view, under the sticky header.
  function bringIntoView(list, r, center) {
    if (!list.height) list.height = rowHeight(list);
    var h = list.height, header = headerBottom();
    var top = list.box.getBoundingClientRect().top + r * h;
    if (center) scrollBy(0, top - (innerHeight + header) / 2);
    else if (top < header) scrollBy(0, top - header);
    else if (top + h > innerHeight) scrollBy(0, top + h - innerHeight);
  }

  function pageRows(list) {
    return Math.max(1, Math.floor((innerHeight - headerBottom()) /
      list.height) - 1);
  }

  // The moves of any list: each returns the row to go to from row r of
  // count() rows.
  function moves(list, count) {
    return {
      ArrowDown: function (r) { return r + 1; },
      ArrowUp: function (r) { return r - 1; },
      Home: function () { return 0; },
      End: function () { return count() - 1; },
      PageDown: function (r) { return r + pageRows(list); },
      PageUp: function (r) { return r - pageRows(list); },
    };
  }

  // A small marker in a row, for the eye only.
  function tag(kind, words) {
    var span = document.createElement('span');
    span.className = kind;
    span.setAttribute('aria-hidden', 'true');
    span.textContent = words;
    return span;
  }

  // Depth as an indent, up to indentLevels; deeper rows say their level.
  var indentLevels = 12;
  function indent(el, depth) {
    el.style.setProperty('--indent', String(Math.min(depth, indentLevels) - 1));
  }

  B2M.list = { windowed: windowed, draw: draw, clear: clear,
    bringIntoView: bringIntoView, moves: moves, tag: tag, indent: indent,
    indentLevels: indentLevels };
})(B2M);
