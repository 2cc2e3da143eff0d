// What an entry offers beyond the tree: its address copied, the source
// of an inert link shown, and every entry printed with its address.
/* global B2M */
(function (B2M) {
  'use strict';

  var list = B2M.list, model = B2M.model;

  function $(id) { return document.getElementById(id); }

  // c, or the platform's copy chord with nothing selected: the focused
  // entry's address. A c that goes on a type-ahead (`typing`) is typed.
  // On a layout without Latin letters, the key where C is.
  function isCopy(event, typing) {
    var c = event.key === 'c' || event.code === 'KeyC' && !event.shiftKey &&
      !/^[a-z]$/i.test(event.key);
    if (!c || event.altKey) return false;
    if (event.ctrlKey || event.metaKey) return !String(getSelection());
    return !typing;
  }

  // The actions on the menu shown. `hands` are what the page hands them:
  // say(key, params), the page's words for the status line, and
  // focusEntry(k), to put the focus
  // back on entry k where the tree shows it.
  function create(hands) {
    var shown = null;  // the model shown, if any
    var sourceOf = 0;  // the entry whose source the panel shows

    // A new menu, `m`, or none: nothing of the last one printed.
    function reset(m) {
      shown = m;
      $('print').textContent = '';
    }

    // ---- Copy and the source panel -------------------------------------

    function copyAddress(k) {
      var m = shown;
      if (m.folder[k]) return hands.say('copyFolder');
      var words = m.address(k), name = m.label(k);
      var fallback = function () {
        showSource(k);
        var range = document.createRange();
        range.selectNodeContents($('source-text'));
        getSelection().removeAllRanges();
        getSelection().addRange(range);
        hands.say('copySelected', { name: name });
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
        hands.say('copied', { name: name });
      }, function () {
        clearTimeout(wait);
        if (!settled) fallback();
      });
    }

    function showSource(k) {
      sourceOf = k;
      $('source-title').textContent = shown.label(k);
      $('source-text').textContent = shown.address(k);
      $('source').hidden = false;
      $('source-close').focus();
    }
    // Whether the panel was open.
    function closeSource() {
      if ($('source').hidden) return false;
      $('source').hidden = true;
      if (sourceOf && shown) hands.focusEntry(sourceOf);
      return true;
    }

    // ---- Print: every entry, with each link's address ------------------

    function fillPrint() {
      var box = $('print'), m = shown;
      if (!m || box.firstChild) return;
      var out = document.createDocumentFragment();
      model.walk(m, function () { return true; }, function (k) {
        var line = document.createElement('div');
        line.className = m.folder[k] ? 'folder' : 'link';
        line.dataset.entry = String(m.entry[k]);
        list.indent(line, m.depth[k]);
        var title = document.createElement('span');
        title.dir = 'auto';
        title.textContent = m.label(k);
        line.appendChild(title);
        if (!m.folder[k]) {
          var where = document.createElement('span');
          where.className = 'address';
          where.dir = 'auto';
          where.textContent = m.address(k);
          line.append(' ', where);
        }
        out.appendChild(line);
      });
      box.appendChild(out);
    }
    function clearPrint() {
      $('print').textContent = '';
    }

    $('source-close').addEventListener('click', closeSource);

    return { reset: reset, isCopy: isCopy, copyAddress: copyAddress,
      showSource: showSource, closeSource: closeSource, fillPrint: fillPrint,
      clearPrint: clearPrint };
  }

  B2M.actions = { create: create };
})(B2M);
