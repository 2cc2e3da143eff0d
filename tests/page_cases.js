// What the browser tests share, whichever engine they drive: pages made
// with a converted menu.js, what a page should show, and the in-page
// scripts that read what it does show.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { pageModel } = require('./menu_tools');

// Folders of pages built from the page folder PAGE_DIR by CONVERTER.
function pages(converter, pageDir) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-page-'));
  const wasm = path.join(pageDir, 'bookmarks2menu-wasm.js');
  const { model, charset } = pageModel(pageDir);
  let made = 0;
  const convertIn = (dir, html) => {
    fs.writeFileSync(path.join(dir, 'in.html'), html);
    execFileSync(path.resolve(converter), ['in.html'],
      { cwd: dir, stdio: 'ignore' });
  };
  // A folder with the page and, unless `menu` is null, a menu.js: the
  // converter's for `html`, or `menu` itself. `bare`: no converter.
  function site(html, menu, bare) {
    const dir = path.join(work, String(made++));
    fs.cpSync(pageDir, dir, { recursive: true });
    if (bare) fs.rmSync(path.join(dir, path.basename(wasm)), { force: true });
    if (menu === undefined) convertIn(dir, html);
    else if (menu !== null) fs.writeFileSync(path.join(dir, 'menu.js'), menu);
    return 'file://' + path.join(dir, 'menu.html');
  }
  // The command line's menu.js for `html`, a byte a character.
  function menuOf(html) {
    const dir = path.join(work, 'm' + made++);
    fs.mkdirSync(dir);
    convertIn(dir, html);
    return fs.readFileSync(path.join(dir, 'menu.js'), 'latin1');
  }
  // The charset an export was written in: a legacy fixture's is in its
  // name; a UTF-8 one is UTF-8; the old Mac exports are the detector's.
  function writtenIn(file) {
    const legacy = /^legacy-(.+)\.html$/.exec(path.basename(file));
    return legacy ? legacy[1]
      : charset.detect(new Uint8Array(fs.readFileSync(file)), 'en');
  }
  // Each entry of a menu shown once, under its parent, named by its title
  // (or address) as the page's model decodes it in the charset the export
  // was written in; script addresses never live.
  function checkEntries(menu, seen, problems, written) {
    const text = (v) => charset.decode(Buffer.from(v, 'latin1'), written);
    for (let i = 1; i < menu.MAX; i++) {
      const s = seen.filter((e) => e.entry === i);
      if (s.length !== 1) {
        problems.push(`entry ${i} shown ${s.length} times`);
        continue;
      }
      const where = model.decodeAttribute(text(menu.ref[i]));
      let want = model.decodeText(text(menu.nam[i]));
      if (!want.trim() && menu.ref[i] !== '.') want = where;
      if (!want.trim()) want = '(untitled)';
      if (s[0].name !== want) problems.push(`entry ${i} named ${s[0].name}`);
      if (s[0].parent !== menu.par[i]) problems.push(`entry ${i} misplaced`);
      if (menu.ref[i] !== '.' && s[0].live !== model.isLive(where))
        problems.push(`entry ${i} wrongly live or inert`);
    }
  }
  const done = () => fs.rmSync(work, { recursive: true, force: true });
  return { work, wasm, site, menuOf, writtenIn, checkEntries, done };
}

// In the page: scrolls to `at` and, a frame later, says which rows are
// drawn. Rows are drawn only near the screen, so a caller scrolls on.
function rowsAt(at) {
  scrollTo(0, at);
  return new Promise((done) => requestAnimationFrame(() => done({
    end: scrollY + innerHeight >= document.body.scrollHeight - 1,
    step: innerHeight / 2,
    rows: [...document.querySelectorAll('#menu [role="treeitem"]')]
      .map((r) => ({ entry: Number(r.dataset.entry),
        top: parseFloat(r.style.top),
        level: Number(r.getAttribute('aria-level')),
        name: r.querySelector('.title').textContent,
        live: r.matches('a[href]') })) })));
}

// What the page shows, with `evaluate(fn, arg)` running fn in it: the
// status, whether the tree shows, and each row collected while scrolling,
// with the entry above it (from aria-level).
async function shown(evaluate) {
  const rows = new Map();
  for (let y = 0; ; ) {
    const part = await evaluate(rowsAt, y);
    part.rows.forEach((r) => rows.set(r.entry, r));
    if (part.end) break;
    y += part.step;
  }
  const above = [];
  const entries = [...rows.values()].sort((a, b) => a.top - b.top)
    .map((r) => {
      above[r.level] = r.entry;
      return { ...r, parent: r.level > 1 ? above[r.level - 1] : 0 };
    });
  const page = await evaluate(() => ({
    status: document.getElementById('status').textContent,
    details: document.getElementById('details').hidden ? ''
      : document.getElementById('details-text').textContent,
    tree: !!document.getElementById('menu').offsetHeight,
    markup: document.querySelectorAll('#menu img, #menu b').length,
  }));
  return { ...page, entries };
}

// In the page: the strings, mostly references, that the page's model
// decodes otherwise than this browser's own parser does, as a link's text
// and as its address. DOMParser's documents are inert, and it reads them
// as a file is read, not by innerHTML's shortcuts. (Chromium alone also
// decodes a reference without ';' before '=' or a letter where a ';'
// follows later in the value; the page reads as the standard says.)
function decodedOtherwise() {
  const samples = ['a&amp;b &lt;i&gt; &quot; &apos;', '?x=1&lang=en&sect=7',
    '&curren;cy &currency &copy2026 &copy=', '&notit; &notin; &not',
    '&amp &ampx &amp=', '&AMP; &ampx', '&#x80;&#150;&#0;&#xD800;&#x110000;&#13;',
    '&#128512; &#x1F600 &#65&#x41;', '&#; &#x; & &unknown; a& &;',
    '&eacute &Eacute; &nbsp; &NotNestedGreaterGreater; &fjlig;',
    'a\r\nb\rc', '&lt&gt&amp&quot&#39', '&Aacute=&aacuteb&aacute1'];
  return samples.filter((s) => {
    const a = new DOMParser().parseFromString('<a title="' + s + '">' + s +
      '</a>', 'text/html').querySelector('a');
    return B2M.model.decodeText(s) !== a.textContent ||
      B2M.model.decodeAttribute(s) !== a.getAttribute('title');
  });
}

// DIR served on a port of 127.0.0.1 under `default-src 'self'`.
async function serve(dir) {
  const server = http.createServer((req, res) => {
    const file = path.join(dir, new URL(req.url, 'http://x').pathname);
    if (!file.startsWith(dir) || !fs.existsSync(file)) {
      res.writeHead(404);
      return res.end();
    }
    res.writeHead(200, { 'Content-Security-Policy': "default-src 'self'",
      'Content-Type': file.endsWith('.html') ? 'text/html'
        : file.endsWith('.css') ? 'text/css' : 'text/javascript' });
    res.end(fs.readFileSync(file));
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return server;
}

// The page in another language: a menu with no English in its titles, and
// each language tried with the direction it must lay out in.
const foreignMenu = '<DL><p>\n<DT><H3 ADD_DATE="1">Папка 資料 مجلد</H3>\n' +
  '<DL><p>\n<DT><A HREF="https://example.org/a">Страница 一 صفحة</A>\n' +
  '<DT><A HREF="javascript:void(0)">Закладка 二 علامة</A>\n</DL><p>\n' +
  '<DT><A HREF="https://example.org/b">東京 القاهرة</A>\n</DL><p>\n';
// Every language of the interface, as a browser set to it asks for it:
// the tag asked for, the direction, the page's own tag.
const languages = ['de', 'fr', 'es', 'it', 'pt', 'nl', 'pl', 'ru', 'uk', 'tr',
  'zh-CN', 'zh-TW', 'ja', 'ko', 'ar', 'fa'].map((lang) =>
  [lang, /^(ar|fa)$/.test(lang) ? 'rtl' : 'ltr',
    { 'zh-CN': 'zh-Hans', 'zh-TW': 'zh-Hant' }[lang] || lang]);

// In the page: the English words of the interface that it shows (as text,
// a placeholder, a label or the title), titles aside, where its language
// says them otherwise; with More open and, given `query`, that search's
// matches.
function englishShown(query) {
  if (!document.getElementById('more').classList.contains('open'))
    document.getElementById('more-button').click();
  if (query !== undefined) {
    const field = document.getElementById('search');
    field.value = query;
    field.dispatchEvent(new Event('input'));
  }
  const words = B2M.words.table, own = words[document.documentElement.lang];
  // The menu's titles are its own: out of sight while the text is read.
  const hide = document.createElement('style');
  hide.textContent = '.title, #hits a { visibility: hidden !important; }';
  document.head.appendChild(hide);
  const shown = [document.body.innerText, document.title];
  hide.remove();
  document.querySelectorAll('[placeholder], [aria-label]').forEach((e) =>
    shown.push(e.getAttribute('placeholder'), e.getAttribute('aria-label')));
  const all = shown.join('\n');
  const found = [];
  Object.keys(words.en).forEach((key) => {
    const theirs = JSON.stringify(own[key]), en = words.en[key];
    (typeof en === 'object' ? Object.values(en) : [en]).forEach((v) =>
      v.split(/\{\w+\}/).forEach((part) => {
        part = part.trim();
        if (/[a-z]{3}/i.test(part) && !theirs.includes(part) &&
            all.includes(part)) found.push(`${key}: ${part}`);
      }));
  });
  return found;
}

// Keys in the worked example from its first row, all closed, laid out
// right to left: Left opens and goes in, Right closes and goes up. The name
// focused after each, and the folders open then.
const rtlWalk = [
  ['ArrowLeft', 'News', [1]], ['ArrowLeft', 'Today`s paper', [1]],
  ['ArrowDown', 'Local'], ['ArrowLeft', 'Local', [1, 3]],
  ['ArrowRight', 'Local', [1]], ['ArrowRight', 'News', [1]],
  ['ArrowRight', 'News', []],
];

// Legacy exports whose titles and addresses hold a trail byte 0x5C, the
// backslash that the converter escapes, as a value's last byte too; and
// one with no title, shown by its address: [charset, bytes].
function backslashExports() {
  const chars = { shift_jis: [0x83, 0x5c, 0x95, 0x5c, 0x20, 0x94, 0x5c],
    gbk: [0x81, 0x5c, 0x82, 0x5c, 0x20, 0x83, 0x5c],
    big5: [0xb3, 0x5c, 0xa5, 0x5c, 0x20, 0xbb, 0x5c] };
  return Object.entries(chars).map(([charset, c]) => {
    const t = Buffer.from(c);
    return [charset, Buffer.concat([Buffer.from('<META HTTP-EQUIV=' +
      `"Content-Type" CONTENT="text/html; charset=${charset}">\n<DL><p>\n` +
      '<DT><H3>'), t, Buffer.from('</H3>\n<DL><p>\n<DT><A HREF="' +
      'https://example.org/'), t.subarray(0, 4), Buffer.from('?q='), t,
    Buffer.from('">'), t, Buffer.from('</A>\n<DT><A HREF="' +
      'https://example.org/'), t.subarray(0, 4), Buffer.from('"></A>\n' +
      '</DL><p>\n</DL><p>\n')])];
  });
}

// A UTF-8 menu.js with one invalid byte, and the titles it must show.
const slip = [Buffer.concat([Buffer.from("ref[1] = 'https://example.org/'" +
  ";\r\nnam[1] = 'Caf"), Buffer.from([0xc3]), Buffer.from("';\r\npar[1]" +
  " = 0;\r\nref[2] = 'https://example.org/c';\r\nnam[2] = 'Crème brûlée'" +
  ";\r\npar[2] = 0;\r\nvar MAX = 3;\r\n")]), ['Caf\ufffd', 'Crème brûlée']];

// In the page: a kept record for this page whose bytes would run code if
// the page ran them, as any page of this origin could write it.
function plant() {
  return new Promise((done) => {
    const open = indexedDB.open('bookmarks2menu');
    open.onupgradeneeded = () => open.result.createObjectStore('menus');
    open.onsuccess = () => {
      const t = open.result.transaction('menus', 'readwrite');
      t.objectStore('menus').put({ bytes: new TextEncoder().encode(
        "ref[1] = '.';window.__pwn=1;\r\nnam[1] = 'x';\r\npar[1] = 0;\r\n" +
        'var MAX = 2;\r\n'), name: 'bookmarks.html', declared: null,
      chosen: null, at: 1 }, 'page:' + location.href.replace(/[?#].*$/, ''));
      t.oncomplete = () => { open.result.close(); done(); };
    };
  });
}

// Browsers' own stores as a user picks them, copied into WORK: Chromium's
// under its own name, with no extension, and Firefox's backups, each with
// the export its menu must match; and one cut short, as a store read while
// its browser writes it.
function stores(work) {
  const from = path.join(__dirname, 'stores/example');
  const dir = fs.mkdtempSync(path.join(work, 'stores-'));
  const copy = (name, as) => {
    fs.mkdirSync(path.dirname(path.join(dir, as)), { recursive: true });
    fs.copyFileSync(path.join(from, name), path.join(dir, as));
    return path.join(dir, as);
  };
  const opened = [['chromium-Bookmarks.json', 'Bookmarks', 'chromium'],
    ['firefox-backup.jsonlz4', 'bookmarks-2026-12-09_8_x.jsonlz4', 'firefox'],
    ['firefox-backup.json', 'bookmarks-2026-12-09.json', 'firefox'],
  ].map(([name, as, browser]) => ({ file: copy(name, as),
    exported: fs.readFileSync(path.join(from, browser + '-export.html')) }));
  const whole = fs.readFileSync(opened[0].file);
  const cut = path.join(dir, 'cut/Bookmarks');
  fs.mkdirSync(path.dirname(cut));
  fs.writeFileSync(cut, whole.subarray(0, whole.length >> 1));
  return { opened, cut };
}

// In the page: a file input clicked opens no dialog, and is counted.
function catchPicker() {
  window.asked = 0;
  document.querySelectorAll('input[type="file"]').forEach((input) =>
    input.addEventListener('click', (event) => {
      event.preventDefault();
      window.asked++;
    }));
}

// In the page: what "Convert again" shows, if anything.
function againShown() {
  const box = document.getElementById('again-box');
  return box.hidden ? '' : box.textContent.replace(/\s+/g, ' ').trim();
}

module.exports = { pages, shown, serve, decodedOtherwise, foreignMenu,
  languages, englishShown, rtlWalk, backslashExports, slip, plant, stores,
  catchPicker, againShown };
