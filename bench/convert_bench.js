// Converting in the page, in headless Chromium: a 20 MB export chosen in
// the page until its menu is on screen, against a bare page that only
// declares the arrays and runs the command line's menu.js of the same
// export. Medians over RUNS fresh tabs.
// Usage: node bench/convert_bench.js CONVERTER [RUNS] [MEGABYTES]
//   (after npm ci; the page is the build's page/ folder beside CONVERTER)
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { launch, median } = require('./browser');

const [converter, runs = '7', megabytes = '20'] = process.argv.slice(2);
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-convert-bench-'));
const page = path.join(dir, 'page'), bare = path.join(dir, 'bare');
fs.cpSync(path.join(path.dirname(converter), 'page'), page, { recursive: true });
fs.mkdirSync(bare);
const exported = path.join(dir, 'export.html');
execFileSync('python3', [path.join(__dirname, 'make_export.py'), 'dense',
  megabytes, exported]);
execFileSync(path.resolve(converter), [exported], { cwd: bare });
fs.writeFileSync(path.join(bare, 'bare.html'), '<!DOCTYPE html><title>b' +
  '</title><script src="bare.js"></script><script src="menu.js"></script>');
fs.writeFileSync(path.join(bare, 'bare.js'),
  'var ref = [], nam = [], par = [], MAX;\n');

async function main() {
  const browser = await launch();
  const t = { bare: [], convert: [] };
  for (let r = 0; r < Number(runs); r++) {
    let tab = await browser.newPage();
    await tab.goto('file://' + path.join(bare, 'bare.html'));
    t.bare.push(await tab.evaluate(() => new Promise((done) =>
      requestAnimationFrame(() => setTimeout(() => done(performance.now()))))));
    await tab.close();

    // From the file chosen to the first frame with the tree on screen.
    tab = await browser.newPage();
    await tab.goto('file://' + path.join(page, 'menu.html'));
    await tab.evaluate(() => {
      document.getElementById('file').addEventListener('change', () => {
        window.chosen = performance.now();
      }, true);
      new MutationObserver((changes, observer) => {
        if (!document.querySelector('[role="treeitem"]')) return;
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => {
          window.shown = performance.now() - window.chosen;
        }));
      }).observe(document.getElementById('menu'), { childList: true });
    });
    await tab.setInputFiles('#file', exported);
    await tab.waitForFunction(() => window.shown, null, { timeout: 120000 });
    t.convert.push(await tab.evaluate(() => window.shown));
    await tab.evaluate(() => indexedDB.deleteDatabase('bookmarks2menu'));
    await tab.close();
  }
  await browser.close();
  fs.rmSync(dir, { recursive: true, force: true });
  const b = median(t.bare), c = median(t.convert);
  console.log(`${megabytes} MB export, ${runs} runs, medians:`);
  console.log(`bare page, menu.js run        ${b.toFixed(0).padStart(6)} ms`);
  console.log(`converted in the page, shown  ${c.toFixed(0).padStart(6)} ms` +
    `  ratio ${(c / b).toFixed(2)}, target at most 2`);
}

main();
