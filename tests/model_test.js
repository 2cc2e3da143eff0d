// The page's model in node: menus of every shape, text decoded as HTML
// decodes it, schemes, folding, numbers, and the charset of a menu that is
// not UTF-8. The page's folder is B2M_PAGE, else web/.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { pageModel } = require('./menu_tools');

const { model, charset } = pageModel(process.env.B2M_PAGE ||
  path.join(__dirname, '../web'));

// Shapes the converter never writes: each read, none hangs or throws.
test('menus of every shape', () => {
  const odd = { toString() { throw new Error('no'); } };
  const cases = [
    ['parents in a loop', ['', '.', '.', 'x'], [], [0, 2, 1, 3], 4,
      { entries: 3, moved: 2, max: 'ok', labels: ['(untitled)',
        '(untitled)', 'x'], numbers: [1, 2, 3] }],
    ['MAX = Infinity, ref = null', null, [, 'one', {}], [, 0], Infinity,
      { entries: 2, moved: 1, max: 'wrong', labels: ['one',
        '[object Object]'], numbers: [1, 2] }],
    ['no MAX, values that throw', [, 'a&amp;b', odd], [, '', odd], [, 0, '1'],
      undefined, { entries: 2, moved: 1, max: 'none', labels: ['a&b',
        '(untitled)'], numbers: [1, 2] }],
    ['sparse, read by keys', Object.assign([], { 1: 'a', 5000000: 'b' }),
      [], Object.assign([], { 5000000: 1 }), 1e9,
      { entries: 2, moved: 2, max: 'wrong', labels: ['a', 'b'],
        numbers: [1, 5000000] }],
    ['a folder before its parent', [, '.', '.'], [, 'in', 'out'], [, 2, 0],
      3, { entries: 2, moved: 1, max: 'ok', labels: ['in', 'out'],
        numbers: [1, 2] }],
    ['holes, and a number held by one array, or by undefined',
      [, '.', , , 'x', , , 'y'], [, 'f', , undefined], [, 0, , , 1, , , 2],
      8, { entries: 4, moved: 2, max: 'ok', labels: ['f', '(untitled)',
        'x', 'y'], numbers: [1, 3, 4, 7] }],
  ];
  for (const [what, refs, names, parents, max, want] of cases) {
    const m = model.read(refs, names, parents, max);
    const got = { entries: m.n - 1, moved: m.moved, max: m.max,
      labels: Array.from({ length: m.n - 1 }, (_, k) => m.label(k + 1)),
      numbers: Array.from(m.entry).slice(1) };
    assert.deepStrictEqual(got, want, what);
    for (let k = 1; k < m.n; k++) {
      assert.ok(m.parent[k] < k && (!m.parent[k] || m.folder[m.parent[k]]),
        `${what}: entry ${k} under a folder before it`);
      assert.strictEqual(m.slot(m.entry[k]), k, `${what}: slot of ${k}`);
    }
    assert.strictEqual(m.slot(m.entry[m.n - 1] + 1), -1, what);
  }
});

test('kinds and depth', () => {
  const m = model.read([, '.', 'https://a.example/', ' JaVa\tScript:x',
    'data:,x', '.', 'vbscript:x'], [], [, 0, 1, 1, 1, 1, 0], 7);
  assert.deepStrictEqual([1, 2, 3, 4, 5, 6].map((k) => m.kind(k)),
    ['folder', 'link', 'inert', 'inert', 'folder', 'inert']);
  assert.deepStrictEqual([1, 2, 3, 4, 5, 6].map((k) => m.inertKind(k)),
    ['', '', 'bookmarklet', 'address', '', 'address']);
  assert.deepStrictEqual(Array.from(m.depth), [0, 1, 2, 2, 2, 2, 1]);
  assert.deepStrictEqual(Array.from(m.pos), [0, 1, 1, 2, 3, 4, 2]);
});

// Titles are text, addresses attribute values: references without ';'
// are read in an attribute only where no '=' or letter follows.
test('text and addresses decoded as HTML decodes them', () => {
  const cases = [
    // input, as text, as an attribute
    ['a&amp;b &lt;i&gt; &quot;', 'a&b <i> "', 'a&b <i> "'],
    ['?x=1&lang=en&sect=7', '?x=1&lang=en\u00a7=7', '?x=1&lang=en&sect=7'],
    ['&curren;cy &currency', '\u00a4cy \u00a4cy', '\u00a4cy &currency'],
    ['&notit; &notin;', '\u00acit; \u2209', '&notit; \u2209'],
    ['&amp &ampx &amp=', '& &x &=', '& &ampx &amp='],
    ['&#x80;&#150;&#0;&#xD800;&#x110000;', '\u20ac\u2013\ufffd\ufffd\ufffd',
      '\u20ac\u2013\ufffd\ufffd\ufffd'],
    ['&#128512; &#x1F600', '\u{1F600} \u{1F600}', '\u{1F600} \u{1F600}'],
    ['&#; &#x; & &unknown; a&', '&#; &#x; & &unknown; a&',
      '&#; &#x; & &unknown; a&'],
    ['&eacute &Eacute; &nbsp;', '\u00e9 \u00c9 \u00a0', '\u00e9 \u00c9 \u00a0'],
    ['a\r\nb\rc', 'a\nb\nc', 'a\nb\nc'],
  ];
  for (const [input, text, attribute] of cases) {
    assert.strictEqual(model.decodeText(input), text, input);
    assert.strictEqual(model.decodeAttribute(input), attribute, input);
  }
});

test('schemes as the URL parser reads them', () => {
  for (const [address, scheme, live] of [
    ['https://x.example/', 'https', true],
    ['  JaVaScRiPt:alert(1)', 'javascript', false],
    ['java\tscr\nipt:x', 'javascript', false],
    ['\x00\x1f data:text/html,x', 'data', false],
    ['vbscript:x', 'vbscript', false],
    ['no scheme here', '', true],
    ['1http:x', '', true],
  ]) {
    assert.strictEqual(model.scheme(address), scheme, address);
    assert.strictEqual(model.isLive(address), live, address);
  }
});

// Search folds as find-in-page does, and each word must be in the title
// or a link's address: each query finds the entries listed, among those
// given when `within` is.
test('folding for search', () => {
  const titles = [, 'Caf\u00e9 Cr\u00e8me br\u00fbl\u00e9e',
    '\u00c4rger \u00fcber Stra\u00dfe', 'na\u00efve r\u00e9sum\u00e9 tips',
    '\u00c6sop', '\ufb01ne \u2460'];
  const m = model.read([, 'https://kaffee.example/', 'https://x.example/u',
    'javascript:resume()', '.', 'https://x.example/f'], titles,
  [, 0, 0, 0, 0, 0], 6);
  for (const [query, want, within] of [
    ['cafe creme', [1]], ['arger uber', [2]], ['STRASSE', [2]],
    ['RESUME', [3]], ['cafe\u0301', [1]], ['aesop', [4]],
    ['resume nothing', []], ['fine 1', [5]],
    ['cafe kaffee', [1]], ['x.example', [2, 5]], ['script', [3]],
    ['.', [1, 2, 5]], ['bruleehttps', []], ['example', [2], [2, 3, 4]],
  ]) {
    const found = model.searcher(m).find(model.queryWords(query),
      within && Int32Array.from(within));
    assert.deepStrictEqual(Array.from(found), want, query);
  }
});

test('numbers grouped by thousands', () => {
  assert.deepStrictEqual([0, 999, 1000, 1234567].map(model.grouped),
    ['0', '999', '1,000', '1,234,567']);
});

// Exports in the code pages of old systems: each read in its own, in any
// browser language; a tie (no bytes beyond ASCII) goes to UTF-8.
test('charsets detected from the bytes alone', () => {
  const data = path.join(__dirname, 'data');
  const legacy = fs.readdirSync(data).filter((f) => f.startsWith('legacy-'));
  assert.ok(legacy.length >= 6);
  for (const f of legacy) {
    const bytes = new Uint8Array(fs.readFileSync(path.join(data, f)));
    for (const language of ['en-US', 'zh-CN', 'ja', 'ru'])
      assert.strictEqual(charset.detect(bytes, language),
        /^legacy-(.+)\.html$/.exec(f)[1], `${f} in ${language}`);
  }
  const mac = fs.readFileSync(path.join(__dirname,
    'corpus/iemac5-netscape-bookmarks-perl-Favorites.html'));
  assert.strictEqual(charset.detect(new Uint8Array(mac), 'en'), 'macintosh');
  assert.strictEqual(charset.detect(new Uint8Array([0x61, 0x62]), 'ja'),
    'utf-8');
});

test('charsets declared by an export', () => {
  const meta = (label) => new Uint8Array(Buffer.from('<META HTTP-EQUIV=' +
    `"Content-Type" CONTENT="text/html; charset=${label}">`));
  for (const [bytes, language, want] of [
    [meta('GB2312'), 'en', 'gbk'], [meta('x-mac-roman'), 'en', 'macintosh'],
    [meta('Shift_JIS'), 'en', 'shift_jis'], [meta('UTF-8'), 'ja', 'utf-8'],
    [meta('X-MAC-SYSTEM'), 'en-US', 'windows-1252'],
    [meta('X-MAC-SYSTEM'), 'zh-CN', 'gbk'],
    [new Uint8Array(Buffer.from('<TITLE>Bookmarks</TITLE>')), 'en', null],
  ]) assert.strictEqual(charset.declared(bytes, language), want);
  // windows-1252 as browsers read it, whatever this runtime's decoder does.
  assert.strictEqual(charset.decode(new Uint8Array([0x93, 0x80, 0xe9, 0x94]),
    'windows-1252'), '\u201c\u20ac\u00e9\u201d');
});
