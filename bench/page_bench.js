// The page at scale, in headless Chromium: a converted export of 100,000
// entries, the last folder 10,000 links. Medians over RUNS fresh tabs:
// - a bare page that only declares the arrays and runs menu.js, against
//   menu.html until its tree is on screen, closed and with every folder
//   open (kept from the last visit);
// - "Expand all", then End until the last entry is focused and drawn;
// - opening the 10,000-link folder, then End to its last link;
// - each arrow key, from the key event to the next frame (median, worst);
// - the longest search keystroke once the titles are indexed, from typing
//   to the hits drawn.
// Usage: node bench/page_bench.js CONVERTER [RUNS]   (after npm ci)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { launch, median, bigExport } = require('./browser');

const [converter, runs = '7'] = process.argv.slice(2);
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-page-bench-'));

fs.writeFileSync(path.join(dir, 'in.html'), bigExport());
execFileSync(path.resolve(converter), ['in.html'], { cwd: dir });
// The page as built, next to the converter.
fs.cpSync(path.join(path.dirname(converter), 'page'), dir, { recursive: true });
fs.writeFileSync(path.join(dir, 'bare.html'), '<!DOCTYPE html><title>b' +
  '</title><script src="bare.js"></script><script src="menu.js"></script>');
fs.writeFileSync(path.join(dir, 'bare.js'),
  'var ref = [], nam = [], par = [], MAX;\n');

// Milliseconds from the start of navigation to the first frame after load.
const onScreen = () => new Promise((done) => requestAnimationFrame(() =>
  setTimeout(() => done(performance.now()))));
// Milliseconds from `from` (or now) until `keys` have focused the row of entry `last`
// and a frame has been drawn.
async function until(tab, keys, last, from) {
  const start = from || await tab.evaluate(() => performance.now());
  for (const key of keys) await tab.keyboard.press(key);
  return tab.evaluate(([s, e]) => new Promise((done) => {
    const check = () => {
      const row = document.activeElement;
      if (row && row.dataset.entry === String(e))
        requestAnimationFrame(() => setTimeout(() =>
          done(performance.now() - s)));
      else requestAnimationFrame(check);
    };
    check();
  }), [start, last]);
}

async function main() {
  const browser = await launch();
  const t = { bare: [], menu: [], open: [], expand: [], folder: [],
    arrow: [], worst: [], search: [] };
  const menuUrl = 'file://' + path.join(dir, 'menu.html');
  for (let r = 0; r < Number(runs); r++) {
    let tab = await browser.newPage();
    await tab.goto('file://' + path.join(dir, 'bare.html'));
    t.bare.push(await tab.evaluate(onScreen));
    await tab.close();

    tab = await browser.newPage();
    await tab.goto(menuUrl);
    t.menu.push(await tab.evaluate(onScreen));
    await tab.evaluate(() => localStorage.clear());
    // The 10,000-link folder, opened with Right, then End.
    await tab.focus('[role="treeitem"][tabindex="0"]');
    await tab.keyboard.press('End');
    t.folder.push(await until(tab, ['ArrowRight', 'End'], 100000));
    // "Expand all" and End, from the click.
    await tab.evaluate(() => {
      document.getElementById('close-all').click();
      document.querySelector('[role="treeitem"][tabindex="0"]').focus();
    });
    const clicked = await tab.evaluate(() => {
      const s = performance.now();
      document.getElementById('open-all').click();
      document.querySelector('[role="treeitem"][tabindex="0"]').focus();
      return s;
    });
    t.expand.push(await until(tab, ['End'], 100000, clicked));
    // Arrow keys in the fully open tree, each to the next frame.
    await tab.evaluate(() => {
      window.keyTimes = [];
      document.addEventListener('keydown', (e) => {
        requestAnimationFrame(() => setTimeout(() =>
          window.keyTimes.push(performance.now() - e.timeStamp)));
      }, true);
    });
    for (let i = 0; i < 30; i++)
      await tab.keyboard.press(i % 3 ? 'ArrowUp' : 'ArrowDown');
    await tab.waitForTimeout(100);
    const keys = await tab.evaluate(() => window.keyTimes);
    t.arrow.push(median(keys));
    t.worst.push(Math.max(...keys));
    await tab.close();

    // Reloaded with every folder open, as the last visit left it.
    tab = await browser.newPage();
    await tab.goto(menuUrl);
    t.open.push(await tab.evaluate(onScreen));
    await tab.evaluate(() => localStorage.clear());
    // Typed once idle time has indexed the titles.
    await tab.waitForTimeout(3000);
    let longest = 0;
    for (const word of ['k', 'ke', 'ker', 'kern', 'page 9', 'page 99', 'p',
      'resume caf', 'news']) {
      longest = Math.max(longest, await tab.evaluate((w) => {
        const search = document.getElementById('search');
        const s = performance.now();
        search.value = w;
        search.dispatchEvent(new Event('input'));
        document.body.getBoundingClientRect();
        return performance.now() - s;
      }, word));
    }
    t.search.push(longest);
    await tab.close();
  }
  await browser.close();
  fs.rmSync(dir, { recursive: true, force: true });
  const b = median(t.bare), ms = (v) => `${median(v).toFixed(0)} ms`;
  const line = (what, v, target) =>
    console.log(`${what.padEnd(36)}${ms(v).padStart(8)}  ${target}`);
  console.log(`100,000 entries, ${runs} runs, medians:`);
  line('bare page, menu.js run', t.bare, '');
  line('tree on screen', t.menu,
    `ratio ${(median(t.menu) / b).toFixed(2)}, target at most 1.2`);
  line('reload with every folder open', t.open,
    `ratio ${(median(t.open) / b).toFixed(2)}, target at most 1.5`);
  line('Expand all, End at the last entry', t.expand, 'target at most 300');
  line('10,000-link folder, End at its last', t.folder, 'target at most 200');
  line('arrow key to the screen, median', t.arrow, 'target at most 50');
  line('arrow key to the screen, worst', t.worst, 'target at most 150');
  line('longest search keystroke', t.search, 'target at most 50');
}

main();
