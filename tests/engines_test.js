// The page in Firefox ESR, over WebDriver BiDi with puppeteer-core, and in
// WebKitGTK's MiniBrowser, through WebKitWebDriver (run it under Xvfb):
// the menus shown entry by entry in their charsets, the tree's keys, deep
// links, search, remembered folders, converting from file:// with the
// command line's bytes, browsers' stores opened and "Convert again" asking
// for the file, the kept menu, print, a strict policy over http, the page
// in Japanese, Russian and Arabic, and ?q=. Chromium runs these and more
// in page_test.js.
// Usage: node engines_test.js CONVERTER PAGE ENGINE EXPORT...
'use strict';
const fs = require('fs');
const path = require('path');
const { spawn } = require('child_process');
const { evaluate } = require('./menu_tools');
const { pages, shown, serve, decodedOtherwise, foreignMenu, languages,
  englishShown, rtlWalk, backslashExports, slip, plant, stores, catchPicker,
  againShown } = require('./page_cases');

const [converter, page, engine, ...files] = process.argv.slice(2);
const skip = (why) => {
  console.log('SKIPPED: ' + why);
  process.exit(process.env.B2M_REQUIRE_BROWSER ? 1 : 77);
};

// ---- Two drivers, one face: goto, run (a function in the page), press,
// upload, close. -----------------------------------------------------------

async function firefox() {
  let puppeteer;
  try { puppeteer = require('puppeteer-core'); }
  catch { skip('npm ci has not been run (puppeteer-core)'); }
  const binary = process.env.FIREFOX || '/usr/bin/firefox-esr';
  if (!fs.existsSync(binary)) skip(`no ${binary} (Debian: firefox-esr)`);
  const browser = await puppeteer.launch({ browser: 'firefox',
    executablePath: binary, headless: true, protocol: 'webDriverBiDi' });
  const tab = await browser.newPage();
  return {
    goto: (url) => tab.goto(url),
    run: (fn, arg) => tab.evaluate(fn, arg),
    press: (key) => tab.keyboard.press(key),
    upload: async (selector, file) =>
      (await tab.$(selector)).uploadFile(file),
    close: () => browser.close(),
  };
}

// WebDriver's codes for the keys the tests press.
const keyCodes = { ArrowDown: '\uE015', ArrowUp: '\uE013',
  ArrowRight: '\uE014', ArrowLeft: '\uE012', Home: '\uE011', End: '\uE010',
  Enter: '\uE007', Escape: '\uE00C' };

async function webkit() {
  const binary = process.env.MINIBROWSER ||
    '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
  if (!fs.existsSync(binary)) skip(`no ${binary} (Debian: webkit2gtk-driver)`);
  if (!process.env.DISPLAY) skip('no display: run it under xvfb-run');
  const port = 4444 + (process.pid % 1000);
  const driver = spawn('WebKitWebDriver', [`--port=${port}`],
    { stdio: 'ignore' });
  const call = async (method, url, body) => {
    const r = await fetch(`http://127.0.0.1:${port}${url}`, { method,
      headers: { 'Content-Type': 'application/json' },
      body: body && JSON.stringify(body) });
    const { value } = await r.json();
    if (value && value.error) throw new Error(`${value.error}: ${value.message}`);
    return value;
  };
  let session;
  for (let tries = 0; !session; tries++) {
    try {
      session = (await call('POST', '/session', { capabilities: {
        alwaysMatch: { 'webkitgtk:browserOptions': { binary,
          args: ['--automation'] } } } })).sessionId;
    } catch (e) {
      if (tries > 50) throw e;
      await new Promise((done) => setTimeout(done, 200));
    }
  }
  const at = `/session/${session}`;
  return {
    goto: (url) => call('POST', at + '/url', { url }),
    run: (fn, arg) => call('POST', at + '/execute/async', { args: [],
      script: 'const done = arguments[arguments.length - 1];' +
        `Promise.resolve((${fn})(${JSON.stringify(arg)}))` +
        '.then(done, (e) => done({ failed: String(e) }));' }),
    press: (key) => call('POST', at + '/actions', { actions: [{
      type: 'key', id: 'keys', actions: [
        { type: 'keyDown', value: keyCodes[key] || key },
        { type: 'keyUp', value: keyCodes[key] || key }] }] }),
    upload: async (selector, file) => {
      const found = await call('POST', at + '/element',
        { using: 'css selector', value: selector });
      await call('POST', `${at}/element/${Object.values(found)[0]}/value`,
        { text: file });
    },
    close: async () => {
      await call('DELETE', at).catch(() => {});
      driver.kill();
    },
  };
}

// ---- The cases --------------------------------------------------------

const site = pages(converter, path.dirname(page));
const worked = fs.readFileSync(path.join(__dirname, 'data/worked.html'));
const wait = (ms) => new Promise((done) => setTimeout(done, ms));

// Waits until fn, run in the page, gives something true; that, or null.
async function until(b, fn, arg, seconds = 20) {
  for (let i = 0; i < seconds * 10; i++) {
    const got = await b.run(fn, arg);
    if (got) return got;
    await wait(100);
  }
  return null;
}

const focusedName = () => {
  const e = document.activeElement, t = e && e.querySelector('.title');
  return { name: t ? t.textContent : '', open: [...document.querySelectorAll(
    '[aria-expanded="true"]')].map((r) => Number(r.dataset.entry)).join() };
};

async function showsEntries(b, problems) {
  for (const file of files) {
    const bytes = fs.readFileSync(file);
    await b.goto(site.site(bytes) + '#open');
    await until(b, () => !!document.querySelector('[role="treeitem"]'));
    const s = await shown((fn, arg) => b.run(fn, arg));
    const before = problems.length;
    site.checkEntries(evaluate(site.menuOf(bytes)), s.entries, problems,
      site.writtenIn(file));
    if (problems.length > before)
      problems.splice(before, problems.length - before,
        `${path.basename(file)}: ${problems.slice(before, before + 3)}`);
  }
}

// Legacy values whose trail byte is a backslash, beside the page (run as
// bytes) and converted here (read as data); one bad byte in UTF-8; and a
// kept record that would run code, refused.
async function readsAsData(b, problems) {
  for (const [charset, html] of backslashExports()) {
    await b.goto(site.site(html) + '#open');
    await until(b, () => !!document.querySelector('[role="treeitem"]'));
    site.checkEntries(evaluate(site.menuOf(html)), (await shown((fn, arg) =>
      b.run(fn, arg))).entries, problems, charset);
    if (!fs.existsSync(site.wasm)) continue;
    const file = path.join(site.work, `slash-${charset}.html`);
    fs.writeFileSync(file, html);
    await b.goto(site.site('', null));
    await b.upload('#file', file);
    await until(b, () => /^Converted/.test(
      document.getElementById('status').textContent));
    await b.run(() => document.getElementById('open-all').click());
    site.checkEntries(evaluate(site.menuOf(html)), (await shown((fn, arg) =>
      b.run(fn, arg))).entries, problems, charset);
  }
  await b.goto(site.site('', slip[0]));
  await until(b, () => !!document.querySelector('[role="treeitem"]'));
  const names = (await shown((fn, arg) => b.run(fn, arg))).entries
    .map((e) => e.name);
  if (names.join('|') !== slip[1].join('|')) problems.push(`slip: ${names}`);
  const planted = site.site('', null);
  await b.goto(planted);
  await b.run(plant);
  await b.goto(planted + '?again');
  const said = await until(b, () => /damaged/.test(
    document.getElementById('status').textContent) &&
    window.__pwn === undefined && !document.querySelector('[role="treeitem"]'));
  if (!said) problems.push('planted: ' + await b.run(() =>
    document.getElementById('status').textContent));
}

// Keys from the first row, then a reload, a deep link and a search.
async function keysAndSearch(b, problems) {
  const url = site.site(worked);
  await b.goto(url);
  await until(b, () => !!document.querySelector('[role="treeitem"]'));
  await b.run(() => {
    document.getElementById('close-all').click();
    document.querySelector('[role="treeitem"][tabindex="0"]').focus();
  });
  const walk = [['ArrowDown', 'Search'], ['ArrowUp', 'News'],
    ['ArrowRight', 'News', '1'], ['ArrowRight', 'Today`s paper', '1'],
    ['End', 'Search'], ['Home', 'News']];
  for (const [key, name, open] of walk) {
    await b.press(key);
    const f = await b.run(focusedName);
    if (f.name !== name || (open && f.open !== open))
      problems.push(`after ${key}: ${JSON.stringify(f)}`);
  }
  await b.goto(url);
  await until(b, () => !!document.querySelector('[role="treeitem"]'));
  if ((await b.run(focusedName)).open !== '1')
    problems.push('open folders were not kept across a reload');
  await b.goto(url + '#entry-4');
  const deep = await until(b, () => document.activeElement.dataset.entry &&
    (document.activeElement.querySelector('.title') || {}).textContent);
  if (deep !== 'Town') problems.push(`#entry-4 focused ${deep}`);
  const hits = await b.run(() => {
    const field = document.getElementById('search');
    field.value = 'TOWN';
    field.dispatchEvent(new Event('input'));
    return [...document.querySelectorAll('#hits li')]
      .map((li) => li.textContent).join('|');
  });
  if (hits !== 'TownNews \u203a Local') problems.push(`search found ${hits}`);
}

// From file://, each export converted in the page and saved through a
// stand-in dialog gives the command line's bytes; the last is kept, and
// shows again where this browser can keep it.
async function convertsAndKeeps(b, problems) {
  const url = site.site('', null);
  await b.goto(url);
  await b.run(() => {
    window.showSaveFilePicker = async () => ({ createWritable: async () => ({
      write: async (blob) => {
        window.saved = Array.from(new Uint8Array(await blob.arrayBuffer()));
      },
      close: async () => {} }) });
  });
  let said = '', converted = false, keeps = false;
  for (const file of files) {
    await b.run(() => { window.saved = null; });
    await b.upload('#file', file);
    said = await until(b, (name) => {
      const s = document.getElementById('status').textContent +
        document.getElementById('details-text').textContent;
      return /^(Converted|This file holds no bookmarks)/.test(s) &&
        s.includes(name) && s;
    }, path.basename(file));
    if (!said) {
      problems.push(`${path.basename(file)} was not converted: ` +
        await b.run(() => document.getElementById('status').textContent));
      continue;
    }
    // A menu with no entry is not offered to save: Save, if there, is
    // still the menu shown before's.
    if (/no bookmarks/.test(said)) {
      if (await b.run(() => document.getElementById('save')
        .checkVisibility()) !== converted)
        problems.push(`${path.basename(file)}: save offered`);
      continue;
    }
    converted = true;
    keeps = keeps || /keeps the menu/.test(said);
    await b.run(() => document.getElementById('save').click());
    const saved = await until(b, () => window.saved);
    if (!saved || !Buffer.from(saved).equals(Buffer.from(
      site.menuOf(fs.readFileSync(file)), 'latin1')))
      problems.push(`${path.basename(file)} differs`);
  }
  // The page finds the kept menu, if any: the last one with entries.
  await b.goto(url);
  const kept = await until(b, (keeps) => {
    const s = document.getElementById('status').textContent;
    return (keeps ? /kept in this browser/ : /no menu here yet/).test(s) && s;
  }, keeps);
  if (!kept) problems.push(`said "${said}", then "${await b.run(() =>
    document.getElementById('status').textContent)}"`);
}

// The page in the language of ?lang=: no English word of the interface;
// right to left in Arabic, where Left opens; a language chosen under More
// kept for the page; then ?q= and Enter, which opens the first match.
async function speaks(b, problems) {
  const url = site.site(foreignMenu);
  for (const [lang, dir, own] of languages) {
    await b.goto(`${url}?lang=${lang}#open`);
    await until(b, () => !!document.querySelector('[role="treeitem"]'));
    const root = await b.run(() => document.documentElement.lang + ',' +
      document.documentElement.dir);
    if (root !== `${own},${dir}`) problems.push(`${lang}: ${root}`);
    const left = [...await b.run(englishShown),
      ...await b.run(englishShown, '\u0430')];
    if (left.length) problems.push(`${lang} shows ${left.slice(0, 3)}`);
  }
  const here = site.site(worked);
  await b.goto(here + '?lang=ar');
  await until(b, () => !!document.querySelector('[role="treeitem"]'));
  await b.run(() => {
    document.getElementById('close-all').click();
    document.querySelector('[role="treeitem"][tabindex="0"]').focus();
  });
  for (const [key, name, open] of rtlWalk) {
    await b.press(key);
    const f = await b.run(focusedName);
    if (f.name !== name || (open && f.open !== open.join()))
      problems.push(`rtl ${key}: ${JSON.stringify(f)}`);
  }
  await b.run(() => {
    const select = document.getElementById('language');
    select.value = 'ru';
    select.dispatchEvent(new Event('change'));
  });
  const relabelled = await b.run(englishShown);
  if (relabelled.length) problems.push(`in ru at once: ${relabelled[0]}`);
  await b.goto(here);
  if (!await until(b, () => document.documentElement.lang === 'ru' &&
    !!document.querySelector('[role="treeitem"]')))
    problems.push('the language chosen was not kept');
  await b.goto(here.replace('menu.html', 'menu.html?q=lo%20cal'));
  if (!await until(b, () => document.querySelectorAll('#hits li').length === 1))
    problems.push('?q=lo%20cal showed no match');
  await b.press('Enter');
  const opened = await until(b, () => (document.activeElement
    .querySelector('.title') || {}).textContent);
  if (opened !== 'Local') problems.push(`Enter opened ${opened}`);
}

// Browsers' stores chosen through the file input, each shown as its
// browser's export; one cut short is said so, and the menu stays. This
// browser cannot open a file again by itself: "Convert again" asks for it.
async function opensStores(b, problems) {
  if (!fs.existsSync(site.wasm)) return;
  const { opened, cut } = stores(site.work);
  await b.goto(site.site('', null));
  const status = () => b.run(() =>
    document.getElementById('status').textContent);
  for (const { file, exported } of opened) {
    await b.upload('#file', file);
    if (!await until(b, (name) => /^Converted/.test(document.getElementById(
      'status').textContent) && document.getElementById('again-note')
      .textContent.includes(name), path.basename(file))) {
      problems.push(`${path.basename(file)}: ${await status()}`);
      continue;
    }
    await b.run(() => document.getElementById('open-all').click());
    site.checkEntries(evaluate(site.menuOf(exported)), (await shown((fn, arg) =>
      b.run(fn, arg))).entries, problems, 'utf-8');
  }
  await b.upload('#file', cut);
  if (!await until(b, () => /^Bookmarks could not be read/.test(document
    .getElementById('status').textContent) && document.getElementById(
    'details-text').textContent && !!document.querySelector('[role="treeitem"]')))
    problems.push('cut short: ' + await status());
  await b.run(catchPicker);
  const note = await b.run(againShown);
  await b.run(() => document.getElementById('again').click());
  if (!/^Convert again Asks you to choose .*Bookmarks/.test(note) ||
      await b.run(() => window.asked) !== 1)
    problems.push(`Convert again: ${note}, asked ${await b.run(() =>
      window.asked)}`);
}

async function decodes(b, problems) {
  await b.goto(site.site(worked));
  const otherwise = await b.run(decodedOtherwise);
  if (otherwise.length) problems.push('decoded otherwise: ' + otherwise);
}

async function prints(b, problems) {
  const html = fs.readFileSync(path.join(__dirname, '../examples/bookmarks.html'));
  await b.goto(site.site(html));
  await until(b, () => !!document.querySelector('[role="treeitem"]'));
  const printed = await b.run(() => {
    dispatchEvent(new Event('beforeprint'));
    return [...document.querySelectorAll('#print [data-entry]')]
      .map((e) => e.querySelector('.address') ? 'link' : 'folder').join();
  });
  const menu = evaluate(site.menuOf(html));
  const want = menu.ref.slice(1).map((r) => r === '.' ? 'folder' : 'link');
  if (printed !== want.join()) problems.push(`printed ${printed}`);
}

async function strictPolicy(b, problems) {
  const server = await serve(path.dirname(site.site(worked).slice(7)));
  await b.goto(`http://127.0.0.1:${server.address().port}/menu.html`);
  if (!await until(b, () => document.querySelectorAll(
    '[role="treeitem"]').length === 4)) problems.push('no tree');
  // Not offered where the engine enforces the policy on WebAssembly; where
  // the converter is offered, it names the policy when it fails.
  if (fs.existsSync(site.wasm) && await b.run(() =>
    !document.getElementById('convert-again').hidden)) {
    await b.upload('#file-again', path.join(__dirname, 'data/worked.html'));
    if (!await until(b, () => /policy/i.test(
      document.getElementById('status').textContent)))
      problems.push('the converter was offered, and did not name the policy');
  }
  server.close();
}

async function main() {
  const b = await ({ firefox, webkit })[engine]();
  let failed = 0, ran = 0;
  try {
    for (const [what, check] of [
      [`${files.length} menus shown entry by entry`, showsEntries],
      ['keys, remembered folders, deep link, search', keysAndSearch],
      ['trail bytes 0x5C, a slip in UTF-8, a planted kept menu', readsAsData],
      ['converted from file:// with the command line\'s bytes, and kept',
        convertsAndKeeps],
      ["browsers' stores; Convert again asks for the file", opensStores],
      ['references decoded as this browser decodes them', decodes],
      ['in Japanese, Russian and Arabic; right to left; ?q=', speaks],
      ['print shows every entry', prints],
      ["default-src 'self' over http", strictPolicy]]) {
      const problems = [];
      await check(b, problems).catch((e) => problems.push(e.message));
      ran++;
      if (problems.length) failed++;
      console.log(`${problems.length ? 'FAIL' : 'ok  '} ${engine}: ${what}` +
        (problems.length ? ': ' + problems.slice(0, 4).join('; ') : ''));
    }
  } finally {
    await b.close();
    site.done();
  }
  console.log(`${ran - failed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

main().catch((e) => {
  console.log('FAIL ' + (e.stack || e));
  console.log('0 passed, 1 failed');
  process.exit(1);
});
