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
    lang: 'en',        // the language of the page's words
    said: null,        // makes the status line anew in another language
    query: null,       // ?q=: the search the page opens with
  };
  // The rooms, made at start.
  var load, kept, actions, tree, search;

  function $(id) { return document.getElementById(id); }

  // ---- Words, in the page's language ----------------------------------

  var words = {
    text: function (key, params) {
      return B2M.words.text(page.lang, key, params);
    },
    number: function (n) { return B2M.words.number(page.lang, n); },
  };

  // The language asked for in the address (?lang=), else the one chosen
  // here, else the browser's.
  function pickLanguage() {
    var asked = new URLSearchParams(location.search).get('lang'), chosen = null;
    try { chosen = localStorage.getItem(B2M.pageKey('lang')); }
    catch { /* storage off: the browser's */ }
    return B2M.words.pick([asked, chosen].filter(Boolean)
      .concat(navigator.languages || [navigator.language]));
  }

  // Every word in menu.html: its English is what shows before this runs.
  function fillWords() {
    var root = document.documentElement;
    root.lang = page.lang;
    root.dir = B2M.words.dir(page.lang);
    document.title = words.text('title');
    document.querySelectorAll('[data-words]').forEach(function (el) {
      el.textContent = words.text(el.dataset.words);
    });
    document.querySelectorAll('[data-words-label]').forEach(function (el) {
      el.setAttribute('aria-label', words.text(el.dataset.wordsLabel));
    });
    document.querySelectorAll('[data-words-placeholder]').forEach(function (el) {
      el.placeholder = words.text(el.dataset.wordsPlaceholder);
    });
  }

  function fillLanguages() {
    var select = $('language');
    Object.keys(B2M.words.names).forEach(function (tag) {
      var option = new Option(B2M.words.names[tag], tag);
      option.lang = tag;
      option.dir = B2M.words.dir(tag);
      select.add(option);
    });
    select.value = page.lang;
  }

  // Another language chosen: remembered for this page, and every word
  // shown said again in it.
  function chooseLanguage() {
    page.lang = $('language').value;
    try { localStorage.setItem(B2M.pageKey('lang'), page.lang); }
    catch { /* storage off: for this visit only */ }
    fillWords();
    if (page.said) page.said();
    if (!page.model) return;
    page.model.untitled(words.text('untitled'));
    showCount(page.model);
    fillReadAs(chosen());
    tree.relabel();
    search.relabel();
  }

  // The status line: `key` in the page's language, with `command` as code
  // where the words hold {command}.
  function say(key, params, command) {
    tell(function () { return words.text(key, params); }, command);
  }
  function tell(make, command) {
    var status = $('status');
    page.said = function () {
      var parts = make().split('{command}');
      status.textContent = parts[0];
      if (command && parts.length > 1) {
        var code = document.createElement('code');
        code.textContent = command;
        code.dir = 'ltr';
        status.append(code, parts.slice(1).join(''));
      }
    };
    page.said();
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
  function noMenu(key, params, command) {
    reset(null);
    $('find').hidden = true;
    $('actions').hidden = true;
    $('read-as-box').hidden = true;
    $('count').textContent = '';
    say(key, params, command);
  }

  function showCount(m) {
    $('count').textContent = words.text('countBoth', {
      entries: words.text('countEntries', { count: m.n - 1 }),
      folders: words.text('countFolders', { count: m.folders }) });
  }

  // What is wrong with a menu that can be shown all the same.
  function notes(m, error) {
    var entries = m.n - 1, said = [];
    if (error || m.max === 'none')
      said.push(words.text('incomplete', { count: entries }));
    else if (m.max === 'wrong')
      said.push(words.text('countWrong', { count: entries }));
    if (m.moved) said.push(words.text('moved', { count: m.moved }));
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
    if (!m) return noMenu('unreadable');
    var entries = m.n - 1;
    if (entries === 0 && (error || m.max === 'none'))
      return noMenu(error ? 'broken' : 'incompleteEmpty');
    if (entries === 0) return noMenu(emptyHint ? emptyHint[0] : 'empty',
      emptyHint && emptyHint[1]);
    m.untitled(words.text('untitled'));
    reset(m);
    tell(function () { return notes(m, error); });
    showCount(m);
    $('find').hidden = false;
    $('actions').hidden = false;
    $('read-as-box').hidden = false;
    fillReadAs(chosen());
    tree.show();
    search.indexWhenIdle();
    if (page.query) search.query(page.query);
    page.query = null;
  }

  function showMissing() {
    noMenu('missing', {}, 'bookmarks2menu bookmarks.html');
    // The button's name, in the language of the moment.
    if (page.canConvert) tell(function () {
      return words.text('missingHere', { open: words.text('openFile') });
    }, 'bookmarks2menu bookmarks.html');
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
    else if (event.key === '?' || event.key === '\u061f') toggleMore(true);
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
      words: words,
      isCopy: actions.isCopy,
      copy: actions.copyAddress,
      showSource: actions.showSource,
      onReveal: function () { search.clear(); },
    });
    search = B2M.search.create({
      words: words,
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
    $('language').addEventListener('change', chooseLanguage);
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
        if (page.model) say('keptFrom', { name: v.name });
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
      [['', '']].concat(B2M.charset.list).forEach(function (c) {
        select.add(new Option('', c[0]));
      });
    var now = B2M.charset.list.filter(function (c) {
      return c[0] === charset;
    })[0];
    for (var i = 1; i < select.options.length; i++)
      select.options[i].textContent = words.text('charset:' +
        select.options[i].value);
    select.options[0].textContent = now && !choice
      ? words.text('automaticNow', { charset: words.text('charset:' + now[0]) })
      : words.text('automatic');
    select.value = choice || '';
  }

  function start() {
    var loaded = B2M.stopWatching();
    page.lang = pickLanguage();
    page.query = new URLSearchParams(location.search).get('q');
    fillWords();
    fillLanguages();
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
    words: words,
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
