// The page's wiring: it makes each room and hands it the others it may
// call; which state the page is in (a menu, none, a broken one), the
// charset it reads the menu in, the one keydown handler, and what the
// converter may ask of it.
/* global B2M, ref, nam, par, MAX */
(function (B2M) {
  'use strict';

  var page = {
    model: null,
    canConvert: false, // the converter is beside the page
    beside: true,      // the menu shown is a menu.js beside the page
  };
  // The rooms, made at start.
  var load, kept, actions, tree, search;

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
    tree.reset(model, model &&
      'bookmarks2menu:open:' + location.pathname + ':' + (model.n - 1));
    search.reset(model);
    actions.reset(model);
  }

  // What the page holds for a menu that cannot be shown.
  function noMenu(words, command) {
    reset(null);
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
    $('forget').hidden = !kept.has();
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
    tree.show();
    search.indexWhenIdle();
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
    else if (event.key === 'Escape') return actions.closeSource();
    else return false;
    return true;
  }
  function onKey(event) {
    if (event.defaultPrevented) return;
    if (search.onKey(event) || tree.onKey(event) || pageKey(event))
      event.preventDefault();
  }

  // ---- Start -----------------------------------------------------------

  function drawSoon() {
    if (drawSoon.asked) return;
    drawSoon.asked = true;
    requestAnimationFrame(function () {
      drawSoon.asked = false;
      if (!page.model) return;
      tree.draw();
      search.draw();
    });
  }

  // Each room, handed what it may call of the others.
  function makeRooms() {
    load = B2M.load.create();
    kept = B2M.kept.create();
    actions = B2M.actions.create({
      say: say,
      focusEntry: function (k) { tree.focusShown(k); },
    });
    tree = B2M.tree.create({
      isCopy: actions.isCopy,
      copy: actions.copyAddress,
      showSource: actions.showSource,
      onReveal: function () { search.clear(); },
    });
    search = B2M.search.create({
      isCopy: actions.isCopy,
      copy: actions.copyAddress,
      reveal: tree.reveal,
      onSearching: function (searching) { tree.setShown(!searching); },
    });
  }

  function listen() {
    document.addEventListener('keydown', onKey);
    addEventListener('scroll', drawSoon, { passive: true });
    addEventListener('resize', function () {
      tree.resized();
      search.resized();
      drawSoon();
    });
    addEventListener('hashchange', tree.followHash);
    $('open-all').addEventListener('click', function () {
      tree.setAll(true);
    });
    $('close-all').addEventListener('click', function () {
      tree.setAll(false);
    });
    $('more-button').addEventListener('click', function () {
      toggleMore(false);
    });
    $('read-as').addEventListener('change', readAs);
    $('forget').addEventListener('click', forget);
    addEventListener('beforeprint', actions.fillPrint);
    addEventListener('afterprint', actions.clearPrint);
    matchMedia('print').addEventListener('change', function (event) {
      if (event.matches) actions.fillPrint();
    });
  }

  function forget() {
    $('forget').hidden = true;
    kept.forget().then(function () {
      if (page.beside) return;
      B2M.clearArrays();
      showMissing();
    });
  }

  // No menu.js here: the last menu converted in this page, if any.
  function showKept() {
    kept.recall().then(function (v) {
      if (!v) return;
      load.use(v.bytes, v.declared);
      return load.settle(v.chosen, false).then(function (failed) {
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
    if (load.hasBytes()) return kept.chosen();
    try { return B2M.charset.named(localStorage.getItem(choiceKey()) || ''); }
    catch { return null; }
  }

  function readAs() {
    var choice = $('read-as').value || null, key = choiceKey();
    if (!load.hasBytes()) {
      try {
        if (choice) localStorage.setItem(key, choice);
        else localStorage.removeItem(key);
      } catch { /* storage off: for this visit only */ }
    } else {
      kept.choose(choice);
    }
    load.settle(choice, false).then(function (failed) {
      show(failed);
      $('read-as').focus();
    });
  }

  // "Read as…" with the charset the menu is read in now.
  function fillReadAs(choice) {
    var select = $('read-as'), charset = load.charset();
    if (!select.options.length)
      [['', 'Automatic']].concat(B2M.charset.list).forEach(function (c) {
        select.add(new Option(c[1], c[0]));
      });
    var now = B2M.charset.list.filter(function (c) {
      return c[0] === charset;
    })[0];
    select.options[0].textContent = 'Automatic' + (now && !choice ?
      ' (' + now[1] + ')' : '');
    select.value = choice || '';
  }

  function start() {
    var loaded = B2M.stopWatching();
    makeRooms();
    listen();
    if (B2M.convert) page.canConvert = B2M.convert.start(converterSide);
    page.beside = !loaded.missing;
    if (!page.beside) {
      showMissing();
      return showKept();
    }
    load.settle(chosen(), loaded.failed).then(show);
  }

  // What the converter may ask of the page: menu.js bytes shown, read in
  // the charset their export declared, if any, and kept.
  var converterSide = {
    say: say,
    show: function (bytes, emptyHint, declared) {
      load.use(bytes, declared);
      return load.settle(null, false).then(function (failed) {
        scrollTo(0, 0);
        show(failed, emptyHint);
        return page.model ? page.model.n - 1 : 0;
      });
    },
    keep: function (bytes, name, declared) {
      return kept.keep(bytes, name, declared).then(function (done) {
        $('forget').hidden = !done;
        return done;
      });
    },
  };

  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', start);
  else start();
})(B2M);
