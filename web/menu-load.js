// Running a menu script into the arrays, in the charset it was written
// in: the one chosen for this menu with "Read as…", else the export's
// declared one, else UTF-8 where its bytes are UTF-8, else the charset
// its bytes fit best. Its bytes never change; only how they are read.
/* global B2M, ref, nam */
(function (B2M) {
  'use strict';

  // Whether reading as UTF-8 lost bytes: U+FFFD where they did not fit.
  function lost() {
    var lists = [nam, ref];
    for (var l = 0; l < 2; l++) {
      var list = lists[l];
      if (!Array.isArray(list) || list.length > 1 << 22) continue;
      for (var i = 0; i < list.length; i++)
        if (typeof list[i] === 'string' && list[i].indexOf('\ufffd') >= 0)
          return true;
    }
    return false;
  }

  // The bytes of the values beyond ASCII, from arrays read as
  // x-user-defined, where each byte stays one character.
  function valueBytes() {
    var out = [];
    [nam, ref].forEach(function (list) {
      for (var i = 0; i < list.length && out.length < 1 << 18; i++) {
        var s = list[i];
        if (typeof s !== 'string' || !/[\uf780-\uf7ff]/.test(s)) continue;
        B2M.charset.bytesOf(s, out);
        out.push(10);
      }
    });
    return new Uint8Array(out);
  }

  // Made once by the page; its state is its own.
  function create() {
    var load = {
      bytes: null,      // a menu converted or kept here; else menu.js beside
      declared: null,   // the charset its export declared
      charset: 'utf-8', // the one the arrays were last read in
      detected: null,   // the best fit, once the bytes were looked at
    };

    // Runs the script into fresh arrays, read in `charset`; resolves to
    // whether it failed.
    function run(charset) {
      return new Promise(function (done) {
        B2M.clearArrays();
        B2M.watchLoading();
        var script = document.createElement('script');
        var url = load.bytes ? URL.createObjectURL(new Blob([load.bytes],
          { type: 'text/javascript' })) : 'menu.js?' + charset;
        script.setAttribute('charset', charset);
        script.src = url;
        var end = function () {
          var failed = B2M.stopWatching().failed;
          if (load.bytes) URL.revokeObjectURL(url);
          script.remove();
          load.charset = charset;
          done(failed);
        };
        script.onload = end;
        script.onerror = end;
        document.head.appendChild(script);
      });
    }

    // The best fit, from the bytes kept here or read again as bytes.
    function detect() {
      if (load.detected) return Promise.resolve(load.detected);
      var language = navigator.language;
      if (load.bytes) {
        load.detected = B2M.charset.detect(load.bytes, language);
        return Promise.resolve(load.detected);
      }
      return run('x-user-defined').then(function (failed) {
        load.detected = failed ? 'utf-8'
          : B2M.charset.detect(valueBytes(), language);
        return load.detected;
      });
    }

    // Reads the menu in its charset; `chosen` is the one picked by hand for
    // it, if any. Resolves to whether the script failed.
    function settle(chosen, failed) {
      if (failed) return Promise.resolve(true);
      var wanted = chosen || load.declared;
      if (!wanted && !load.bytes && load.charset === 'utf-8' && !lost())
        return Promise.resolve(false);
      var pick = wanted ? Promise.resolve(wanted) : detect();
      return pick.then(function (charset) {
        return charset === load.charset ? false : run(charset);
      });
    }

    // A menu of bytes converted or kept here, and what its export declared.
    function use(bytes, declared) {
      load.bytes = bytes;
      load.declared = declared || null;
      load.detected = null;
      load.charset = null;
    }

    return {
      use: use, settle: settle,
      // The charset the arrays were last read in.
      charset: function () { return load.charset; },
      // Whether the menu is bytes converted or kept here.
      hasBytes: function () { return !!load.bytes; },
    };
  }

  B2M.load = { create: create };
})(B2M);
