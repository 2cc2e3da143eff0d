// The page in real Chromium: every entry once under its parent with its
// title decoded as text, script addresses inert, the tree view's keys,
// search that folds case and accents, every state, menu.js in shapes the
// converter never writes, junk in storage, a strict Content-Security-Policy
// over http, print, dark mode, phone width, deep links, and no axe-core
// violation anywhere. Screenshots go to OUTDIR. Where the page has its
// converter beside it, every export converted in the page must give the
// command line's bytes, with no request leaving the machine.
// Usage: node page_test.js CONVERTER PAGE OUTDIR EXPORT...
'use strict';
const fs = require('fs');
const path = require('path');
const { evaluate } = require('./menu_tools');
const { pages, shown, serve, decodedOtherwise, foreignMenu, languages,
  englishShown, rtlWalk, backslashExports, slip, plant, stores,
  againShown } = require('./page_cases');

const [converter, page, outdir, ...files] = process.argv.slice(2);
let playwright, axe;
try {
  playwright = require('playwright-core');
  axe = require('axe-core');
} catch (e) {
  console.log('SKIPPED: npm ci has not been run (playwright-core, axe-core)');
  process.exit(process.env.B2M_REQUIRE_BROWSER ? 1 : 77);
}
const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';
if (!fs.existsSync(chromiumPath)) {
  console.log('SKIPPED: no ' + chromiumPath + ' (Debian package: chromium)');
  process.exit(process.env.B2M_REQUIRE_BROWSER ? 1 : 77);
}

const { work, wasm, site, menuOf, writtenIn, checkEntries, done } =
  pages(converter, path.dirname(page));

const worked = fs.readFileSync(path.join(__dirname, 'data/worked.html'));
const long = 'x'.repeat(300);
const untitled = '<DL><p>\n<DT><H3 ADD_DATE="1"></H3>\n<DL><p>\n' +
  '<DT><A HREF="https://example.org/untitled"></A>\n</DL><p>\n' +
  `<DT><A HREF="https://example.org/${long}">${long}</A>\n</DL><p>\n`;
const workedMenu = menuOf(worked);

async function violations(tab) {
  await tab.addScriptTag({ content: axe.source });
  const result = await tab.evaluate(() => window.axe.run());
  return result.violations.map((v) => `${v.id} (${v.nodes.length})`);
}

// The pages: each with what must hold of it.
const cases = [
  ...files.map((file) => ({
    what: path.basename(file), url: site(fs.readFileSync(file)) + '#open',
    menu: evaluate(menuOf(fs.readFileSync(file))),
    written: writtenIn(file),
  })),
  { what: 'references decoded as the browser decodes them',
    url: site(worked), decodes: true },
  { what: 'empty menu', url: site('<DL><p>\n</DL><p>\n'),
    status: /The menu is empty/, tree: false },
  { what: 'untitled entries', url: site(untitled) + '#open',
    menu: evaluate(menuOf(untitled)), narrow: true, written: 'utf-8' },
  { what: 'no menu.js', url: site('', null), status: /no menu here yet: open/,
    details: /convert a bookmarks file first.*bookmarks2menu bookmarks\.html/ },
  // Legacy values whose trail byte is a backslash, menu.js run as bytes;
  // one bad byte in UTF-8 stays one U+FFFD.
  ...backslashExports().map(([charset, html]) => ({
    what: `${charset} trail bytes 0x5C beside`, url: site(html) + '#open',
    menu: evaluate(menuOf(html)), written: charset })),
  { what: 'one bad byte in UTF-8', url: site('', slip[0]), titles: slip[1] },
  { what: 'menu.js without MAX', url: site('', workedMenu.replace(/var MAX.*/,
    '')), status: /incomplete.*5 entries/, tree: true },
  { what: 'menu.js that does not parse', url: site('', workedMenu.slice(0, 40)),
    status: /damaged/, tree: false },
  // Shapes the converter never writes: each shown, and said.
  { what: 'parents in a loop', url: site('', "ref[1] = '.'; par[1] = 2; " +
    "ref[2] = '.'; par[2] = 1; ref[3] = 'x'; par[3] = 3; var MAX = 4;"),
    status: /2 entries have no folder above/, rows: 3, search: 'untitled' },
  { what: 'MAX = Infinity, ref = null', url: site('', "ref = null; " +
    "nam[1] = 'one'; par[1] = 0; nam[2] = {}; var MAX = Infinity;") + '#open',
    status: /wrong count.*2 entries/, rows: 2, search: 'object' },
  { what: 'sparse arrays, MAX = 1e9', url: site('', "ref[1] = 'a'; " +
    "ref[5000000] = 'b'; par[5000000] = 1; var MAX = 1e9;"),
    status: /2 entries have no folder/, rows: 2 },
  // Hidden means hidden: no converter, no file chooser; no menu, no tools.
  { what: 'no menu.js, no converter', url: site('', null, true),
    status: /no menu here yet\.$/, details: /first, in this folder/,
    hidden: ['#file', '#file-again', '#save', '#open-all', '#search'] },
  { what: 'empty menu, no tools', url: site('<DL><p>\n</DL><p>\n', undefined,
    true), hidden: ['#open-all', '#close-all', '#save'] },
];

// Keys from the first tree item of the worked example: the name focused
// after each, and which folders are open then.
const walk = [
  ['ArrowDown', 'Search'], ['ArrowUp', 'News'], ['ArrowRight', 'News', [1]],
  ['ArrowRight', 'Today`s paper', [1]], ['ArrowDown', 'Local'],
  ['ArrowRight', 'Local', [1, 3]], ['ArrowRight', 'Town'],
  ['ArrowLeft', 'Local'], ['ArrowLeft', 'Local', [1]], ['ArrowLeft', 'News'],
  ['End', 'Search'], ['Home', 'News'], ['s', 'Search'], ['pause'],
  ['n', 'News'],
  ['ArrowLeft', 'News', []], ['*', 'News', [1]], ['Enter', 'News', []],
];

async function focused(tab) {
  return tab.evaluate(() => {
    const title = document.activeElement.querySelector('.title') ||
      document.activeElement;
    return {
      name: title ? title.textContent : '',
      open: [...document.querySelectorAll('[aria-expanded="true"]')]
        .map((li) => Number(li.dataset.entry)),
      stops: document.querySelectorAll('[role="treeitem"][tabindex="0"]')
        .length,
    };
  });
}

async function keyboardAndSearch(browser, problems) {
  const tab = await browser.newPage();
  const url = site(worked);
  await tab.goto(url);
  // A first visit opens what fits on the screen; the walk starts closed.
  if ((await focused(tab)).open.join() !== '1')
    problems.push('the first screen did not open its folders');
  await tab.click('#close-all');
  await tab.focus('#more-button');
  await tab.keyboard.press('Tab');
  for (const [key, name, open] of walk) {
    if (key === 'pause') { // type-ahead forgets after half a second
      await tab.waitForTimeout(600);
      continue;
    }
    await tab.keyboard.press(key);
    const f = await focused(tab);
    if (f.name !== name || (open && f.open.join() !== open.join()) ||
        f.stops !== 1)
      problems.push(`after ${key}: ${JSON.stringify(f)}, want ${name} ${open}`);
  }
  await tab.keyboard.press('ArrowRight'); // News stays open across a reload
  // A row focused otherwise (as a screen reader may) is the one keys act on.
  await tab.evaluate(() => document.querySelector('[data-entry="3"]').focus());
  await tab.keyboard.press('Enter');
  if ((await focused(tab)).open.join() !== '1,3')
    problems.push('Enter did not act on the row with the focus');
  await tab.keyboard.press('Enter');
  await tab.keyboard.press('/');
  await tab.keyboard.type('TOWN');
  const hit = await tab.evaluate(() => [...document.querySelectorAll(
    '#hits li')].map((li) => li.textContent).join('|'));
  if (hit !== 'TownNews \u203a Local') problems.push(`search found ${hit}`);
  await tab.keyboard.press('ArrowDown');
  if (await tab.evaluate(() => document.activeElement.textContent) !== 'Town')
    problems.push('the hit is not reachable by keyboard');
  await tab.fill('#search', '');
  const back = await focused(tab);
  if (!(await shown((f, a) => tab.evaluate(f, a))).tree ||
      back.open.join() !== '1')
    problems.push('clearing the search did not bring the tree back');
  await tab.goto(url);
  if ((await focused(tab)).open.join() !== '1')
    problems.push('open folders were not kept across a reload');
  await tab.goto(url + '#entry-4');
  const deep = await focused(tab);
  if (deep.name !== 'Town' || deep.open.join() !== '1,3')
    problems.push(`#entry-4 gave ${JSON.stringify(deep)}`);
  // Collapsed under the focus, the Tab stop goes to the nearest row seen.
  await tab.click('#close-all');
  await tab.focus('#more-button');
  await tab.keyboard.press('Tab');
  const after = await focused(tab);
  if (after.name !== 'News' || after.stops !== 1)
    problems.push(`after Collapse all: ${JSON.stringify(after)}`);
  await tab.close();
}

// Search folds as find-in-page does (the model's test has the cases);
// each query finds the titles listed.
const folds = [
  ['cafe creme', ['Café Crème brûlée']], ['resume nothing', []],
  ['news.example', ['Daily']],
];
const foldHtml = '<DL><p>\n<DT><H3 ADD_DATE="1">Tools</H3>\n<DL><p>\n' +
  '<DT><A HREF="javascript:void(alert(\'' + 'x'.repeat(600) + '\'))">Share' +
  '</A>\n<DT><A HREF="https://example.org/c">Café Crème brûlée</A>\n' +
  '<DT><A HREF="https://example.org/u">Ärger über Straße</A>\n' +
  '<DT><A HREF="https://example.org/r">naïve résumé tips</A>\n' +
  '<DT><A HREF="https://example.org/a">Æsop</A>\n</DL><p>\n' +
  '<DT><A HREF="https://news.example.com/today">Daily</A>\n</DL><p>\n';

async function searchKeysAndCopy(browser, problems) {
  const tab = await browser.newPage({ viewport: { width: 390, height: 844 } });
  await tab.goto(site(foldHtml) + '#open');
  // Phone first: the first bookmark in the top 40% of the screen.
  const first = await tab.evaluate(() => document.querySelector(
    '[role="treeitem"]').getBoundingClientRect().top);
  if (first > 0.4 * 844) problems.push(`first row at ${first} px`);
  const hit = () => tab.evaluate(() => [...document.querySelectorAll(
    '#hits li a')].map((a) => a.textContent));
  for (const [query, want] of folds) {
    await tab.fill('#search', query);
    if ((await hit()).join('|') !== want.join('|'))
      problems.push(`${query} found ${await hit()}`);
  }
  const marks = await tab.evaluate(() => [...document.querySelectorAll(
    '#hits mark')].map((m) => m.textContent));
  if (marks.join() !== 'news.example') problems.push(`marked ${marks}`);
  // The bookmarklet: one row, inert, tagged, with Copy.
  await tab.fill('#search', '');
  const b = await tab.evaluate(() => {
    const row = document.querySelector('.inert');
    return { h: row.offsetHeight, live: !!document.querySelector(
      '[href^="javascript"]'), tag: row.textContent };
  });
  if (b.h > 40 || b.live || !/bookmarklet/.test(b.tag))
    problems.push(`bookmarklet ${JSON.stringify(b)}`);
  // Copy, with the clipboard open and refused: the address is copied, or
  // else selected; by the button or by c.
  for (const [open, said, how] of [[true, /Copied/, '.inert .copy'],
    [false, /selected/, 'c']]) {
    await tab.evaluate((yes) => {
      navigator.clipboard.writeText = (text) => yes
        ? Promise.resolve(window.copied = text) : Promise.reject(new Error());
      window.copied = '';
    }, open);
    if (how === 'c') await tab.keyboard.press('c');
    else await tab.click(how);
    const got = await tab.evaluate(() => window.copied ||
      String(getSelection()));
    if (!said.test(await tab.textContent('#status')) ||
        !got.startsWith('javascript:void'))
      problems.push(`Copy: ${await tab.textContent('#status')} ${got}`);
  }
  // 5,000 hits, every one reachable; Escape back, and again to clear.
  const many = '<DL><p>\n' + Array.from({ length: 5000 }, (_, i) =>
    `<DT><A HREF="https://example.org/${i}">page ${i + 1}</A>\n`).join('') +
    '</DL><p>\n';
  await tab.goto(site(many));
  await tab.fill('#search', 'page');
  const keys = [['ArrowDown', 'page 1'], ['End', 'page 5000'],
    ['PageUp', /^page 49\d\d$/], ['Home', 'page 1'], ['ArrowDown', 'page 2'],
    ['Escape', '']];
  for (const [key, want] of keys) {
    await tab.keyboard.press(key);
    const at = await tab.evaluate(() => document.activeElement.id ||
      document.activeElement.textContent);
    if (!(want instanceof RegExp ? want.test(at) : at === (want || 'search')))
      problems.push(`${key} went to ${at}`);
  }
  if (!/5,000 matches/.test(await tab.textContent('#hits-count')))
    problems.push('count: ' + await tab.textContent('#hits-count'));
  await tab.keyboard.press('Escape');
  if (await tab.inputValue('#search') !== '') problems.push('not cleared');
  await tab.close();
}

// A legacy menu read in another charset with "Read as…", the choice kept
// for that menu across a reload, and given back.
async function readAs(browser, problems) {
  const tab = await browser.newPage();
  await tab.goto(site(fs.readFileSync(path.join(__dirname,
    'data/legacy-gbk.html'))));
  const first = () => tab.textContent('[role="treeitem"] .title');
  if (await first() !== '收藏夹') problems.push(`read as ${await first()}`);
  await tab.click('#more-button');
  await tab.selectOption('#read-as', 'big5');
  await tab.waitForFunction(() => document.querySelector(
    '[role="treeitem"] .title').textContent !== '收藏夹');
  const big5 = await first();
  await tab.reload();
  if (await first() !== big5 || await tab.inputValue('#read-as') !== 'big5')
    problems.push('the choice was not kept');
  await tab.click('#more-button');
  await tab.selectOption('#read-as', '');
  await tab.waitForFunction(() => document.querySelector('#read-as')
    .options[0].textContent === 'Automatic (Chinese, simplified (GBK))');
  problems.push(...await violations(tab));
  await tab.close();
}

// The browser's language: no English word of the interface left, in
// either direction; axe right to left; the tree's keys mirrored there; the
// help key and the C key of an Arabic layout.
async function speaks(browser, problems) {
  const url = site(foreignMenu);
  for (const [lang, dir, own] of languages) {
    const context = await browser.newContext({ locale: lang,
      viewport: { width: 1000, height: 800 } });
    const tab = await context.newPage();
    await tab.goto(url + '#open');
    const root = await tab.evaluate(() => [document.documentElement.lang,
      document.documentElement.dir]);
    if (root.join() !== [own, dir].join()) problems.push(`${lang}: ${root}`);
    const left = await tab.evaluate(englishShown);
    await tab.screenshot({ path: path.join(outdir, `menu-${lang}.png`) });
    if (dir === 'rtl') problems.push(...await violations(tab));
    left.push(...await tab.evaluate(englishShown, '\u0430'));
    if (!/\u0430/.test(await tab.textContent('#hits')))
      problems.push(`${lang}: no matches`);
    if (dir === 'rtl') {
      problems.push(...await violations(tab));
      await tab.screenshot({ path: path.join(outdir, `menu-${lang}-hits.png`) });
    }
    if (left.length) problems.push(`${lang} shows ${left.slice(0, 3)}`);
    await context.close();
  }
  const context = await browser.newContext({ locale: 'ar' });
  const tab = await context.newPage();
  await tab.goto(site(worked));
  await tab.click('#close-all');
  await tab.focus('#more-button');
  await tab.keyboard.press('Tab');
  for (const [key, name, open] of rtlWalk) {
    await tab.keyboard.press(key);
    const f = await focused(tab);
    if (f.name !== name || (open && f.open.join() !== open.join()))
      problems.push(`rtl ${key}: ${JSON.stringify(f)}, want ${name} ${open}`);
  }
  // An Arabic layout's help key, as it sends it: ؟ where ? is.
  await tab.evaluate(() => document.activeElement.dispatchEvent(
    new KeyboardEvent('keydown', { key: '\u061f', bubbles: true })));
  if (!await tab.evaluate(() => document.getElementById('more').classList
    .contains('open'))) problems.push('\u061f did not open the help');
  // Another language chosen under More: every word at once, and kept for
  // this page across a reload.
  await tab.selectOption('#language', 'ru');
  const relabelled = await tab.evaluate(englishShown);
  if (relabelled.length) problems.push(`in ru at once: ${relabelled[0]}`);
  await tab.reload();
  const kept = await tab.evaluate(() => [document.documentElement.lang,
    document.getElementById('open-all').textContent]);
  if (kept[0] !== 'ru' || kept[1] === 'Expand all')
    problems.push(`chosen ru, then ${kept}`);
  // Copy by the key where C is, which an Arabic layout sends as ؤ.
  await tab.focus('#more-button');
  await tab.keyboard.press('Tab');
  await tab.keyboard.press('ArrowDown'); // to Search, a link
  await tab.evaluate(() => {
    navigator.clipboard.writeText = (text) =>
      Promise.resolve(window.copied = text);
    document.querySelector('[role="treeitem"][tabindex="0"]').dispatchEvent(
      new KeyboardEvent('keydown', { key: '\u0624', code: 'KeyC',
        bubbles: true }));
  });
  await tab.waitForFunction(() => window.copied, null, { timeout: 3000 })
    .catch(() => problems.push('the C key of an Arabic layout did not copy'));
  await context.close();
}

// menu.html?q=: the search filled in, its matches shown, and Enter opens
// the first: a folder is shown in the tree.
async function addressSearch(browser, problems) {
  const tab = await browser.newPage();
  // Chrome writes a space as +, Firefox as %20.
  await tab.goto(site(worked).replace('menu.html', 'menu.html?q=lo+cal'));
  const hits = await tab.evaluate(() => [document.getElementById('search')
    .value, [...document.querySelectorAll('#hits li')].map((li) =>
    li.textContent).join('|')]);
  if (hits.join() !== 'lo cal,LocalFolder in News')
    problems.push(`?q=lo+cal gave ${hits}`);
  await tab.keyboard.press('Enter');
  const f = await focused(tab);
  if (f.name !== 'Local') problems.push(`Enter went to ${f.name}`);
  await tab.close();
}

// Hostile state: junk in storage, a chain of 20,000 folders.
async function edges(browser, problems) {
  const tab = await browser.newPage();
  const url = site(worked);
  await tab.goto(url);
  const key = await tab.evaluate(() => 'bookmarks2menu:open:' +
    location.href.replace(/[?#].*$/, '') + ':5');
  for (const junk of ['{', '"x"', '[1e300]', '[3, 3, 3, 3, 3]', '[2]',
    JSON.stringify(Array(100000).fill(1)), '[1, null]']) {
    await tab.evaluate(([k, v]) => localStorage.setItem(k, v), [key, junk]);
    await tab.reload();
    const rows = await tab.evaluate(() =>
      document.querySelectorAll('[role="treeitem"]').length);
    if (rows !== 2) problems.push(`${junk.slice(0, 20)}: ${rows} rows`);
  }
  // A kept menu that is junk is dropped, and the page says what is missing.
  await tab.goto(site('', null));
  await tab.evaluate(() => new Promise((done) => {
    const open = indexedDB.open('bookmarks2menu', 1);
    open.onupgradeneeded = () => open.result.createObjectStore('menus');
    open.onsuccess = () => {
      const t = open.result.transaction('menus', 'readwrite');
      t.objectStore('menus').put({ bytes: 'ref[1] = 1', name: 7 }, 'last');
      t.oncomplete = () => { open.result.close(); done(); };
    };
  }));
  await tab.reload();
  await tab.waitForTimeout(300);
  if (!/no menu here yet/.test(await tab.textContent('#status')))
    problems.push('kept junk: ' + await tab.textContent('#status'));
  // A remembered charset that "Read as…" does not offer is not taken.
  await tab.goto(url);
  await tab.evaluate(() => localStorage.setItem('bookmarks2menu:charset:' +
    location.href.replace(/[?#].*$/, '') + ':6', 'utf-16'));
  await tab.reload();
  if (await tab.evaluate(() => document.querySelectorAll('[role="treeitem"]')
    .length < 2 || document.getElementById('read-as-box').hidden))
    problems.push('a stored utf-16 jammed the page');
  // Marking a match costs one pass however many matches a value holds.
  await tab.goto(site('', "ref[1] = 'https://example.org/" +
    'x'.repeat(300000) + "'; nam[1] = 'x'; par[1] = 0; var MAX = 2;"));
  const took = await tab.evaluate(() => {
    const s = performance.now(), field = document.getElementById('search');
    field.value = 'x';
    field.dispatchEvent(new Event('input'));
    return performance.now() - s;
  });
  if (took > 2000) problems.push(`a long value took ${took} ms to mark`);
  const chain = [];
  for (let i = 1; i <= 20000; i++)
    chain.push(`ref[${i}] = '.'; nam[${i}] = 'Level ${i}'; par[${i}] = ${i - 1};`);
  chain.push("ref[20001] = 'https://example.org/'; nam[20001] = 'Deepest';" +
    'par[20001] = 20000; var MAX = 20002;');
  const deep = site('', chain.join('\n'));
  for (const [hash, query] of [['#entry-20001'], ['#open', 'deepest']]) {
    await tab.goto(deep + hash);
    if (query) await tab.fill('#search', query);
    const got = await tab.evaluate((q) => q ? document.querySelector(
      '#hits a').textContent : document.activeElement.textContent, query)
      .catch((e) => e.message);
    if (!/Deepest/.test(got)) problems.push(`deep ${hash}: ${got}`);
  }
  await tab.close();
}

// Served over http under `default-src 'self'`: the viewer works and
// nothing but the converter's probe is refused on load; the converter is
// not offered, and where the box would be the page says why. A kept menu
// shows there too: it is read, not run from a blob.
async function strictPolicy(browser, problems) {
  const server = await serve(path.dirname(site(worked).slice(7)));
  const bare = await serve(path.dirname(site('', null).slice(7)));
  const tab = await browser.newPage();
  const refused = [];
  tab.on('console', (m) => /Content Security Policy|Refused/.test(m.text()) &&
    !/WebAssembly/.test(m.text()) && refused.push(m.text()));
  await tab.goto(`http://127.0.0.1:${server.address().port}/menu.html`);
  if (refused.length) problems.push('refused: ' + refused[0]);
  if (await tab.evaluate(() => document.querySelectorAll(
    '[role="treeitem"]').length) !== 4) problems.push('no tree');
  if (fs.existsSync(wasm) && await tab.evaluate(() =>
    document.getElementById('file-again').checkVisibility() ||
    !document.getElementById('convert-again').hidden))
    problems.push('the converter was offered');
  await tab.goto(`http://127.0.0.1:${bare.address().port}/menu.html`);
  if (fs.existsSync(wasm) && !/not allowed/.test(
    await tab.textContent('#blocked'))) problems.push('blocked not said');
  const bytes = [...Buffer.from(workedMenu, 'latin1')];
  await tab.evaluate((b) => new Promise((done) => {
    const open = indexedDB.open('bookmarks2menu');
    open.onupgradeneeded = () => open.result.createObjectStore('menus');
    open.onsuccess = () => {
      const t = open.result.transaction('menus', 'readwrite');
      t.objectStore('menus').put({ bytes: new Uint8Array(b), name: 'w.html',
        declared: null, chosen: null, at: 1 },
      'page:' + location.href.replace(/[?#].*$/, ''));
      t.oncomplete = () => { open.result.close(); done(); };
    };
  }), bytes);
  await tab.reload();
  await tab.waitForFunction(() => document.querySelectorAll(
    '[role="treeitem"]').length === 4, null, { timeout: 5000 })
    .catch(async () => problems.push('kept menu not shown: ' +
      await tab.textContent('#status')));
  if (refused.length) problems.push('refused: ' + refused[0]);
  await tab.close();
  server.close();
  bare.close();
}

// Kept means kept: a database of a newer version is recovered; a kept
// menu is this page's alone; a planted one is refused, never run; beside
// a menu.js, a converted menu is said to last until the page is left.
async function keptTruth(browser, problems) {
  const tab = await browser.newPage();
  const [one, two] = [site('', null), site('', null)];
  await tab.goto(one);
  await tab.evaluate(() => new Promise((done) => {
    const open = indexedDB.open('bookmarks2menu', 9);
    open.onupgradeneeded = () => {
      const db = open.result;
      if (db.objectStoreNames.contains('menus')) db.deleteObjectStore('menus');
    };
    open.onsuccess = () => { open.result.close(); done(); };
  }));
  const status = () => tab.textContent('#status');
  await tab.setInputFiles('#file', path.join(__dirname, 'data/worked.html'));
  await tab.waitForFunction(() => /^Converted/.test(
    document.getElementById('status').textContent));
  if (!/keeps the menu/.test(await status()))
    problems.push('newer database: ' + await status());
  await tab.goto(two);
  await tab.waitForTimeout(300);
  if (!/no menu here yet/.test(await status()))
    problems.push('another page showed: ' + await status());
  await tab.goto(one);
  await tab.waitForFunction(() => /kept in this browser/.test(
    document.getElementById('status').textContent));
  await tab.goto(two);
  await tab.evaluate(plant);
  await tab.reload();
  await tab.waitForFunction(() => /damaged/.test(
    document.getElementById('status').textContent), null, { timeout: 5000 })
    .catch(() => {});
  if (!/damaged/.test(await status()) || await tab.evaluate(() =>
    window.__pwn !== undefined || !!document.querySelector(
      '[role="treeitem"]'))) problems.push('planted: ' + await status());
  await tab.goto(site(worked));
  await tab.click('#more-button');
  await tab.setInputFiles('#file-again', path.join(__dirname,
    '../examples/bookmarks.html'));
  await tab.waitForFunction(() => /^Converted/.test(
    document.getElementById('status').textContent));
  if (!/until you leave/.test(await status()) || await tab.evaluate(() =>
    document.getElementById('more').classList.contains('open') ||
    document.getElementById('back-beside').hidden))
    problems.push('beside: ' + await status());
  await tab.close();
}

// Each export opened in the page, converted there and saved: the bytes
// must be the command line's. The save dialog is stood in for; one save
// is a download, as where the browser has no such dialog.
async function convertInPage(browser, problems) {
  const tab = await browser.newPage({ acceptDownloads: true });
  tab.on('request', (r) => {
    if (!/^(file|blob|data):/.test(r.url())) problems.push('request ' + r.url());
  });
  await tab.goto(site('', null));
  await tab.evaluate(() => {
    window.showSaveFilePicker = async () => ({ createWritable: async () => ({
      write: async (b) => {
        window.saved = Array.from(new Uint8Array(await b.arrayBuffer()));
      },
      close: async () => {} }) });
  });
  const empty = path.join(work, 'no-entries.html');
  fs.writeFileSync(empty, '<TITLE>Bookmarks</TITLE>\n<DL><p>\n</DL><p>\n');
  let last = null;
  for (const file of [...files, empty]) {
    await tab.evaluate(() => { window.saved = null; });
    await tab.setInputFiles('#file', file);
    await tab.waitForFunction((name) => {
      const said = document.getElementById('status').textContent +
        document.getElementById('details-text').textContent;
      return /^(Converted|This file holds no bookmarks)/.test(said) &&
        said.includes(name);
    }, path.basename(file));
    // A menu with no entry is not offered to save: Save, if there, is
    // still the menu shown before's.
    if (/no bookmarks/.test(await tab.textContent('#status'))) {
      if (!/^var MAX = 1;/.test(menuOf(fs.readFileSync(file))) ||
          await tab.evaluate(() => document.getElementById('save')
            .checkVisibility()) !== (last !== null))
        problems.push(`${path.basename(file)} empty`);
      continue;
    }
    last = file;
    await tab.click('#save');
    await tab.waitForFunction(() => window.saved);
    const saved = Buffer.from(await tab.evaluate(() => window.saved));
    if (!saved.equals(Buffer.from(menuOf(fs.readFileSync(file)), 'latin1')))
      problems.push(`${path.basename(file)} differs`);
  }
  await tab.evaluate(() => { window.showSaveFilePicker = undefined; });
  const [download] = await Promise.all([tab.waitForEvent('download'),
    tab.click('#save')]);
  if (!fs.readFileSync(await download.path()).equals(Buffer.from(
    menuOf(fs.readFileSync(last)), 'latin1'))) problems.push('download');
  // Trail bytes 0x5C converted here are read as data: each title whole.
  for (const [charset, html] of backslashExports()) {
    const file = path.join(work, `slash-${charset}.html`);
    fs.writeFileSync(file, html);
    await tab.setInputFiles('#file', file);
    // Converted, not still converting: the menu shown is this file's.
    await tab.waitForFunction((name) => {
      const said = document.getElementById('status').textContent;
      return /^Converted/.test(said) && said.includes(name);
    }, path.basename(file));
    await tab.click('#open-all');
    const before = problems.length;
    checkEntries(evaluate(menuOf(html)), (await shown((f, a) =>
      tab.evaluate(f, a))).entries, problems, charset);
    if (problems.length > before) problems.push(`in the page: ${charset}`);
  }
  // The page as it stands in the source tree, unbuilt, converts too.
  const source = pages(converter, path.join(__dirname, '../web'));
  const example = path.join(__dirname, '../examples/bookmarks.html');
  await tab.goto(source.site('', null));
  await tab.evaluate(() => { window.showSaveFilePicker = undefined; });
  const [fromSource] = await Promise.all([tab.waitForEvent('download'),
    tab.setInputFiles('#file', example).then(() => tab.click('#save'))]);
  if (!fs.readFileSync(await fromSource.path()).equals(Buffer.from(
    menuOf(fs.readFileSync(example)), 'latin1')))
    problems.push('the source tree\'s page');
  source.done();
  await tab.close();
}

// In the page: a stand-in for the browser's file dialog, handing back one
// handle whose file is read anew each time, with the permission and the
// presence set on window.handle; the dialogs opened and the permissions
// asked for are counted.
function standInPicker(name) {
  const handle = window.handle = { kind: 'file', name, bytes: [],
    permission: 'granted', answer: 'granted', gone: false, asked: 0,
    queryPermission: async () => handle.permission,
    requestPermission: async () => { handle.asked++; return handle.answer; },
    getFile: async () => {
      if (handle.gone) throw new DOMException('gone', 'NotFoundError');
      return new File([new Uint8Array(handle.bytes)], name);
    } };
  window.picked = 0;
  window.showOpenFilePicker = async () => { window.picked++; return [handle]; };
}

// Where a handle is handed: a store opened through the dialog, then
// "Convert again" by keyboard, read anew each time as the permission and
// the file allow; after a refusal or a file gone, the dialog again. Each
// step: the handle's changes, the status, the dialogs opened and the
// permissions asked for so far, and what Convert again says it does.
async function convertAgain(browser, problems) {
  if (!fs.existsSync(wasm)) return;
  const { opened, cut } = stores(work);
  const bytes = (f) => [...fs.readFileSync(f)];
  const steps = [
    [{ bytes: bytes(opened[1].file) }, /^Converted/, 1, 0, /Reads/],
    [{ permission: 'prompt' }, /^Converted/, 1, 1, /Reads/],
    [{ answer: 'denied' }, /did not allow/, 1, 2, /Asks you/],
    [{ permission: 'granted' }, /^Converted/, 2, 2, /Reads/],
    [{ gone: true }, /no longer where it was/, 2, 2, /Asks you/],
    [{ gone: false, bytes: bytes(cut) }, /^Bookmarks could not be read/, 3, 2,
      /Reads/],
  ];
  const tab = await browser.newPage();
  await tab.goto(site('', null));
  const said = () => tab.waitForFunction(() => {
    const s = document.getElementById('status').textContent;
    return !/^Converting/.test(s) && s;
  }, null, { timeout: 10000 }).then((h) => h.jsonValue(), () => 'nothing');
  // A store with no extension dropped on the page.
  await tab.evaluate((b) => {
    const data = new DataTransfer();
    data.items.add(new File([new Uint8Array(b)], 'Bookmarks'));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data,
      bubbles: true, cancelable: true }));
  }, bytes(opened[0].file));
  if (!/^Converted Bookmarks/.test(await said()))
    problems.push('dropped: ' + await tab.textContent('#status'));
  await tab.evaluate(standInPicker, 'Bookmarks');
  await tab.evaluate((b) => { window.handle.bytes = b; },
    bytes(opened[0].file));
  await tab.click('#more-button');
  await tab.click('label[for="file-again"]');
  if (!/^Converted Bookmarks/.test(await said()))
    problems.push('dialog: ' + await tab.textContent('#status'));
  let count = await tab.textContent('#count');
  for (const [change, status, picked, asked, note] of steps) {
    await tab.evaluate((c) => {
      Object.assign(window.handle, c);
      document.getElementById('status').textContent = '';
    }, change);
    await tab.focus('#again');
    await tab.keyboard.press('Enter');
    const now = [await said(), ...await tab.evaluate(() =>
      [window.picked, window.handle.asked]), await tab.evaluate(againShown)];
    if (!status.test(now[0]) || now[1] !== picked || now[2] !== asked ||
        !note.test(now[3]))
      problems.push(`${Object.keys(change)}: ${now.join(' | ')}`);
    // A new file read gives a new count; anything else keeps the menu.
    const counted = await tab.textContent('#count');
    const fresh = !!change.bytes && status.test('Converted');
    if (!counted || fresh === (counted === count))
      problems.push(`${now[0]}: counted ${counted}`);
    count = counted;
  }
  problems.push(...await violations(tab));
  await tab.screenshot({ path: path.join(outdir, 'menu-again.png') });
  // Said again, with the file's name, in another language.
  await tab.click('#more-button');
  await tab.selectOption('#language', 'de');
  if (await tab.textContent('#again-note') !==
    'Liest Bookmarks neu von seinem Ort.')
    problems.push('in de: ' + await tab.textContent('#again-note'));
  await tab.close();
}

async function main() {
  const browser = await playwright.chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
  let failed = 0;
  const verdict = (what, problems) => {
    if (problems.length) failed++;
    console.log(`${problems.length ? 'FAIL' : 'ok  '} ${what}` +
      (problems.length ? ': ' + problems.slice(0, 5).join('; ') : ''));
  };
  try {
    for (const p of cases) {
      const tab = await browser.newPage({
        viewport: { width: p.narrow ? 390 : 1000, height: 800 } });
      await tab.goto(p.url);
      await tab.waitForFunction(() => !/^Reading/.test(document
        .getElementById('status').textContent), null, { timeout: 5000 })
        .catch(() => {});
      const s = await shown((f, a) => tab.evaluate(f, a));
      const problems = await violations(tab);
      if (p.menu) checkEntries(p.menu, s.entries, problems, p.written);
      if (p.status && !p.status.test(s.status))
        problems.push(`status: ${s.status}`);
      if (p.details && !p.details.test(s.details))
        problems.push(`details: ${s.details}`);
      if (p.titles && s.entries.map((e) => e.name).join('|') !==
          p.titles.join('|')) problems.push(`titles: ${s.entries.map((e) =>
        e.name)}`);
      if (p.tree !== undefined && s.tree !== p.tree) problems.push('tree');
      if (p.rows !== undefined && s.entries.length !== p.rows)
        problems.push(`${s.entries.length} rows`);
      for (const sel of p.hidden || [])
        if (await tab.evaluate((q) => document.querySelector(q)
          .checkVisibility(), sel)) problems.push(sel + ' shown');
      if (p.search) {
        await tab.fill('#search', p.search);
        if (!(await tab.textContent('#hits-count')).includes('match'))
          problems.push('search: ' + await tab.textContent('#hits-count'));
      }
      if (s.markup) problems.push('a title became markup');
      if (p.decodes) {
        const otherwise = await tab.evaluate(decodedOtherwise);
        if (otherwise.length) problems.push('decoded otherwise: ' + otherwise);
      }
      if (p.narrow && await tab.evaluate(() =>
        document.documentElement.scrollWidth > 390)) problems.push('overflow');
      verdict(p.what, problems);
      await tab.close();
    }
    for (const [what, check] of [
      ['keys, search, deep link, kept folders', keyboardAndSearch],
      ['folding search, hit keys, phone, bookmarklet Copy', searchKeysAndCopy],
      ['Read as… another charset, kept for the menu', readAs],
      ['in Japanese, Russian and Arabic, right to left', speaks],
      ['search from the address', addressSearch],
      ['junk in storage, 20,000 levels', edges],
      ["default-src 'self' over http", strictPolicy],
      ['kept means kept, planted refused, one per page', keptTruth],
      ["Convert again where the browser hands the file's handle",
        convertAgain]]) {
      const problems = [];
      await check(browser, problems);
      verdict(what, problems);
    }

    if (fs.existsSync(wasm)) {
      const converted = [];
      await convertInPage(browser, converted);
      verdict(`${files.length} exports converted in the page`, converted);
    }
    const tab = await browser.newPage({ viewport: { width: 1280, height: 800 } });
    const example = path.join(__dirname, '../examples/bookmarks.html');
    const url = site(fs.readFileSync(example));
    await tab.goto(url + '#open');
    await tab.screenshot({ path: path.join(outdir, 'menu.png') });
    await tab.emulateMedia({ colorScheme: 'dark' });
    const dark = await tab.evaluate(() =>
      getComputedStyle(document.body).backgroundColor);
    const darkProblems = await violations(tab);
    if (!/rgb\((\d|[1-5]\d),/.test(dark)) darkProblems.push(`background ${dark}`);
    await tab.screenshot({ path: path.join(outdir, 'menu-dark.png') });
    verdict('dark mode', darkProblems);
    await tab.setViewportSize({ width: 390, height: 844 });
    await tab.screenshot({ path: path.join(outdir, 'menu-phone-dark.png') });
    await tab.emulateMedia({ colorScheme: 'light' });
    await tab.screenshot({ path: path.join(outdir, 'menu-phone.png') });
    await tab.fill('#search', 'a');
    darkProblems.push(...await violations(tab));
    await tab.screenshot({ path: path.join(outdir, 'menu-hits.png') });
    await tab.goto(url.replace('menu.html', 'menu.html?closed'));
    await tab.evaluate(() => localStorage.clear());
    await tab.reload();
    await tab.emulateMedia({ media: 'print' });
    await tab.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    const printed = await tab.evaluate(() => [...document.querySelectorAll(
      '[data-entry], button, .address')].filter((e) => e.checkVisibility())
      .map((e) => e.tagName + (e.className === 'address' ? e.textContent
        : '')).join(' '));
    const menu = evaluate(menuOf(fs.readFileSync(example)));
    const want = menu.ref.slice(1).map((r) => r === '.' ? 'DIV'
      : 'DIV SPAN' + r.replace(/&amp;/g, '&')).join(' ');
    verdict('print shows every entry with its address and no controls',
      printed === want ? [] : [`printed ${printed}`]);
  } finally {
    await browser.close();
    done();
  }
  const all = cases.length + 10 + (fs.existsSync(wasm) ? 1 : 0);
  console.log(`${all - failed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

main().catch((e) => {
  console.log('FAIL ' + (e.stack || e));
  console.log('0 passed, 1 failed');
  process.exit(1);
});
