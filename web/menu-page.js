// The page's wiring: which state it is in (a menu, none, a broken one),
// the charset it reads the menu in, the one keydown handler, and what the
// converter may ask of it.
/* global B2M, ref, nam, par, MAX */
(function (B2M) {
  'use strict';

  var page = {
    model: null,
    canConvert: false, // the converter is beside the page
    beside: true,      // the menu shown is a menu.js beside the page
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
    $('read-as-box').hidden = true;
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
    $('read-as-box').hidden = false;
    fillReadAs(chosen());
    B2M.tree.show();
    B2M.search.indexWhenIdle();
  }

  function showMissing() {
    noMenu('No menu.js next to this page: convert a bookmarks file first' +
      (page.canConvert ? ', here with "Open bookmarks file\u2026" below, or'
        : ',') + ' in this folder with', 'bookmarks2menu bookmarks.html');
    $('drop').hidden = !page.canConvert;
    $('convert-again').hidden = true;
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
    else if (event.key === 'Escape' && !$('source').hidden)
      B2M.actions.closeSource();
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
    $('source-close').addEventListener('click', B2M.actions.closeSource);
    $('read-as').addEventListener('change', readAs);
    $('forget').addEventListener('click', forget);
    addEventListener('beforeprint', B2M.actions.fillPrint);
    addEventListener('afterprint', function () { $('print').textContent = ''; });
    matchMedia('print').addEventListener('change', function (event) {
      if (event.matches) B2M.actions.fillPrint();
    });
  }

  function forget() {
    $('forget').hidden = true;
    B2M.kept.forget().then(function () {
      if (page.beside) return;
      B2M.clearArrays();
      showMissing();
    });
  }

  // No menu.js here: the last menu converted in this page, if any.
  function showKept() {
    B2M.kept.recall().then(function (v) {
      if (!v) return;
      B2M.load.use(v.bytes, v.declared);
      return B2M.load.settle(v.chosen, false).then(function (failed) {
        show(failed);
        if (page.model) say('The menu converted from ' + v.name + ', kept ' +
          'in this browser; a menu.js next to this page comes first.');
      });
    });
  }

  // ---- The charset: detected, or chosen with "Read as…" ----------------

  // Where a choice for menu.js beside the page is remembered.
  function choiceKey() {
    return 'bookmarks2menu:charset:' + location.pathname + ':' +
      Math.max(ref.length || 0, nam.length || 0, par.length || 0);
  }
  function chosen() {
    if (B2M.load.state.bytes)
      return B2M.kept.state.menu && B2M.kept.state.menu.chosen;
    try { return B2M.charset.named(localStorage.getItem(choiceKey()) || ''); }
    catch { return null; }
  }

  function readAs() {
    var choice = $('read-as').value || null, key = choiceKey();
    if (!B2M.load.state.bytes) {
      try {
        if (choice) localStorage.setItem(key, choice);
        else localStorage.removeItem(key);
      } catch { /* storage off: for this visit only */ }
    } else {
      B2M.kept.choose(choice);
    }
    B2M.load.settle(choice, false).then(function (failed) {
      show(failed);
      $('read-as').focus();
    });
  }

  // "Read as…" with the charset the menu is read in now.
  function fillReadAs(choice) {
    var select = $('read-as'), load = B2M.load.state;
    if (!select.options.length)
      [['', 'Automatic']].concat(B2M.charset.list).forEach(function (c) {
        select.add(new Option(c[1], c[0]));
      });
    var now = B2M.charset.list.filter(function (c) {
      return c[0] === load.charset;
    })[0];
    select.options[0].textContent = 'Automatic' + (now && !choice ?
      ' (' + now[1] + ')' : '');
    select.value = choice || '';
  }

  function start() {
    var failed = B2M.stopWatching();
    listen();
    if (B2M.convert) page.canConvert = B2M.convert.start(converterSide);
    page.beside = !B2M.loading.missing;
    if (!page.beside) {
      showMissing();
      return showKept();
    }
    B2M.load.settle(chosen(), failed).then(show);
  }

  // What the converter may ask of the page: menu.js bytes shown, read in
  // the charset their export declared, if any, and kept.
  var converterSide = {
    say: say,
    show: function (bytes, emptyHint, declared) {
      B2M.load.use(bytes, declared);
      return B2M.load.settle(null, false).then(function (failed) {
        scrollTo(0, 0);
        show(failed, emptyHint);
        return page.model ? page.model.n - 1 : 0;
      });
    },
    keep: function (bytes, name, declared) {
      return B2M.kept.keep(bytes, name, declared).then(function (kept) {
        $('forget').hidden = !kept;
        return kept;
      });
    },
  };

  B2M.page = { state: page, say: say };

  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', start);
  else start();
})(B2M);
