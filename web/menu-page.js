// The page's wiring: which state it is in (a menu, none, a broken one),
// the one keydown handler, Copy, the source panel, print, and what the
// converter may ask of it.
/* global B2M, ref:writable, nam:writable, par:writable, MAX:writable */
(function (B2M) {
  'use strict';

  var page = {
    model: null,
    canConvert: false, // the converter is beside the page
    beside: true,      // the menu shown is a menu.js beside the page
    sourceOf: 0,       // the entry whose source the panel shows
  };

  function $(id) { return document.getElementById(id); }

  function say(words, command) {
    var status = $('status');
    status.textContent = words;
    if (command) {
      var code = document.createElement('code');
      code.textContent = command;
      status.append(' ', code);
    }
  }

  // Every room made anew for `model`, which may be null.
  function reset(model) {
    page.model = model;
    B2M.tree.reset(model, $('menu'), model &&
      'bookmarks2menu:open:' + location.pathname + ':' + (model.n - 1));
    B2M.search.reset(model, $('search'), $('hits'));
    $('print').textContent = '';
  }

  // What the page holds for a menu that cannot be shown.
  function noMenu(words, command) {
    reset(null);
    $('menu').hidden = true;
    $('find').hidden = true;
    $('actions').hidden = true;
    $('count').textContent = '';
    say(words, command);
  }

  function plural(n, one, many) {
    return B2M.model.grouped(n) + (n === 1 ? one : many);
  }

  // What is wrong with a menu that can be shown all the same.
  function notes(m, error) {
    var entries = m.n - 1, said = [];
    var held = entries === 1 ? 'the one entry it holds is shown'
      : 'the ' + B2M.model.grouped(entries) + ' entries it holds are shown';
    if (error || m.max === 'none')
      said.push('menu.js is incomplete: it stops before its end, so only ' +
        held + '. Convert the bookmarks file again.');
    else if (m.max === 'wrong')
      said.push('The MAX line of menu.js does not match its entries; ' +
        held + '.');
    if (m.moved)
      said.push(plural(m.moved, ' entry has', ' entries have') +
        ' no folder above ' + (m.moved === 1 ? 'it' : 'them') +
        ' in menu.js and ' + (m.moved === 1 ? 'is' : 'are') +
        ' shown at the top level.');
    return said.join(' ');
  }

  // Shows the menu the arrays hold now, from scratch. `error`: the script
  // that filled them failed.
  function show(error, emptyHint) {
    $('drop').hidden = true;
    $('convert-again').hidden = !page.canConvert;
    $('forget').hidden = !B2M.kept.state.menu;
    var m;
    try { m = B2M.model.read(ref, nam, par, MAX); } catch { m = null; }
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
    reset(m);
    say(notes(m, error));
    $('count').textContent = plural(entries, ' entry', ' entries') + ', ' +
      plural(m.folders, ' folder', ' folders');
    $('find').hidden = false;
    $('actions').hidden = false;
    B2M.tree.show();
    B2M.search.indexWhenIdle();
  }

  // Runs menu.js bytes as the page runs menu.js: into fresh arrays, with
  // the same reader after. Resolves to whether the script failed.
  function runMenu(bytes) {
    return new Promise(function (done) {
      ref = [];
      nam = [];
      par = [];
      MAX = undefined;
      B2M.watchLoading();
      var script = document.createElement('script');
      script.src = URL.createObjectURL(bytes);
      var end = function () {
        var failed = B2M.stopWatching();
        URL.revokeObjectURL(script.src);
        script.remove();
        done(failed);
      };
      script.onload = end;
      script.onerror = end;
      document.head.appendChild(script);
    });
  }

  function showMissing() {
    noMenu('No menu.js next to this page: convert a bookmarks file first' +
      (page.canConvert ? ', here with "Open bookmarks file\u2026" below, or'
        : ',') + ' in this folder with', 'bookmarks2menu bookmarks.html');
    $('drop').hidden = !page.canConvert;
    $('convert-again').hidden = true;
  }

  // ---- Copy and the source panel ---------------------------------------

  // c, or the platform's copy chord with nothing selected: the focused
  // entry's address. A c that goes on a type-ahead is typed.
  function isCopy(event) {
    if (event.key !== 'c' || event.altKey) return false;
    if (event.ctrlKey || event.metaKey) return !String(getSelection());
    return Date.now() - B2M.tree.state.typedAt > 500;
  }

  function copyAddress(k) {
    var m = page.model;
    if (m.folder[k]) return say('A folder has no address to copy.');
    var words = m.address(k), name = m.label(k);
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

  function showSource(k) {
    page.sourceOf = k;
    $('source-title').textContent = page.model.label(k);
    $('source-text').textContent = page.model.address(k);
    $('source').hidden = false;
    $('source-close').focus();
  }
  function closeSource() {
    var k = page.sourceOf, tree = B2M.tree.state;
    $('source').hidden = true;
    if (k && page.model && tree.rowOf[k] >= 0 && !tree.view.box.hidden)
      B2M.tree.focusRow(k);
  }

  // ---- Print: every entry, with each link's address --------------------

  function fillPrint() {
    var box = $('print'), m = page.model;
    if (!m || box.firstChild) return;
    var out = document.createDocumentFragment();
    B2M.tree.walk(m, function () { return true; }, function (k) {
      var line = document.createElement('div');
      line.className = m.folder[k] ? 'folder' : 'link';
      line.dataset.entry = String(m.entry[k]);
      line.style.setProperty('--indent',
        String(Math.min(m.depth[k], B2M.tree.indentLevels) - 1));
      line.textContent = m.label(k);
      if (!m.folder[k]) {
        var where = document.createElement('span');
        where.className = 'address';
        where.textContent = m.address(k);
        line.append(' ', where);
      }
      out.appendChild(line);
    });
    box.appendChild(out);
  }

  // ---- The page's one keydown handler ----------------------------------

  function toggleMore(help) {
    var more = $('more'), opening = !more.classList.contains('open');
    more.classList.toggle('open', opening);
    $('top').classList.toggle('open', opening);
    $('more-button').setAttribute('aria-expanded', String(opening));
    if (opening && help) $('help').scrollIntoView({ block: 'nearest' });
  }

  function typing(target) {
    return /^(INPUT|TEXTAREA|SELECT)$/.test(target.tagName) ||
      target.isContentEditable;
  }
  function pageKey(event) {
    if (typing(event.target) || event.ctrlKey || event.metaKey ||
        event.altKey) return false;
    if (event.key === '/' && !$('find').hidden) $('search').focus();
    else if (event.key === '?') toggleMore(true);
    else if (event.key === 'Escape' && !$('source').hidden) closeSource();
    else return false;
    return true;
  }
  function onKey(event) {
    var t = event.target, done = false;
    if (event.defaultPrevented) return;
    if (t === $('search')) done = B2M.search.onFieldKey(event);
    else if (page.model && B2M.tree.isRow(t)) done = B2M.tree.onKey(event);
    else if ($('hits').contains(t)) done = B2M.search.onKey(event);
    if (!done) done = pageKey(event);
    if (done) event.preventDefault();
  }

  // ---- Start -----------------------------------------------------------

  function drawSoon() {
    if (drawSoon.asked) return;
    drawSoon.asked = true;
    requestAnimationFrame(function () {
      drawSoon.asked = false;
      if (!page.model) return;
      B2M.tree.draw();
      B2M.search.draw();
    });
  }

  function listen() {
    document.addEventListener('keydown', onKey);
    $('menu').addEventListener('click', B2M.tree.onClick);
    $('hits').addEventListener('click', B2M.search.onClick);
    $('search').addEventListener('input', B2M.search.run);
    addEventListener('scroll', drawSoon, { passive: true });
    addEventListener('resize', function () {
      B2M.tree.state.view.height = B2M.search.state.view.height = 0;
      drawSoon();
    });
    addEventListener('hashchange', B2M.tree.followHash);
    $('open-all').addEventListener('click', function () {
      B2M.tree.setAll(true);
    });
    $('close-all').addEventListener('click', function () {
      B2M.tree.setAll(false);
    });
    $('more-button').addEventListener('click', function () {
      toggleMore(false);
    });
    $('source-close').addEventListener('click', closeSource);
    $('forget').addEventListener('click', forget);
    addEventListener('beforeprint', fillPrint);
    addEventListener('afterprint', function () { $('print').textContent = ''; });
    matchMedia('print').addEventListener('change', function (event) {
      if (event.matches) fillPrint();
    });
  }

  function forget() {
    $('forget').hidden = true;
    B2M.kept.forget().then(function () {
      if (page.beside) return;
      ref = [];
      nam = [];
      par = [];
      MAX = undefined;
      showMissing();
    });
  }

  // No menu.js here: the last menu converted in this page, if any.
  function showKept() {
    B2M.kept.recall().then(function (v) {
      if (!v) return;
      return runMenu(v.bytes).then(function (failed) {
        show(failed);
        if (page.model) say('The menu converted from ' + v.name + ', kept ' +
          'in this browser; a menu.js next to this page comes first.');
      });
    });
  }

  function start() {
    var failed = B2M.stopWatching();
    listen();
    if (B2M.convert) page.canConvert = B2M.convert.start(converterSide);
    page.beside = !B2M.loading.missing;
    if (page.beside) return show(failed);
    showMissing();
    showKept();
  }

  // What the converter may ask of the page.
  var converterSide = {
    say: say,
    show: function (bytes, emptyHint) {
      return runMenu(bytes).then(function (failed) {
        scrollTo(0, 0);
        show(failed, emptyHint);
        return page.model ? page.model.n - 1 : 0;
      });
    },
    keep: function (bytes, name) {
      $('forget').hidden = false;
      return B2M.kept.keep(bytes, name);
    },
  };

  B2M.page = { isCopy: isCopy, copyAddress: copyAddress,
    showSource: showSource };

  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', start);
  else start();
})(B2M);
