// The last menu converted in each page, kept in this browser's IndexedDB
// under the page's place (pages opened from file:// share one database):
// its bytes, the name of the file it came from, the charset that file
// declared and the one chosen for it, and where the browser hands one, the
// file's handle, to read it again. Bytes, not a Blob: some browsers
// store no Blob in a private session. Nothing is sent anywhere; the bytes
// are read as data, never run.
/* global B2M */
(function (B2M) {
  'use strict';

  var name = 'bookmarks2menu';

  // The database with its store. One of another version (made by a newer
  // page, or by anyone on this origin) is opened as it is, and given the
  // store where it lacks one, rather than refused.
  function open() {
    return new Promise(function (done, fail) {
      var request = indexedDB.open(name);
      request.onupgradeneeded = function () {
        request.result.createObjectStore('menus');
      };
      request.onerror = function () { fail(request.error); };
      request.onsuccess = function () {
        var db = request.result;
        if (db.objectStoreNames.contains('menus')) return done(db);
        var version = db.version + 1;
        db.close();
        var again = indexedDB.open(name, version);
        again.onupgradeneeded = function () {
          again.result.createObjectStore('menus');
        };
        again.onerror = function () { fail(again.error); };
        again.onblocked = function () { fail(new Error('blocked')); };
        again.onsuccess = function () { done(again.result); };
      };
    });
  }

  // Runs work(store) in a transaction; resolves to what it returns, or
  // what its request gave.
  function store(mode, work) {
    return open().then(function (db) {
      return new Promise(function (done, fail) {
        var t, result;
        try {
          t = db.transaction('menus', mode);
          result = work(t.objectStore('menus'));
        } catch (e) {
          db.close();
          return fail(e);
        }
        t.oncomplete = function () {
          db.close();
          done(result && result.result !== undefined ? result.result
            : result && result.value);
        };
        t.onerror = t.onabort = function () {
          db.close();
          fail(t.error);
        };
      });
    });
  }

  function isHandle(h) {
    return typeof FileSystemFileHandle === 'function' &&
      h instanceof FileSystemFileHandle && h.kind === 'file';
  }

  // Why storage failed, in the browser's words.
  function why(e) {
    return String(e && (e.message || e.name) || e || 'unknown');
  }

  // Made once by the page; `place` names its kept menu.
  function create(place) {
    var kept = { menu: null }; // the record of the menu kept, if any
    var key = 'page:' + place;

    function put(record) {
      return store('readwrite', function (s) { return s.put(record, key); });
    }

    // Resolves to true once the menu reads back whole; else to why not.
    function keep(bytes, fileName, declared, handle) {
      var record = { bytes: bytes, name: fileName, declared: declared || null,
        chosen: null, at: Date.now(), handle: handle || null };
      kept.menu = null;
      // A handle this browser cannot store is left out; the menu is kept.
      return put(record).catch(function (e) {
        if (!record.handle) throw e;
        record.handle = null;
        return put(record);
      }).then(recall).then(function (v) {
        return !!v && v.bytes.length === bytes.length && v.at === record.at ||
          'it did not read back';
      }, why);
    }

    // The charset chosen for the kept menu, or null for none.
    function choose(charset) {
      if (!kept.menu) return Promise.resolve();
      kept.menu.chosen = charset;
      return put(kept.menu).catch(function () { /* for this visit only */ });
    }

    function forget() {
      kept.menu = null;
      return store('readwrite', function (s) { return s.delete(key); })
        .catch(function () { /* nothing was kept */ });
    }

    // This page's record; one kept before pages had their own goes to the
    // first page that asks.
    function record(s) {
      var got = { value: undefined }, mine = s.get(key);
      mine.onsuccess = function () {
        if (mine.result !== undefined) return (got.value = mine.result);
        var old = s.get('last');
        old.onsuccess = function () {
          if (old.result === undefined) return;
          got.value = old.result;
          s.put(old.result, key);
          s.delete('last');
        };
      };
      return got;
    }

    // The menu kept, or null; one of another shape is junk, and dropped.
    function recall() {
      return store('readwrite', record).then(function (v) {
        var none = function (c) { return c === null || c === undefined; };
        var charset = B2M.charset;
        var ok = v && typeof v === 'object' &&
          v.bytes instanceof Uint8Array && typeof v.name === 'string' &&
          v.name.length < 4096 &&
          (none(v.declared) || charset.asMeta(charset.named(v.declared)) ===
            v.declared) &&
          (none(v.chosen) || charset.offered(v.chosen) === v.chosen) &&
          (none(v.handle) || isHandle(v.handle));
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
