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

  // Returns false where the converter is not offered; else what the page
  // may ask of it.
  function start(view) {
    if (!allowed()) return false;
    var $ = function (id) { return document.getElementById(id); };
    var progress = $('progress'), save = $('save'), saving = $('saving');
    var module = null, converted = null, latest = 0;
    // The file to convert again: its name, and its handle where the browser
    // hands one (File System Access), to read it anew without asking.
    var last = { name: null, handle: null };

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

    // `handle`, if any, is where `file` came from, to read it again.
    function convert(file, handle) {
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
      offer(file.name, handle || null);
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
        // A store the browser was writing as it was read: worth another go.
        if (event.data.failed === 'storeBroken') {
          saving.hidden = !converted;
          return view.say('storeBroken', { name: file.name }, null,
            ['reasonDetails', { reason: String(event.data.reason || '') }]);
        }
        if (event.data.failed)
          return failed(file, view.words.text(event.data.failed));
        shown(file, declared, event.data.menu, mine, handle);
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
    function shown(file, declared, menu, mine, handle) {
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
        return view.keep(menu, file.name, declared, handle);
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

    // "Convert again": with a handle, the file read anew, once this page
    // may read it; else the file asked for again.
    function offer(name, handle) {
      last.name = name;
      last.handle = handle;
      var box = $('again-box'), note = $('again-note');
      box.hidden = !name;
      if (!name) return;
      // Said again by the page in another language.
      note.dataset.words = handle ? 'againReads' : 'againAsks';
      note.dataset.wordsName = name;
      note.textContent = view.words.text(note.dataset.words, { name: name });
    }

    function again() {
      var handle = last.handle, name = last.name, mode = { mode: 'read' };
      if (!handle) return pick($('file-again'));
      // A permission asked for only where the browser has not given it.
      handle.queryPermission(mode).then(function (state) {
        return state === 'granted' ? state : handle.requestPermission(mode);
      }).then(function (state) {
        if (state !== 'granted') return lost('againRefused');
        return handle.getFile().then(function (file) {
          convert(file, handle);
        }, function (e) {
          lost('againGone', e);
        });
      }, function (e) {
        lost('againRefused', e);
      });
      // Said, and the next click asks for the file.
      function lost(key, e) {
        offer(name, null);
        view.say(key, { name: name }, null, e &&
          ['reasonDetails', { reason: e.message || e.name || String(e) }]);
      }
    }

    // The browser's own file dialog where it hands back a handle to read
    // the file again; the file input where it has none, or refuses.
    function pick(input) {
      if (!window.showOpenFilePicker || pick.plain) return input.click();
      window.showOpenFilePicker({ id: 'bookmarks' }).then(function (handles) {
        return handles[0].getFile().then(function (file) {
          convert(file, handles[0]);
        });
      }).catch(function (e) {
        if (e && e.name === 'AbortError') return;
        pick.plain = true;
        input.click();
      });
    }

    $('again').addEventListener('click', again);
    ['file', 'file-again'].forEach(function (id) {
      $(id).addEventListener('click', function (event) {
        if (!window.showOpenFilePicker || pick.plain) return;
        event.preventDefault();
        pick(this);
      });
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
      var files = event.dataTransfer.files, item = event.dataTransfer.items[0];
      if (!files.length) return;
      // Chromium hands a dropped file's handle too, to read it again.
      var handle = item && item.getAsFileSystemHandle &&
        item.getAsFileSystemHandle();
      if (!handle) return convert(files[0]);
      handle.then(function (h) {
        convert(files[0], h && h.kind === 'file' ? h : null);
      }, function () { convert(files[0]); });
    });
    // The file the kept menu came from, and its handle if it was kept.
    return {
      offer: function (name, handle) {
        if (!last.name) offer(name, handle || null);
      },
      forget: function () { offer(null, null); },
    };
  }

  return { start: start };
})();
