// The page's wiring: it makes each room and hands it the others it may
// call; which state the page is in (a menu, none, a broken one), the
// charset it reads the menu in, the one keydown handler, and what the
// converter may ask of it.
/* global B2M */
(function (B2M) {
  'use strict';

  var page = {
    model: null,
    canConvert: false, // the converter is beside the page, and allowed
    converter: null,   // what the page may ask of it, then
    beside: true,      // a menu.js is beside the page
    action: 0,         // the newest action (a file, the kept menu); it wins
    // The page's own place, one kept menu and one set of choices each.
    place: location.href.replace(/[?#].*$/, ''),
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
    // A file's name in the words is the element's data-words-name.
    document.querySelectorAll('[data-words]').forEach(function (el) {
      var name = el.dataset.wordsName;
      el.textContent = words.text(el.dataset.words,
        name === undefined ? null : { name: name });
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

  function word(key, params) { return words.text(key, params); }

  // Text with `command` as code where it holds {command}, into `el`.
  function fill(el, text, command) {
    var parts = text.split('{command}');
    el.textContent = parts[0];
    if (command && parts.length > 1) {
      var code = document.createElement('code');
      code.textContent = command;
      code.dir = 'ltr';
      el.append(code, parts.slice(1).join(''));
    }
  }

  // The status line, in a user's words and the page's language; builders'
  // words (what the converter saw, a command) go to the details line below
  // it: `details` is [key, params]. Said again when the language changes.
  function say(key, params, command, details) {
    tell(function () { return key ? words.text(key, params) : ''; },
      command, details);
  }
  function tell(make, command, details) {
    page.said = function () {
      fill($('status'), make(), command);
      var box = $('details'), text = $('details-text');
      box.hidden = !details;
      text.textContent = '';
      if (!details) return;
      $('details-summary').textContent = words.text('details');
      fill(text, words.text(details[0], details[1]), command);
    };
    page.said();
  }

  // Every room made anew for `model`, which may be null.
  function reset(model) {
    page.model = model;
    tree.reset(model, model &&
      'bookmarks2menu:open:' + page.place + ':' + (model.n - 1));
    search.reset(model);
    actions.reset(model);
  }

  // What the page holds for a menu that cannot be shown.
  function noMenu(key, params, command, details) {
    reset(null);
    $('find').hidden = true;
    $('actions').hidden = true;
    $('read-as-box').hidden = true;
    $('count').textContent = '';
    say(key, params, command, details);
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

  // Shows the menu as `load` read it, from scratch. `r` is what the
  // reading gave: failed (the script that filled the arrays failed),
  // refused (bytes that are not the converter's), or stale.
  function show(r) {
    if (r.stale) return;
    $('drop').hidden = true;
    $('convert-again').hidden = !page.canConvert;
    $('forget').hidden = !kept.has();
    if (r.refused && load.hasBytes()) return refused(r.refused);
    var a = load.arrays() || {}, m = null, error = r.failed;
    // A UTF-8 run of menu.js beside counts the values that lost bytes as
    // it reads them: no second look at every value.
    var watch = !load.hasBytes() && load.charset() === 'utf-8';
    try { m = B2M.model.read(a.ref, a.nam, a.par, a.max, watch); }
    catch { m = null; }
    var again = m && load.recheck(m.lost, chosen());
    if (again) {
      return again.then(function (r2) {
        if (r2.stale) return;
        if (r2.same) draw(m, error);
        else show(r2);
      });
    }
    draw(m, error);
  }

  // Bytes that the strict reader refused: a kept menu planted or damaged.
  function refused(why) {
    noMenu('keptDamaged', null, null,
      ['notConverterLine', { line: why.line, reason: why.reason }]);
    $('drop').hidden = !page.canConvert;
  }

  function draw(m, error) {
    if (!m) return noMenu('unreadable');
    var entries = m.n - 1;
    if (entries === 0 && (error || m.max === 'none'))
      return noMenu(error ? 'broken' : 'incompleteEmpty');
    if (entries === 0) return noMenu('empty');
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

  // No menu: the way in, and how a builder makes one, in the details.
  // Where a policy forbids the converter, the box says so.
  var command = 'bookmarks2menu bookmarks.html';
  function showMissing() {
    var blocked = !!B2M.convert && !page.canConvert;
    if (page.canConvert)
      noMenu('noMenuYet', null, command,
        ['missingHere', { open: word('openFile') }]);
    else
      noMenu('noMenuYetBare', null, command, ['missing']);
    $('details').open = !page.canConvert;
    $('drop').hidden = !page.canConvert && !blocked;
    $('drop-open').hidden = blocked;
    $('blocked').hidden = !blocked;
    if (blocked) $('blocked').textContent = word('notAllowed') + ': ' +
      word('policy');
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
    kept = B2M.kept.create(page.place);
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
    var mine = ++page.action;
    load.cancel();
    if (page.converter) page.converter.forget();
    kept.forget().then(function () {
      if (page.beside || mine !== page.action) return;
      showMissing();
    });
  }

  // After the next frame is painted: a long reading says so first.
  function afterPaint(work) {
    requestAnimationFrame(function () { setTimeout(work); });
  }

  // No menu.js here: the last menu converted in this page, if any. Reading
  // a large one takes a while; a file dropped meanwhile wins.
  function showKept() {
    var mine = ++page.action;
    // Said at once where a recall is slow (a large menu), and once found.
    var slow = setTimeout(function () {
      if (mine === page.action) say('reading');
    }, 200);
    kept.recall().then(function (v) {
      clearTimeout(slow);
      if (mine !== page.action) return;
      if (!v) return showMissing();
      if (page.converter) page.converter.offer(v.name, v.handle);
      say('reading');
      afterPaint(function () {
        if (mine !== page.action) return;
        load.use(v.bytes, v.declared);
        load.settle(v.chosen).then(function (r) {
          if (mine !== page.action) return;
          show(r);
          if (page.model) say('keptFrom', { name: v.name });
        });
      });
    });
  }

  // ---- The charset: detected, or chosen with "Read as…" ----------------

  // Where a choice for menu.js beside the page is remembered.
  function choiceKey() {
    var a = load.arrays() || {};
    var size = function (x) {
      try { return Number(x.length) || 0; } catch { return 0; }
    };
    return 'bookmarks2menu:charset:' + page.place + ':' +
      Math.max(size(a.ref || 0), size(a.nam || 0), size(a.par || 0));
  }
  // Only a charset "Read as…" offers: another one stored could jam the
  // page, with no way to undo it.
  function chosen() {
    if (load.hasBytes()) return kept.chosen();
    try { return B2M.charset.offered(localStorage.getItem(choiceKey())); }
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
    load.settle(choice).then(function (r) {
      if (r.stale) return;
      show(r);
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

  // Before menu.js runs, while the browser parses it: the page in its
  // language, and what its numbers and plurals and the search's folding
  // need, slow to make the first time.
  function prepare() {
    page.lang = pickLanguage();
    B2M.words.prepare(page.lang);
    B2M.model.fold('\u00c9');
    page.query = new URLSearchParams(location.search).get('q');
    fillWords();
    fillLanguages();
    makeRooms();
  }

  function start() {
    var loaded = B2M.stopWatching();
    listen();
    if (B2M.convert) page.converter = B2M.convert.start(converterSide) || null;
    page.canConvert = !!page.converter;
    page.beside = !loaded.missing;
    $('back-beside').addEventListener('click', function () {
      location.reload();
    });
    if (!page.beside) {
      showMissing();
      return showKept();
    }
    load.beside(loaded.failed);
    load.settle(chosen()).then(show);
  }

  function closeMore() {
    if ($('more').classList.contains('open')) toggleMore(false);
  }

  // Whether the converter's bytes hold no entry: only the MAX line.
  function emptyMenu(bytes) {
    if (bytes.length > 64) return false;
    var r = B2M.read.menu(bytes, 'utf-8');
    return r.ok && r.menu.max === 1;
  }

  // What the converter may ask of the page: menu.js bytes shown, read in
  // the charset their export declared, if any, and kept.
  var converterSide = {
    say: say,
    words: words,
    word: word,
    // A file was chosen: it wins over any reading under way.
    start: function () {
      load.cancel();
      return ++page.action;
    },
    // Resolves to the entries shown; 0 for none, when the menu shown, if
    // any, stays, and so does the way in.
    show: function (bytes, name, declared) {
      closeMore();
      if (emptyMenu(bytes)) {
        say('noBookmarks', null, null, ['onlyMax', { name: name }]);
        return Promise.resolve(0);
      }
      var mine = page.action;
      load.use(bytes, declared);
      return new Promise(function (done) {
        afterPaint(function () {
          load.settle(null).then(function (r) {
            if (mine !== page.action || r.stale) return done(0);
            scrollTo(0, 0);
            show(r);
            done(page.model ? page.model.n - 1 : 0);
          });
        });
      });
    },
    // Kept where no menu.js beside the page would win after a reload;
    // said either way.
    keep: function (bytes, name, declared, handle) {
      if (page.beside) {
        $('back-beside').hidden = false;
        $('back-beside').textContent = word('backToBeside');
        return Promise.resolve(say('convertedUntilLeave', { name: name }));
      }
      return kept.keep(bytes, name, declared, handle).then(function (done) {
        $('forget').hidden = done !== true;
        if (done === true) say('convertedKept', { name: name });
        else say('convertedStorageFailed', { name: name, reason: done });
      });
    },
  };

  prepare();
  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', start);
  else start();
})(B2M);
