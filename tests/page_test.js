// The page in real Chromium: every entry once under its parent with its
// title decoded as text, script addresses inert, the tree view's keys,
// search, every state, dark mode, phone width, deep links, and no axe-core
// violation anywhere. Screenshots go to OUTDIR. Where the page has its
// converter beside it, every export converted in the page must give the
// command line's bytes, with no request leaving the machine.
// Usage: node page_test.js CONVERTER PAGE OUTDIR EXPORT...
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { bytes, evaluate } = require('./menu_tools');

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

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-page-'));
const wasm = path.join(path.dirname(page), 'bookmarks2menu-wasm.js');
let made = 0;
// A folder with the page and, unless `menu` is null, a menu.js: the
// converter's for `html`, or `menu` itself.
function site(html, menu) {
  const dir = path.join(work, String(made++));
  fs.mkdirSync(dir);
  fs.copyFileSync(page, path.join(dir, 'menu.html'));
  if (fs.existsSync(wasm))
    fs.copyFileSync(wasm, path.join(dir, 'bookmarks2menu-wasm.js'));
  if (menu === undefined) {
    fs.writeFileSync(path.join(dir, 'in.html'), html);
    execFileSync(path.resolve(converter), ['in.html'], { cwd: dir });
  } else if (menu !== null) {
    fs.writeFileSync(path.join(dir, 'menu.js'), menu);
  }
  return 'file://' + path.join(dir, 'menu.html');
}

const worked = fs.readFileSync(path.join(__dirname, 'data/worked.html'));
const long = 'x'.repeat(300);
const untitled = '<DL><p>\n<DT><H3 ADD_DATE="1"></H3>\n<DL><p>\n' +
  '<DT><A HREF="https://example.org/untitled"></A>\n</DL><p>\n' +
  `<DT><A HREF="https://example.org/${long}">${long}</A>\n</DL><p>\n`;
const menuOf = (html) => {
  const dir = path.join(work, 'm' + made++);
  fs.mkdirSync(dir);
  fs.writeFileSync(path.join(dir, 'in.html'), html);
  execFileSync(path.resolve(converter), ['in.html'], { cwd: dir });
  return fs.readFileSync(path.join(dir, 'menu.js'), 'latin1');
};
const workedMenu = menuOf(worked);

// What the page shows: the status line, and for each entry built, its
// enclosing entry, its name and whether it is a live link.
async function shown(tab) {
  return tab.evaluate(() => ({
    status: document.getElementById('status').textContent,
    tree: !!document.getElementById('menu').offsetHeight,
    markup: document.querySelectorAll('#menu img, #menu b').length,
    entries: [...document.querySelectorAll('li[data-entry]')].map((li) => {
      const up = li.parentElement.closest('li[data-entry]');
      return { entry: Number(li.dataset.entry),
               parent: up ? Number(up.dataset.entry) : 0,
               name: li.querySelector('.title').textContent,
               live: !!li.querySelector(':scope > a[href]') };
    }),
  }));
}

async function violations(tab) {
  await tab.addScriptTag({ content: axe.source });
  const result = await tab.evaluate(() => window.axe.run());
  return result.violations.map((v) => `${v.id} (${v.nodes.length})`);
}

// Each entry of the converted menu.js once, under its parent, named by
// its decoded title (or address), script addresses never live.
function checkEntries(menu, seen, problems) {
  const decoder = (t) => t.replace(/&(#x?[\da-f]+|\w+);/gi, (m, n) =>
    n[0] === '#' ? String.fromCodePoint(parseInt(n.slice(1).replace(/^x/i,
      '0x'))) : ({ amp: '&', lt: '<', gt: '>', quot: '"', apos: "'",
      eacute: '\u00e9', nbsp: '\u00a0', ndash: '\u2013' })[n] ?? m);
  const text = (v) => decoder(Buffer.from(v, 'latin1').toString());
  for (let i = 1; i < menu.MAX; i++) {
    const s = seen.filter((e) => e.entry === i);
    if (s.length !== 1) { problems.push(`entry ${i} shown ${s.length} times`);
      continue; }
    let want = text(menu.nam[i]);
    if (!want.trim() && menu.ref[i] !== '.') want = text(menu.ref[i]);
    if (!want.trim()) want = '(untitled)';
    if (s[0].name !== want) problems.push(`entry ${i} named ${s[0].name}`);
    if (s[0].parent !== menu.par[i]) problems.push(`entry ${i} misplaced`);
    const bare = text(menu.ref[i]).replace(/[\t\n\r]/g, '')
      .replace(/^[\x00-\x20]+/, '');
    if (menu.ref[i] !== '.' && s[0].live === /^(javascript|data|vbscript):/i
      .test(bare)) problems.push(`entry ${i} wrongly live or inert`);
  }
}

// The pages: each with what must hold of it.
const pages = [
  ...files.map((file) => ({
    what: path.basename(file), url: site(fs.readFileSync(file)) + '#open',
    menu: evaluate(menuOf(fs.readFileSync(file))),
  })),
  { what: 'empty menu', url: site('<DL><p>\n</DL><p>\n'),
    status: /The menu is empty/, tree: false },
  { what: 'untitled entries', url: site(untitled) + '#open',
    menu: evaluate(menuOf(untitled)), narrow: true },
  { what: 'no menu.js', url: site('', null),
    status: /convert a bookmarks file first.*bookmarks2menu bookmarks\.html/ },
  { what: 'menu.js without MAX', url: site('', workedMenu.replace(/var MAX.*/,
    '')), status: /incomplete.*5 entries/, tree: true },
  { what: 'menu.js that does not parse', url: site('', workedMenu.slice(0, 40)),
    status: /does not parse/, tree: false },
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
    const title = document.activeElement.querySelector('.title');
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
  await tab.focus('#close-all');
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
  if (!(await shown(tab)).tree || back.open.join() !== '1')
    problems.push('clearing the search did not bring the tree back');
  await tab.goto(url);
  if ((await focused(tab)).open.join() !== '1')
    problems.push('open folders were not kept across a reload');
  await tab.goto(url + '#entry-4');
  const deep = await focused(tab);
  if (deep.name !== 'Town' || deep.open.join() !== '1,3')
    problems.push(`#entry-4 gave ${JSON.stringify(deep)}`);
  await tab.close();
}

// Each export opened in the page, converted there and saved: the bytes
// must be the command line's.
async function convertInPage(browser, problems) {
  const tab = await browser.newPage({ acceptDownloads: true });
  tab.on('request', (r) => {
    if (!/^(file|blob|data):/.test(r.url())) problems.push('request ' + r.url());
  });
  await tab.goto(site('', null));
  const empty = path.join(work, 'no-entries.html');
  fs.writeFileSync(empty, '<TITLE>Bookmarks</TITLE>\n<DL><p>\n</DL><p>\n');
  for (const file of [...files, empty]) {
    await tab.setInputFiles('#file', file);
    await tab.waitForFunction((name) => document.getElementById('status')
      .textContent.includes(name), path.basename(file));
    const [saved] = await Promise.all([tab.waitForEvent('download'),
      tab.click('#save')]);
    if (!fs.readFileSync(await saved.path()).equals(Buffer.from(
      menuOf(fs.readFileSync(file)), 'latin1')))
      problems.push(`${path.basename(file)} differs`);
  }
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
    for (const p of pages) {
      const tab = await browser.newPage({
        viewport: { width: p.narrow ? 390 : 1000, height: 800 } });
      await tab.goto(p.url);
      const s = await shown(tab);
      const problems = await violations(tab);
      if (p.menu) checkEntries(p.menu, s.entries, problems);
      if (p.status && !p.status.test(s.status))
        problems.push(`status: ${s.status}`);
      if (p.tree !== undefined && s.tree !== p.tree) problems.push('tree');
      if (s.markup) problems.push('a title became markup');
      if (p.narrow && await tab.evaluate(() =>
        document.documentElement.scrollWidth > 390)) problems.push('overflow');
      verdict(p.what, problems);
      await tab.close();
    }
    const problems = [];
    await keyboardAndSearch(browser, problems);
    verdict('keys, search, deep link, kept folders', problems);

    if (fs.existsSync(wasm)) {
      const converted = [];
      await convertInPage(browser, converted);
      verdict(`${files.length} exports converted in the page`, converted);
    }
    const tab = await browser.newPage({ viewport: { width: 1000, height: 800 } });
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
    await tab.setViewportSize({ width: 390, height: 800 });
    await tab.emulateMedia({ colorScheme: 'light' });
    await tab.screenshot({ path: path.join(outdir, 'menu-phone.png'),
      fullPage: true });
    await tab.goto(url.replace('menu.html', 'menu.html?closed'));
    await tab.evaluate(() => localStorage.clear());
    await tab.reload();
    await tab.emulateMedia({ media: 'print' });
    await tab.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    const printed = await tab.evaluate(() => [...document.querySelectorAll(
      'li[data-entry], .tools')].filter((e) => e.offsetParent).length);
    const entries = evaluate(menuOf(fs.readFileSync(example))).MAX - 1;
    verdict('print shows every entry and no controls',
      printed === entries ? [] : [`${printed} shown of ${entries}`]);
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
  const all = pages.length + 3 + (fs.existsSync(wasm) ? 1 : 0);
  console.log(`${all - failed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

main().catch((e) => {
  console.log('FAIL ' + (e.stack || e));
  console.log('0 passed, 1 failed');
  process.exit(1);
});
