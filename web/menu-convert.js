// Conversion in the page: the command line's converter, built for
// WebAssembly (B2M.wasm, set above this in the same file), runs in a worker
// on the bytes of the file, which the page reads itself (a worker made
// from a blob: URL may not read a File in every browser), and hands back
// the bytes of menu.js, which the viewer then runs as it runs a menu.js
// beside the page.
/* global B2M */
B2M.convert = (function () {
  'use strict';

  // The worker's code, made into a worker from this source: a page opened
  // from a file may not load a worker from a file. It says what failed by
  // the key of the page's words for it.
  function worker() {
    onmessage = function (event) {
      var bytes = new Uint8Array(event.data.bytes);
      var e = new WebAssembly.Instance(event.data.module, {}).exports;
      e._initialize();
      var session = e.b2m_start(), block = e.b2m_block_size(), parts = [];
      // Output beyond the cap stops the conversion before it can take the
      // tab's memory (a deep file's indentation grows fast).
      var size = 0, step = 1 << 22, cap = event.data.cap;
      var takeOutput = function () {
        var n = e.b2m_output_size(session);
        if (n) parts.push(new Uint8Array(e.memory.buffer,
          e.b2m_output(session), n).slice());
        size += n;
        e.b2m_taken(session);
        return size <= cap;
      };
      // A browser's store, told by its first bytes, is read whole, as the
      // command line reads it; an export a block at a time.
      var store = false;
      for (var at = 0, more = true; more && at < bytes.length; at += block) {
        var piece = bytes.subarray(at, at + block);
        var room = e.b2m_block(session);
        if (!room) return postMessage({ failed: 'lineTooLong' });
        new Uint8Array(e.memory.buffer, room, piece.length).set(piece);
        if (at === 0 && e.b2m_store_kind(session, piece.length)) {
          store = true;
          break;
        }
        more = e.b2m_add(session, piece.length);
        if (!takeOutput()) return postMessage({ tooLarge: true });
        if ((at + block) % step === 0) postMessage({ done: at + block });
      }
      if (store) {
        var whole = e.b2m_store_room(session, bytes.length);
        if (!whole) return postMessage({ failed: 'needsMemory' });
        new Uint8Array(e.memory.buffer, whole, bytes.length).set(bytes);
        if (!e.b2m_add_store(session, bytes.length)) {
          var why = new Uint8Array(e.memory.buffer, e.b2m_failure(session));
          return postMessage({ failed: 'storeBroken', reason:
            new TextDecoder().decode(why.subarray(0, why.indexOf(0))) });
        }
      }
      e.b2m_finish(session);
      if (!takeOutput()) return postMessage({ tooLarge: true });
      var short = e.b2m_shortage(session);
      e.b2m_end(session);
      if (short) return postMessage({ failed: 'needsMemory' });
      var menu = new Uint8Array(size), to = 0;
      parts.forEach(function (p) { menu.set(p, to); to += p.length; });
      postMessage({ menu: menu }, [menu.buffer]);
    };
  }

  // menu.js past this many bytes would not fit the tab once read.
  var cap = 256 << 20;

  // Whether this site's policy lets WebAssembly compile: a page from a
  // file has none; a site that forbids it is told so before it is offered.
  function allowed() {
    if (!/^https?:$/.test(location.protocol)) return true;
    try {
      return !!new WebAssembly.Module(new Uint8Array([0, 0x61, 0x73, 0x6d,
        1, 0, 0, 0]));
    } catch { return false; }
  }

  // Returns whether the converter is offered.
  function start(view) {
    if (!allowed()) return false;
    var $ = function (id) { return document.getElementById(id); };
    var progress = $('progress'), save = $('save'), saving = $('saving');
    var module = null, converted = null, latest = 0;

    // Compiled on first use: most visits never convert.
    function compile() {
      if (!module) {
        var wasm = Uint8Array.from(atob(B2M.wasm), function (c) {
          return c.charCodeAt(0);
        });
        module = new WebAssembly.Module(wasm);
      }
      return module;
    }

    function failed(file, why) {
      progress.hidden = true;
      if (why) view.say('convertFailed', { name: file.name, reason: why });
      else view.say('policy');
    }

    function convert(file) {
      var job, mine = ++latest;
      view.start();
      try {
        var source = new Blob(['(' + worker + ')()'],
          { type: 'text/javascript' });
        compile();
        job = new Worker(URL.createObjectURL(source));
      } catch {
        return view.say('policy');
      }
      progress.hidden = false;
      progress.value = 0;
      saving.hidden = true;
      view.say('convertingFile', { name: file.name });
      var declared = null;
      job.onmessage = function (event) {
        if (mine !== latest) return job.terminate();
        if (event.data.done !== undefined) {
          progress.value = file.size ? event.data.done / file.size : 1;
          return;
        }
        job.terminate();
        if (event.data.tooLarge) return failed(file, view.word('tooLarge'));
        progress.hidden = true;
        if (event.data.failed)
          return failed(file, view.words.text(event.data.failed));
        shown(file, declared, event.data.menu, mine);
      };
      job.onerror = function (event) {
        job.terminate();
        event.preventDefault();
        if (mine === latest) failed(file, event.message);
      };
      file.arrayBuffer().then(function (bytes) {
        declared = B2M.charset.declared(new Uint8Array(bytes, 0,
          Math.min(bytes.byteLength, 4096)), navigator.language);
        job.postMessage({ bytes: bytes, module: module, cap: cap }, [bytes]);
      }, function (e) {
        job.terminate();
        failed(file, e.message || String(e));
      });
    }

    // The menu shown, then kept, and said so. A menu with no entry is
    // not offered to save: it would replace a good one.
    function shown(file, declared, menu, mine) {
      view.show(menu, file.name, declared).then(function (entries) {
        if (mine !== latest) return;
        // The menu shown before stays, and so does its Save, if any.
        if (!entries) return (saving.hidden = !converted);
        converted = menu;
        saving.hidden = false;
        // Said again by the page in another language.
        var note = $('save-note');
        note.dataset.words = whereSaved();
        note.textContent = view.words.text(note.dataset.words);
        return view.keep(menu, file.name, declared);
      });
    }


    function whereSaved() {
      return window.showSaveFilePicker ? 'saveWherePicker'
        : 'saveWhereDownload';
    }

    function download() {
      var link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([converted],
        { type: 'text/javascript' }));
      link.download = 'menu.js';
      document.body.appendChild(link);
      link.click();
      link.remove();
      // Revoked once the download has surely read it.
      setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
    }

    // The browser's save dialog where it has one, so that menu.js can go
    // next to menu.html; a download elsewhere.
    save.addEventListener('click', function () {
      if (!window.showSaveFilePicker) return download();
      window.showSaveFilePicker({ suggestedName: 'menu.js', types: [{
        description: view.words.text('menuScript'),
        accept: { 'text/javascript': ['.js'] } }] })
        .then(function (handle) { return handle.createWritable(); })
        .then(function (out) {
          return out.write(new Blob([converted])).then(function () {
            return out.close();
          });
        })
        .then(function () { view.say('saved'); }, function (e) {
          if (e && e.name === 'AbortError') return;
          download();
        });
    });

    ['file', 'file-again'].forEach(function (id) {
      $(id).addEventListener('change', function () {
        if (this.files.length) convert(this.files[0]);
        this.value = '';
      });
    });
    document.addEventListener('dragover', function (event) {
      event.preventDefault();
      document.body.classList.add('dropping');
    });
    document.addEventListener('dragleave', function () {
      document.body.classList.remove('dropping');
    });
    document.addEventListener('drop', function (event) {
      event.preventDefault();
      document.body.classList.remove('dropping');
      if (event.dataTransfer.files.length) convert(event.dataTransfer.files[0]);
    });
    return true;
  }

  return { start: start };
})();
