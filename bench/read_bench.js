// Reading menu.js as data against running it: the 100,000 entries of
// page_bench.js and, if given, the menu.js of another export. Medians over
// RUNS of reading the bytes with B2M.read.menu, and of decoding them and
// running the script in a fresh context, as a page does; then, where
// playwright-core and Chromium are, the same in headless Chromium, the
// script run from a blob: URL as the page runs a converted menu.
// Usage: node bench/read_bench.js CONVERTER [RUNS] [EXPORT]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const vm = require('vm');
const { execFileSync } = require('child_process');
const { launch, median, bigExport } = require('./browser');

const [converter, runs = '9', other] = process.argv.slice(2);
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-read-bench-'));

function menuOf(input) {
  execFileSync(path.resolve(converter), [path.resolve(input)], { cwd: dir });
  return new Uint8Array(fs.readFileSync(path.join(dir, 'menu.js')));
}

const context = vm.createContext({ B2M: {}, TextDecoder });
vm.runInContext(fs.readFileSync(path.join(__dirname, '../web/menu-read.js'),
  'utf8'), context);
const read = context.B2M.read;

// Medians of each piece of work, taking turns, so that a busy machine
// slows them alike.
function time(works) {
  const times = works.map(() => []);
  for (let i = 0; i < Number(runs); i++) {
    works.forEach((work, k) => {
      const start = process.hrtime.bigint();
      work();
      times[k].push(Number(process.hrtime.bigint() - start) / 1e6);
    });
  }
  return times.map(median);
}

function bench(name, bytes) {
  const result = read.menu(bytes, 'utf-8');
  if (!result.ok) throw new Error(`${name}: ${result.reason} ${result.line}`);
  const [reading, running, decoding, utf8] = time([
    () => read.menu(bytes, 'utf-8'),
    () => vm.runInNewContext(new TextDecoder().decode(bytes),
      { ref: [], nam: [], par: [] }),
    () => new TextDecoder().decode(bytes),
    () => read.isUtf8(bytes)]);
  console.log(`${name}: ${result.menu.max - 1} entries, ` +
    `${(bytes.length / 1e6).toFixed(1)} MB, ${runs} runs, medians:`);
  console.log(`  read as data        ${reading.toFixed(1)} ms` +
    `  ratio ${(reading / running).toFixed(2)}`);
  console.log(`  decoded and run     ${running.toFixed(1)} ms`);
  console.log(`  of which decoded    ${decoding.toFixed(1)} ms`);
  console.log(`  isUtf8              ${utf8.toFixed(1)} ms`);
}

// In a fresh tab each time: the bytes fetched, then read, or run.
async function inChromium(name, bytes) {
  const browser = await launch();
  const files = { 'read.js': fs.readFileSync(path.join(__dirname,
    '../web/menu-read.js')), 'menu.js': Buffer.from(bytes),
  'index.html': '<!DOCTYPE html><script>var B2M = {};</script>' +
    '<script src="read.js"></script>' };
  const ways = {
    read: `B2M.read.menu(bytes, 'utf-8').ok`,
    run: `new Promise((done) => {
      window.ref = []; window.nam = []; window.par = [];
      const s = document.createElement('script');
      s.src = URL.createObjectURL(new Blob([bytes],
        { type: 'text/javascript' }));
      s.onload = () => done(window.MAX > 0);
      document.head.appendChild(s); })`,
  };
  const times = { read: [], run: [] };
  try {
    for (let i = 0; i < Number(runs); i++) {
      for (const way of Object.keys(ways)) {
        const page = await browser.newPage();
        await page.route('http://bench.test/**', (route) => route.fulfill({
          body: files[route.request().url().split('/').pop()],
          contentType: 'text/html' }));
        await page.goto('http://bench.test/index.html');
        const ms = await page.evaluate(`(async () => {
          const bytes = new Uint8Array(await (await fetch('menu.js'))
            .arrayBuffer());
          const start = performance.now();
          if (!(await ${ways[way]})) throw new Error('${way} failed');
          return performance.now() - start; })()`);
        times[way].push(ms);
        await page.close();
      }
    }
  } finally {
    await browser.close();
  }
  const [reading, running] = [median(times.read), median(times.run)];
  console.log(`${name} in Chromium:`);
  console.log(`  read as data        ${reading.toFixed(1)} ms` +
    `  ratio ${(reading / running).toFixed(2)}`);
  console.log(`  run from blob:      ${running.toFixed(1)} ms`);
}

(async () => {
  try {
    fs.writeFileSync(path.join(dir, 'in.html'), bigExport());
    const menus = [['page_bench export', menuOf(path.join(dir, 'in.html'))]];
    if (other) menus.push([path.basename(other), menuOf(other)]);
    for (const [name, bytes] of menus) bench(name, bytes);
    let chromium = true;
    try { require.resolve('playwright-core'); } catch { chromium = false; }
    if (chromium && fs.existsSync(process.env.CHROMIUM || '/usr/bin/chromium'))
      for (const [name, bytes] of menus) await inChromium(name, bytes);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
})();
