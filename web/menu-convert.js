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
      var size = 0, step = 1 << 22;
      var takeOutput = function () {
        var n = e.b2m_output_size(session);
        if (n) parts.push(new Uint8Array(e.memory.buffer,
          e.b2m_output(session), n).slice());
        size += n;
        e.b2m_taken(session);
      };
      for (var at = 0, more = true; more && at < bytes.length; at += block) {
        var piece = bytes.subarray(at, at + block);
        var room = e.b2m_block(session);
        if (!room) return postMessage({ failed: 'lineTooLong' });
        new Uint8Array(e.memory.buffer, room, piece.length).set(piece);
        more = e.b2m_add(session, piece.length);
        takeOutput();
        if ((at + block) % step === 0) postMessage({ done: at + block });
      }
      e.b2m_finish(session);
      takeOutput();
      var short = e.b2m_shortage(session);
      e.b2m_end(session);
      if (short) return postMessage({ failed: 'needsMemory' });
      var menu = new Uint8Array(size), to = 0;
      parts.forEach(function (p) { menu.set(p, to); to += p.length; });
      postMessage({ menu: menu }, [menu.buffer]);
    };
  }

  function start(view) {
    var $ = function (id) { return document.getElementById(id); };
    var progress = $('progress'), save = $('save'), saving = $('saving');
    var module = null, converted = null;

    // Compiled on first use, so that a site whose policy forbids it has
    // nothing refused until someone asks for it.
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
      var job;
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
        if (event.data.done !== undefined) {
          progress.value = file.size ? event.data.done / file.size : 1;
          return;
        }
        job.terminate();
        progress.hidden = true;
        if (event.data.failed)
          return failed(file, view.words.text(event.data.failed));
        converted = event.data.menu;
        shown(file, declared);
      };
      job.onerror = function (event) {
        job.terminate();
        event.preventDefault();
        failed(file, event.message);
      };
      file.arrayBuffer().then(function (bytes) {
        declared = B2M.charset.declared(new Uint8Array(bytes, 0,
          Math.min(bytes.byteLength, 4096)), navigator.language);
        job.postMessage({ bytes: bytes, module: module }, [bytes]);
      }, function (e) {
        job.terminate();
        failed(file, e.message || String(e));
      });
    }

    // The menu shown, then kept: said only once it reads back.
    function shown(file, declared) {
      view.show(converted, ['noEntriesIn', { name: file.name }], declared)
        .then(function (entries) {
          saving.hidden = false;
          // Said again by the page in another language.
          var note = $('save-note');
          note.dataset.words = whereSaved();
          note.textContent = view.words.text(note.dataset.words);
          if (!entries) return;
          return view.keep(converted, file.name, declared)
            .then(function (kept) {
              view.say(kept ? 'convertedKept' : 'convertedNotKept',
                { name: file.name });
            });
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
