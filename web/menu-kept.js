// The last menu converted in the page, kept in this browser's IndexedDB:
// its bytes and the name of the file it came from. Nothing is sent
// anywhere.
/* global B2M */
(function (B2M) {
  'use strict';

  var kept = { menu: null }; // { bytes, name } of the menu kept, if any

  // Runs work(store) in a transaction; resolves to what its request gave.
  function store(mode, work) {
    return new Promise(function (done, fail) {
      var request;
      try { request = indexedDB.open('bookmarks2menu', 1); }
      catch (e) { return fail(e); }
      request.onupgradeneeded = function () {
        request.result.createObjectStore('menus');
      };
      request.onerror = function () { fail(request.error); };
      request.onsuccess = function () {
        var db = request.result, t, result;
        try {
          t = db.transaction('menus', mode);
          result = work(t.objectStore('menus'));
        } catch (e) { // a database of another shape: none to use
          db.close();
          return fail(e);
        }
        t.oncomplete = function () {
          db.close();
          done(result && result.result);
        };
        t.onerror = t.onabort = function () {
          db.close();
          fail(t.error);
        };
      };
    });
  }

  function keep(bytes, name) {
    kept.menu = { bytes: bytes, name: name };
    return store('readwrite', function (s) {
      return s.put({ bytes: bytes, name: name, at: Date.now() }, 'last');
    }).catch(function () { /* storage off: shown for this visit only */ });
  }

  function forget() {
    kept.menu = null;
    return store('readwrite', function (s) { return s.delete('last'); })
      .catch(function () { /* nothing was kept */ });
  }

  // The menu kept, or null; one of another shape is junk, and dropped.
  function recall() {
    return store('readonly', function (s) { return s.get('last'); })
      .then(function (v) {
        var ok = v && typeof v === 'object' && v.bytes instanceof Blob &&
          typeof v.name === 'string' && v.name.length < 4096;
        if (v !== undefined && !ok) forget();
        if (ok) kept.menu = v;
        return ok ? v : null;
      }, function () { return null; });
  }

  B2M.kept = { state: kept, keep: keep, forget: forget, recall: recall };
})(B2M);
