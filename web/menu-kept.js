// The last menu converted in the page, kept in this browser's IndexedDB:
// its bytes, the name of the file it came from, the charset that file
// declared and the one chosen for it. Bytes, not a Blob: some browsers
// store no Blob in a private session. Nothing is sent anywhere.
/* global B2M */
(function (B2M) {
  'use strict';

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

  function put(record) {
    return store('readwrite', function (s) { return s.put(record, 'last'); });
  }

  // Made once by the page; its state is its own.
  function create() {
    var kept = { menu: null }; // the record of the menu kept, if any

    // Resolves to whether the menu is kept: only once it reads back whole.
    function keep(bytes, name, declared) {
      var record = { bytes: bytes, name: name, declared: declared || null,
        chosen: null, at: Date.now() };
      kept.menu = null;
      return put(record).then(recall).then(function (v) {
        return !!v && v.bytes.length === bytes.length && v.at === record.at;
      }, function () { return false; });
    }

    // The charset chosen for the kept menu, or null for none.
    function choose(charset) {
      if (!kept.menu) return Promise.resolve();
      kept.menu.chosen = charset;
      return put(kept.menu).catch(function () { /* for this visit only */ });
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
          var named = function (c) {
            return c === null || c === undefined || B2M.charset.named(c) === c;
          };
          var ok = v && typeof v === 'object' &&
            v.bytes instanceof Uint8Array && typeof v.name === 'string' &&
            v.name.length < 4096 && named(v.declared) && named(v.chosen);
          if (v !== undefined && !ok) forget();
          if (ok) kept.menu = v;
          return ok ? v : null;
        }, function () { return null; });
    }

    return {
      keep: keep, forget: forget, recall: recall, choose: choose,
      // Whether a menu is kept.
      has: function () { return kept.menu !== null; },
      // The charset chosen for the kept menu, or null.
      chosen: function () { return kept.menu ? kept.menu.chosen : null; },
    };
  }

  B2M.kept = { create: create };
})(B2M);
