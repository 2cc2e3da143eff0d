// The menu's arrays, in the charset it was written in: the one chosen for
// this menu with "Read as…", else the export's declared one, else UTF-8
// where its bytes are UTF-8 (a slip or two aside), else the charset its
// bytes fit best. Bytes converted or kept here are read as data by the
// strict reader, never run; menu.js beside the page runs as UTF-8 (it ran
// so before the page started), and a legacy one runs again as
// x-user-defined, each byte one character, its values then decoded from
// their bytes. No script ever runs in a legacy charset.
/* global B2M, ref, nam, par, MAX */
(function (B2M) {
  'use strict';

  // The bytes of the values beyond ASCII, from arrays read as
  // x-user-defined, where each byte stays one character.
  function valueBytes(lists) {
    var out = [];
    lists.forEach(function (list) {
      if (!Array.isArray(list)) return;
      for (var i = 0; i < list.length && out.length < 1 << 18; i++) {
        var s = list[i];
        if (typeof s !== 'string' || !/[\uf780-\uf7ff]/.test(s)) continue;
        B2M.charset.bytesOf(s, out);
        out.push(10);
      }
    });
    return new Uint8Array(out);
  }

  // The charset the bytes fit best: UTF-8 where nearly all of them are.
  function detect(bytes) {
    return B2M.read.isUtf8(bytes) ? 'utf-8'
      : B2M.charset.detect(bytes, navigator.language);
  }

  // Made once by the page; its state is its own.
  function create() {
    var load = {
      bytes: null,      // a menu converted or kept here; else menu.js beside
      declared: null,   // the charset its export declared
      charset: null,    // the one the arrays were last read in
      detected: null,   // the best fit, once the bytes were looked at
      arrays: null,     // { ref, nam, par, max } as read
      utf8: null,       // menu.js beside as it ran in UTF-8, and whether it failed
      raw: null,        // menu.js beside run as x-user-defined
      checked: false,   // whether the UTF-8 run was looked at for lost bytes
      job: 0,           // the newest reading; an older one is dropped
    };

    // Runs menu.js beside the page into fresh arrays, each byte one
    // character; resolves to what it filled.
    function runBytes() {
      if (load.raw) return Promise.resolve(load.raw);
      return new Promise(function (done) {
        B2M.clearArrays();
        B2M.watchLoading();
        var script = document.createElement('script');
        script.setAttribute('charset', 'x-user-defined');
        script.src = 'menu.js?x-user-defined';
        var end = function () {
          var failed = B2M.stopWatching().failed;
          script.remove();
          load.raw = { ref: ref, nam: nam, par: par, max: MAX,
            failed: failed };
          B2M.clearArrays();
          done(load.raw);
        };
        script.onload = end;
        script.onerror = end;
        document.head.appendChild(script);
      });
    }

    // menu.js beside, its values decoded in `charset`.
    function besideIn(charset) {
      if (charset === 'utf-8' && load.utf8) return Promise.resolve(load.utf8);
      return runBytes().then(function (raw) {
        var read = B2M.read;
        return { ref: read.recode(raw.ref, charset),
          nam: read.recode(raw.nam, charset), par: raw.par, max: raw.max,
          failed: raw.failed };
      });
    }

    // The best fit, from the bytes held here or menu.js run as bytes.
    function detected() {
      if (load.detected) return Promise.resolve(load.detected);
      if (load.bytes) return Promise.resolve(load.detected = detect(load.bytes));
      return runBytes().then(function (raw) {
        load.detected = raw.failed ? 'utf-8'
          : detect(valueBytes([raw.nam, raw.ref]));
        return load.detected;
      });
    }

    // The bytes held, read in `charset`: { failed, refused }.
    function readBytes(charset) {
      var r = B2M.read.menu(load.bytes, charset);
      if (!r.ok) {
        load.arrays = null;
        return { failed: true, refused: r };
      }
      load.arrays = r.menu;
      return { failed: false };
    }

    // Reads the menu in its charset; `chosen` is the one picked by hand for
    // it, if any. Resolves to { failed, refused, stale }: stale when a newer
    // reading began meanwhile.
    function settle(chosen) {
      var job = ++load.job;
      var wanted = chosen || load.declared;
      var pick = wanted ? Promise.resolve(wanted)
        : load.bytes || load.detected ? detected() : Promise.resolve('utf-8');
      return pick.then(function (charset) {
        if (job !== load.job) return { stale: true };
        load.charset = charset;
        if (load.bytes) return readBytes(charset);
        return besideIn(charset).then(function (a) {
          if (job !== load.job) return { stale: true };
          load.arrays = a;
          return { failed: a.failed };
        });
      }).catch(function (e) {
        return job !== load.job ? { stale: true }
          : { failed: true, refused: { reason: String(e && e.message || e),
            line: 0 } };
      });
    }

    // Whether a UTF-8 reading of menu.js beside that lost bytes (`lost`:
    // values with U+FFFD, counted as the model read them) is to be looked
    // at again: once, and only where nothing was chosen.
    function recheck(lost, chosen) {
      if (!lost || load.bytes || chosen || load.declared || load.checked ||
          load.charset !== 'utf-8') return null;
      load.checked = true;
      var job = ++load.job;
      return detected().then(function (charset) {
        if (job !== load.job) return { stale: true };
        if (charset === 'utf-8') return { same: true };
        load.charset = charset;
        return besideIn(charset).then(function (a) {
          if (job !== load.job) return { stale: true };
          load.arrays = a;
          return { failed: a.failed };
        });
      }).catch(function () { return { same: true }; });
    }

    // menu.js beside as it ran before the page started.
    function beside(failed) {
      load.bytes = null;
      load.declared = null;
      load.utf8 = { ref: ref, nam: nam, par: par, max: MAX, failed: failed };
      load.arrays = load.utf8;
      load.charset = 'utf-8';
    }

    // A menu of bytes converted or kept here, and what its export declared.
    function use(bytes, declared) {
      load.job++;
      load.bytes = bytes;
      load.declared = declared || null;
      load.detected = null;
      load.charset = null;
      load.arrays = null;
    }

    return {
      use: use, beside: beside, settle: settle, recheck: recheck,
      // The arrays as read: { ref, nam, par, max }, or null.
      arrays: function () { return load.arrays; },
      // The charset the arrays were last read in.
      charset: function () { return load.charset; },
      // Whether the menu is bytes converted or kept here.
      hasBytes: function () { return !!load.bytes; },
      // A newer action wins over any reading under way.
      cancel: function () { load.job++; },
    };
  }

  B2M.load = { create: create };
})(B2M);
