// menu.js read as data (web/menu-read.js) against the same menu.js run as
// a script: every export the converter is tested on, legacy titles whose
// trail byte is a backslash (read as data, and run as bytes then recoded),
// menus that must be refused, and the UTF-8 test that picks a menu's
// charset. The converter is B2M_CONVERTER, else build/bookmarks2menu.
// And the page's converter against it on browsers' stores.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const { convertIn } = require('./menu_tools');

const root = path.join(__dirname, '..');
const converter = process.env.B2M_CONVERTER ||
  path.join(root, 'build/bookmarks2menu');
const context = vm.createContext({ B2M: {}, TextDecoder });
vm.runInContext(fs.readFileSync(path.join(root, 'web/menu-read.js'), 'utf8'),
  context, { filename: 'menu-read.js' });
const { read } = context.B2M;

function menuOf(input) {
  const dir = convertIn(converter, input);
  try {
    return new Uint8Array(fs.readFileSync(path.join(dir, 'menu.js')));
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}
function exportOf(lines) {
  const dir = fs.mkdtempSync(path.join(require('os').tmpdir(), 'b2m-rd-'));
  const file = path.join(dir, 'in.html');
  fs.writeFileSync(file, Buffer.concat(lines.map((l) => Buffer.from(l))));
  try { return menuOf(file); } finally { fs.rmSync(dir, { recursive: true }); }
}

// The script run as a page runs it, its text decoded as `charset`
// ('bytes': each byte one character).
function run(bytes, charset) {
  const page = { ref: [], nam: [], par: [] };
  vm.runInNewContext(charset === 'bytes' ? Buffer.from(bytes)
    .toString('latin1') : new TextDecoder(charset).decode(bytes), page);
  return plain(page);
}
// Entries from 1, as the script fills them.
function plain(menu) {
  return { ref: menu.ref.slice(1), nam: menu.nam.slice(1),
    par: Array.from(menu.par).slice(1), MAX: menu.MAX ?? menu.max };
}
// Each value's bytes decoded on their own: what the reader must give in
// any charset.
function valuesDecoded(bytes, charset) {
  const page = run(bytes, 'bytes');
  const decoder = new TextDecoder(charset, { ignoreBOM: true });
  const decode = (s) => decoder.decode(Buffer.from(s, 'latin1'));
  return { ...page, ref: page.ref.map(decode), nam: page.nam.map(decode) };
}
function readOk(bytes, charset) {
  const result = read.menu(bytes, charset);
  assert.ok(result.ok, `refused: ${result.reason} on line ${result.line}`);
  return plain(result.menu);
}
const same = (got, want, what) => // across realms
  assert.deepStrictEqual(JSON.parse(JSON.stringify(got)), want, what);

// Bytes the converter copies as they are or escapes, in titles and
// addresses: lead bytes, backslashes, apostrophes, CRs, NULs, 0x1A.
function hostileExport() {
  let seed = 99;
  const random = (n) => (seed = (seed * 1103515245 + 12345) >>> 0) % n;
  const alphabet = [0x81, 0x95, 0xe3, 0xc3, 0xed, 0xa0, 0x5c, 0x27, 0x0d,
    0x00, 0x1a, 0x22, 0x3e, 0x61, 0x78, 0x35, 0x63];
  const value = () => Buffer.from(Array.from({ length: random(14) },
    () => alphabet[random(alphabet.length)]));
  const lines = [];
  for (let i = 0; i < 300; i++) {
    if (i % 9 === 0) lines.push('<DT><H3>', value(), '</H3>\r\n<DL><p>\r\n');
    else lines.push('<DT><A HREF="', value(), '">', value(), '</A>\r\n');
    if (i % 9 === 8) lines.push('</DL><p>\r\n');
  }
  return lines;
}

const legacy = { 'legacy-big5.html': 'big5', 'legacy-euc-kr.html': 'euc-kr',
  'legacy-gbk.html': 'gbk', 'legacy-shift_jis.html': 'shift_jis',
  'legacy-windows-1251.html': 'windows-1251',
  'legacy-windows-1252.html': 'windows-1252' };
const inputs = [
  ...fs.readdirSync(path.join(root, 'tests/corpus'))
    .filter((f) => /\.html?$/.test(f)).map((f) => `tests/corpus/${f}`),
  ...Object.keys(legacy).map((f) => `tests/data/${f}`),
  'tests/data/worked.html', 'examples/bookmarks.html'];

test('every export reads as its menu.js runs', () => {
  const menus = inputs.map((f) => [f, menuOf(path.join(root, f))]);
  menus.push(['hostile bytes', exportOf(hostileExport())]);
  for (const [what, bytes] of menus) {
    const want = run(bytes, 'utf-8');
    same(readOk(bytes), want, `${what}: UTF-8`);
    const lf = Buffer.from(bytes).toString('latin1').replace(/\r\n/g, '\n');
    same(readOk(Buffer.from(lf, 'latin1')), want, `${what}: LF alone`);
    const charset = legacy[path.basename(what)] ||
      (what === 'hostile bytes' && 'utf-16le'); // decoded value by value
    if (!charset) continue;
    const decoded = valuesDecoded(bytes, charset);
    same(readOk(bytes, charset), decoded, `${what}: ${charset}`);
    const page = runAsBytes(bytes);
    same([read.recode(page.ref, charset).slice(1),
      read.recode(page.nam, charset).slice(1)], [decoded.ref, decoded.nam],
    `${what}: run as bytes, recoded in ${charset}`);
  }
});

// As a page runs it in x-user-defined: each byte one character.
function runAsBytes(bytes) {
  const page = { ref: [], nam: [], par: [] };
  vm.runInNewContext(Array.from(bytes, (b) => String.fromCharCode(b < 0x80
    ? b : 0xf700 + b)).join(''), page);
  return page;
}

test('a backslash as trail byte stays in its character', () => {
  const cases = [
    ['shift_jis', [0x95, 0x5c, 0x8e, 0xa6], '表示'],
    ['shift_jis', [0x83, 0x5c, 0x83, 0x74, 0x83, 0x67], 'ソフト'],
    ['gbk', [0x81, 0x5c, 0xc5, 0x5c], '乗臷'],
    ['big5', [0xb3, 0x5c, 0xa5, 0x5c, 0x27], "許功'"],
  ];
  for (const [charset, title, text] of cases) {
    const t = Buffer.from(title);
    const bytes = exportOf(['<DT><H3>', t, '</H3>\n<DL><p>\n',
      '<DT><A HREF="/', t, '">', t, '</A>\n']);
    const menu = readOk(bytes, charset);
    assert.deepStrictEqual([menu.nam[0], menu.ref[1], menu.nam[1]],
      [text, '/' + text, text.replace("'", '`')], charset);
    // Run as bytes and recoded, as the page reads menu.js beside it.
    const page = runAsBytes(bytes);
    same([read.recode(page.ref, charset), read.recode(page.nam, charset)],
      [[null, ...menu.ref], [null, ...menu.nam]], `${charset} recoded`);
    // Run in that charset, the lead byte takes the escape's backslash.
    assert.match(run(bytes, charset).nam[0], /x5c/, charset);
  }
  // Values that are not bytes, from a menu.js of another hand, stay.
  same(read.recode([, '\uf795\\\uf78e\uf7a6', '\u8868', 'a\nb', 5],
    'shift_jis'), [null, '表示', '\u8868', 'a\nb', 5]);
});

test('what the converter does not write is refused, never run', () => {
  const entry = "\tref[1] = '.';\r\n\tnam[1] = 'A';\r\n\tpar[1] = 0;\r\n";
  const cases = [
    ['code after a value', "\tref[1] = 'a';window.__pwn=1;//';\r\n",
      'not-menu', 1],
    ['an escaped apostrophe', "\tref[1] = 'a\\';window.__pwn=1;//';\r\n",
      'bad-escape', 1],
    ['an escape of another kind', "\tref[1] = '\\u0027';\r\n", 'bad-escape', 1],
    ['an upper-case escape', "\tref[1] = '\\x5C';\r\n", 'bad-escape', 1],
    ['no trailer', entry, 'cut-short', 4],
    ['a value left open', "\tref[1] = '.';\r\n\tnam[1] = 'A;\r\n",
      'open-value', 2],
    ['a CR in a value', "\tref[1] = 'a\rb';\r\n", 'open-value', 1],
    ['garbage', 'alert(1)\n', 'not-menu', 1],
    ['nothing', '', 'cut-short', 1],
    ['nam before ref', "\tnam[1] = 'A';\r\n", 'out-of-order', 1],
    ['an entry skipped', entry + "\tref[3] = '.';\r\n", 'out-of-order', 4],
    ['an entry without par', "\tref[1] = '.';\r\n\tnam[1] = 'A';\r\n" +
      'var MAX = 2;\r\n', 'out-of-order', 3],
    ['a parent not before', "\tref[1] = '.';\r\n\tnam[1] = 'A';\r\n" +
      '\tpar[1] = 1;\r\n', 'bad-parent', 3],
    ['a negative parent', "\tref[1] = '.';\r\n\tnam[1] = 'A';\r\n" +
      '\tpar[1] = -1;\r\n', 'not-menu', 3],
    ['a leading zero', "\tref[01] = '.';\r\n", 'not-menu', 1],
    ['a NUL in a value', "\tref[1] = 'a\0';\r\n", 'not-menu', 1],
    ['a wrong MAX', entry + 'var MAX = 3;\r\n', 'bad-max', 4],
    ['MAX indented', entry + '\tvar MAX = 2;\r\n', 'not-menu', 4],
    ['bytes after MAX', entry + 'var MAX = 2;\r\nx', 'not-menu', 5],
    ['two scripts', entry + 'var MAX = 2;\r\n' + entry, 'not-menu', 5],
    ['MAX declared twice', entry + 'var MAX = 2;\r\nvar MAX = 2;\r\n',
      'not-menu', 5],
    ['a CR alone ends a line', "\tref[1] = '.';\r", 'cut-short', 1],
    ['a line end of CR CR LF', "\tref[1] = '.';\r\r\n", 'not-menu', 1],
  ];
  for (const [what, text, reason, line] of cases) {
    const result = read.menu(Buffer.from(text, 'latin1'));
    same(result, { ok: false, reason, line }, what);
  }
  assert.strictEqual(context.__pwn, undefined);
  const empty = read.menu(Buffer.from('var MAX = 1;\r\n'));
  assert.ok(empty.ok);
  same(plain(empty.menu), { ref: [], nam: [], par: [], MAX: 1 });
});

test('a menu cut anywhere is cut short', () => {
  const bytes = exportOf(["<DT><H3>a\\'b</H3>\r\n<DL><p>\r\n",
    '<DT><A HREF="/x">\xe8\xa1\xa8</A>\r\n']);
  assert.ok(read.menu(bytes).ok);
  for (let size = 0; size < bytes.length; size++) {
    const result = read.menu(bytes.subarray(0, size));
    assert.strictEqual(result.reason, 'cut-short', `cut at ${size}`);
  }
});

test('UTF-8 with a slip is still UTF-8; legacy bytes are not', () => {
  const utf8 = (s) => Buffer.from(s);
  const cases = [
    ['ASCII', utf8('plain'), true],
    ['a title cut inside a character', Buffer.concat([utf8('Café Zürich ' +
      'Ελλάδα '), Buffer.from('Caf\xc3', 'latin1')]), true],
    ['a lone surrogate', Buffer.concat([utf8('Москва Київ '),
      Buffer.from([0xed, 0xa0, 0x80])]), true],
    ['UTF-8 with one slip in twenty', Buffer.concat([utf8('é'.repeat(38)),
      Buffer.from('\xff \xff', 'latin1')]), true],
    ['chance pairs in legacy bytes', Buffer.concat([utf8('é'.repeat(10)),
      Buffer.from('\x95 \x95 \x95 \x95', 'latin1')]), false],
    ['one Western letter and nothing else', Buffer.from('caf\xe9', 'latin1'),
      false],
    ['Shift_JIS', Buffer.from([0x95, 0x5c, 0x8e, 0xa6, 0x83, 0x74]), false],
  ];
  for (const [what, bytes, want] of cases)
    assert.strictEqual(read.isUtf8(bytes), want, what);
  for (const f of inputs)
    assert.strictEqual(read.isUtf8(menuOf(path.join(root, f))),
      !(path.basename(f) in legacy) && !/icab|iemac/.test(f), f);
});

// The page's converter (web/menu-convert.js's worker and the module, as
// built into bookmarks2menu-wasm.js in B2M_PAGE, else web/), run as the
// page runs it, on the bytes of `file`: its last message.
function convertInPage(file) {
  const page = process.env.B2M_PAGE || path.join(root, 'web');
  const source = fs.readFileSync(path.join(page, 'bookmarks2menu-wasm.js'),
    'utf8');
  const built = vm.createContext({ B2M: {} });
  vm.runInContext(source, built);
  const module = new WebAssembly.Module(Buffer.from(built.B2M.wasm, 'base64'));
  const said = [];
  const worker = vm.createContext({ WebAssembly, TextDecoder,
    postMessage: (m) => said.push(m) });
  vm.runInContext(`(${/function worker\(\) \{[^]*?\n {2}\}\n/
    .exec(source)[0]})()`, worker);
  const bytes = new Uint8Array(fs.readFileSync(file)).buffer;
  worker.onmessage({ data: { bytes, module, cap: 256 << 20 } });
  return said[said.length - 1];
}

test("the page converts browsers' stores as the command line does", (t) => {
  const dir = path.join(root, 'tests/stores');
  const stores = fs.readdirSync(dir).flatMap((d) => ['chromium-Bookmarks.json',
    'firefox-backup.json', 'firefox-backup.jsonlz4'].map((f) =>
    path.join(dir, d, f))).filter((f) => fs.existsSync(f));
  let want;
  try { want = menuOf(stores[0]); } catch (e) {
    return t.skip(`the command line reads no stores: ${e.stderr}`);
  }
  const sameBytes = (got, menu, what) => assert.ok(got.menu &&
    Buffer.from(got.menu).equals(Buffer.from(menu)), `${what}: ${got.failed}`);
  sameBytes(convertInPage(stores[0]), want, stores[0]);
  for (const f of stores.slice(1))
    sameBytes(convertInPage(f), menuOf(f), f);
  // Broken, the reason the command line gives.
  const work = fs.mkdtempSync(path.join(require('os').tmpdir(), 'b2m-st-'));
  const viewer = path.join(dir, 'viewer');
  const json = fs.readFileSync(path.join(viewer, 'chromium-Bookmarks.json'));
  const lz4 = fs.readFileSync(path.join(viewer, 'firefox-backup.jsonlz4'));
  const flipped = Buffer.from(lz4);
  flipped[lz4.length - 20] ^= 0xff;
  try {
    for (const [name, bytes] of [['cut.json', json.subarray(0, 1000)],
      ['shape.json', Buffer.from('{"roots": []}')],
      ['flipped.jsonlz4', flipped], ['cut.jsonlz4', lz4.subarray(0, 30)]]) {
      const file = path.join(work, name);
      fs.writeFileSync(file, bytes);
      const said = convertInPage(file);
      assert.strictEqual(said.failed, 'storeBroken', name);
      assert.throws(() => menuOf(file), (e) =>
        String(e.stderr).includes(`${name}: ${said.reason}`), name);
    }
  } finally {
    fs.rmSync(work, { recursive: true, force: true });
  }
});
