// The search: every typed word must match an entry's title or address,
// folded as find-in-page folds; the matches drawn as a windowed list.
/* global B2M */
(function (B2M) {
  'use strict';

  var list = B2M.list, model = B2M.model, fold = model.fold;

  function $(id) { return document.getElementById(id); }

  // The search in #search, its matches in #hits. `hands` are what the page
  // hands it: words, the page's words in its language; isCopy(event) and
  // copy(k) for the copy key, reveal(entry)
  // to show a folder or an inert link found in the tree, and
  // onSearching(searching), said as matches take the tree's place or give
  // it back.
  function create(hands) {
    var field = $('search'), box = $('hits');
    // Its state, made anew for each menu shown.
    var hits = {
      model: null,
      finder: null,          // the model's search
      found: new Int32Array(0), count: 0,
      current: 0,            // the match in the Tab order
      words: [], lastWords: null,
      view: list.windowed(box, makeHit,
        function (r) { return r; },
        function (r) { return r < hits.count ? r : -1; }),
    };

    // A new menu, `m`, or none.
    function reset(m) {
      hits.model = m;
      hits.finder = m && model.searcher(m);
      hits.found = new Int32Array(0);
      hits.count = hits.current = 0;
      hits.words = [];
      hits.lastWords = null;
      hits.view.height = 0;
      hits.view.keep = -1;
      list.clear(hits.view);
      field.value = '';
      run();
    }

    // The titles are indexed while the page is idle, so that the first
    // keystroke need not.
    function indexWhenIdle() {
      var idle = window.requestIdleCallback || function (f) {
        setTimeout(function () {
          var end = Date.now() + 10;
          f({ timeRemaining: function () { return end - Date.now(); } });
        }, 0);
      };
      var shown = hits.finder;
      idle(function (deadline) {
        if (hits.finder !== shown) return;
        if (shown.index(function () { return deadline.timeRemaining() > 1; }))
          indexWhenIdle();
      });
    }

    // A query that only lengthens the last one's words looks among the
    // last matches.
    function find() {
      var words = hits.words, last = hits.lastWords;
      var narrow = last && last.length <= words.length &&
        last.every(function (w, i) { return words[i].indexOf(w) >= 0; });
      hits.found = hits.finder.find(words, narrow ? hits.found : null);
      hits.count = hits.found.length;
      hits.lastWords = words;
    }

    function run() {
      hits.words = model.queryWords(field.value);
      var searching = hits.words.length !== 0 && hits.model !== null;
      $('results').hidden = !searching;
      hands.onSearching(searching);
      list.clear(hits.view);
      hits.view.keep = -1;
      hits.current = 0;
      if (!searching) {
        hits.lastWords = null;
        hits.count = 0;
        return;
      }
      find();
      sayCount();
      draw();
    }

    function sayCount() {
      var said = hits.count === 0 ? hands.words.text('noMatches')
        : hands.words.text('matches', { count: hits.count });
      $('hits-count').textContent = said;
      box.setAttribute('aria-label', said);
    }

    // The matches made again, in the page's language now.
    function relabel() {
      if ($('results').hidden) return;
      sayCount();
      list.clear(hits.view);
      draw();
    }

    // The search `q` typed for the user (from the page's address), with
    // the focus in the field, so that Enter opens the first match.
    function query(q) {
      field.value = q;
      run();
      field.focus();
    }

    function draw() {
      list.draw(hits.view, hits.count);
    }

    function clear() {
      if (field.value === '' && $('results').hidden) return;
      field.value = '';
      run();
    }

    // The folders above an entry, the nearest few.
    function folderPath(k) {
      var m = hits.model, names = [];
      for (var p = m.parent[k]; p && names.length < 4; p = m.parent[p])
        names.unshift(m.label(p));
      if (!names.length) return hands.words.text('topLevel');
      return (m.depth[k] - 1 > names.length ? '\u2026 \u203a ' : '') +
        names.join(' \u203a ');
    }

    // The words marked in s, as text nodes and <mark>s: s is folded a
    // character at a time, so that each match maps back to what is shown.
    function marked(s) {
      var chars = Array.from(s), folded = '', starts = [], at, depth;
      chars.forEach(function (c) {
        starts.push(folded.length);
        folded += fold(c);
      });
      starts.push(folded.length);
      // Each match adds one at its start and takes one at its end, so one
      // pass over the folded text says what is covered: linear in s, however
      // many matches it holds.
      var on = new Uint8Array(chars.length), any = false, c;
      var cover = new Int32Array(folded.length + 1);
      hits.words.forEach(function (w) {
        for (var at = folded.indexOf(w); at >= 0;
          at = folded.indexOf(w, at + 1)) {
          cover[at]++;
          cover[at + w.length]--;
        }
      });
      for (c = 0, at = 0, depth = 0; c < chars.length; c++)
        for (; at < starts[c + 1]; at++) {
          depth += cover[at];
          if (depth > 0) on[c] = 1;
        }
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

    var about = { folder: 'folderIn', bookmarklet: 'bookmarkletIn',
      address: 'inertIn' };

    function makeHit(r) {
      var m = hits.model, k = hits.found[r], kind = m.kind(k);
      var li = document.createElement('li');
      li.className = 'hit';
      li.setAttribute('aria-setsize', String(hits.count));
      li.setAttribute('aria-posinset', String(r + 1));
      var link = document.createElement('a');
      link.className = kind;
      link.href = kind === 'link' ? m.address(k) : '#entry-' + m.entry[k];
      if (kind === 'link') link.rel = 'noopener noreferrer';
      link.tabIndex = r === hits.current ? 0 : -1;
      link.dir = 'auto';
      link.appendChild(marked(m.label(k)).nodes);
      var path = document.createElement('span');
      path.className = 'path';
      var what = about[kind === 'inert' ? m.inertKind(k) : kind];
      path.textContent = what
        ? hands.words.text(what, { path: folderPath(k) }) : folderPath(k);
      li.append(link, path);
      var inAddress = kind === 'folder' ? null : marked(m.address(k));
      if (inAddress && inAddress.any) {
        var shown = document.createElement('span');
        shown.className = 'hit-address';
        shown.dir = 'auto';
        shown.appendChild(inAddress.nodes);
        li.appendChild(shown);
      }
      return li;
    }

    function focusHit(r) {
      r = Math.max(0, Math.min(hits.count - 1, r));
      var old = hits.view.drawn.get(hits.current);
      if (old) old.firstChild.tabIndex = -1;
      hits.current = hits.view.keep = r;
      list.bringIntoView(hits.view, r);
      draw();
      var link = hits.view.drawn.get(r).firstChild;
      link.tabIndex = 0;
      link.focus({ preventScroll: true });
    }

    var moves = list.moves(hits.view, function () { return hits.count; });

    function onHitKey(event) {
      var up = event.key === 'ArrowUp' && hits.current === 0;
      if (event.key === 'Escape' || up) field.focus();
      else if (hands.isCopy(event)) hands.copy(hits.found[hits.current]);
      else if (moves[event.key]) focusHit(moves[event.key](hits.current));
      else return false;
      return true;
    }

    // Enter in the field opens the first match, as a click on it would.
    function onFieldKey(event) {
      if (event.key === 'Escape' && field.value) clear();
      else if (event.key === 'Enter' && hits.count) {
        focusHit(0);
        hits.view.drawn.get(0).firstChild.click();
      }
      else if (event.key === 'ArrowDown' && hits.count) focusHit(hits.current);
      else return false;
      return true;
    }

    // A folder or an inert link found is shown in the tree.
    function onClick(event) {
      var link = event.target.closest('a');
      var m = link && /^#entry-(\d+)$/.exec(link.getAttribute('href'));
      if (!m) return;
      event.preventDefault();
      history.replaceState(null, '', link.getAttribute('href'));
      hands.reveal(Number(m[1]));
    }

    // A key in the field or on a match: whether it was the search's.
    function onKey(event) {
      if (event.target === field) return onFieldKey(event);
      return box.contains(event.target) && onHitKey(event);
    }

    // Rows may have another height: measured again at the next draw.
    function resized() {
      hits.view.height = 0;
    }

    field.addEventListener('input', run);
    box.addEventListener('click', onClick);

    return {
      reset: reset, indexWhenIdle: indexWhenIdle, draw: draw, clear: clear,
      relabel: relabel, query: query, resized: resized, onKey: onKey,
    };
  }

  B2M.search = { create: create };
})(B2M);
