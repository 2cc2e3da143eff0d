// What an entry offers beyond the tree: its address copied, the source
// of an inert link shown, and every entry printed with its address.
/* global B2M */
(function (B2M) {
  'use strict';

  function $(id) { return document.getElementById(id); }
  function model() { return B2M.page.state.model; }
  function say(words) { B2M.page.say(words); }

  // ---- Copy and the source panel ---------------------------------------

  // c, or the platform's copy chord with nothing selected: the focused
  // entry's address. A c that goes on a type-ahead is typed.
  function isCopy(event) {
    if (event.key !== 'c' || event.altKey) return false;
    if (event.ctrlKey || event.metaKey) return !String(getSelection());
    return Date.now() - B2M.tree.state.typedAt > 500;
  }

  function copyAddress(k) {
    var m = model();
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

  var sourceOf = 0; // the entry whose source the panel shows

  function showSource(k) {
    sourceOf = k;
    $('source-title').textContent = model().label(k);
    $('source-text').textContent = model().address(k);
    $('source').hidden = false;
    $('source-close').focus();
  }
  function closeSource() {
    var k = sourceOf, tree = B2M.tree.state;
    $('source').hidden = true;
    if (k && model() && tree.rowOf[k] >= 0 && !tree.view.box.hidden)
      B2M.tree.focusRow(k);
  }

  // ---- Print: every entry, with each link's address --------------------

  function fillPrint() {
    var box = $('print'), m = model();
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

  B2M.actions = { isCopy: isCopy, copyAddress: copyAddress,
    showSource: showSource, closeSource: closeSource, fillPrint: fillPrint };
})(B2M);
