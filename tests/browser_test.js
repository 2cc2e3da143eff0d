// Opens the viewer page on a converted export in headless Chromium and
// checks the DOM it builds: every entry once, inside its parent's list,
// titles decoded as text, script addresses not made live.
// Usage: node browser_test.js CONVERTER PAGE EXPORT SCREENSHOT
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { bytes, evaluate, convertIn } = require('./menu_tools');

const [converter, page, input, screenshot] = process.argv.slice(2);

function findChromium() {
  for (const name of ['chromium', 'chromium-browser', 'google-chrome']) {
    for (const dir of (process.env.PATH || '').split(path.delimiter)) {
      const file = path.join(dir, name);
      if (fs.existsSync(file)) return file;
    }
  }
  return null;
}

function chromium(binary, args) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-profile-'));
  try {
    return execFileSync(binary, [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
      '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--user-data-dir=' + profile,
      '--window-size=1000,800', ...args,
    ], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'],
         timeout: 60000 });
  } finally {
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

// The few references the test export uses, decoded independently of the
// page's own decoder.
const references = { amp: '&', lt: '<', gt: '>', quot: '"', eacute: '\u00e9',
                     '#39': "'", '#x27': "'", '#9': '\t' };
const decodeTitle = (t) => t.replace(/&(#?\w+);/g, (m, n) => references[n]);
const unescapeText = (t) => t.replace(/&(amp|lt|gt|quot|nbsp);/g,
  (m, n) => ({ amp: '&', lt: '<', gt: '>', quot: '"', nbsp: '\u00a0' })[n]);

const voids = new Set(['meta', 'link', 'br', 'img', 'input', 'hr']);

// Walks the serialised DOM: for each entry, its enclosing entry, the text
// of its title and whether it holds a live link.
function entriesOf(dom) {
  const tag = /<(\/?)([a-zA-Z][\w-]*)((?:\s+[^\s=>]+(?:="[^"]*")?)*)\s*\/?>/g;
  const stack = [];
  const seen = [];
  const tags = new Set();
  let m;
  let last = 0;
  let titleOf = null;
  while ((m = tag.exec(dom))) {
    if (titleOf) titleOf.title += unescapeText(dom.slice(last, m.index));
    last = tag.lastIndex;
    const [, close, name, attrs] = m;
    tags.add(name.toLowerCase());
    if (close) {
      const top = stack.pop();
      if (top && top.titleEnds) titleOf = null;
      continue;
    }
    if (voids.has(name.toLowerCase())) continue;
    const entry = /data-entry="(\d+)"/.exec(attrs);
    const node = { entry: entry && Number(entry[1]) };
    if (node.entry) {
      const parent = [...stack].reverse().find((n) => n.entry);
      seen.push({ entry: node.entry, parent: parent ? parent.entry : 0,
                  title: '', live: false });
    }
    const owner = [...stack, node].reverse().find((n) => n.entry);
    const info = owner && seen.find((s) => s.entry === owner.entry);
    if (info && name === 'a') info.live = true;
    if (info && /class="title/.test(attrs) && !titleOf) {
      titleOf = info;
      node.titleEnds = true;
    }
    stack.push(node);
  }
  return { seen, tags };
}

function main() {
  const binary = findChromium();
  if (!binary) {
    console.log('SKIPPED: no chromium on PATH (Debian package: chromium)');
    process.exit(process.env.B2M_REQUIRE_BROWSER ? 1 : 77);
  }
  const dir = convertIn(converter, input);
  try {
    fs.copyFileSync(page, path.join(dir, 'menu.html'));
    const url = 'file://' + path.join(dir, 'menu.html');
    const dom = chromium(binary, ['--dump-dom', url]);
    if (screenshot) chromium(binary, ['--screenshot=' + screenshot, url + '#open']);
    const menu = evaluate(bytes(path.join(dir, 'menu.js')));
    const { seen, tags } = entriesOf(dom);
    const problems = [];
    for (let i = 1; i < menu.MAX; i++) {
      const found = seen.filter((s) => s.entry === i);
      if (found.length !== 1) {
        problems.push(`entry ${i} shown ${found.length} times`);
        continue;
      }
      const s = found[0];
      const title = decodeTitle(Buffer.from(menu.nam[i], 'latin1').toString());
      if (s.parent !== menu.par[i])
        problems.push(`entry ${i} under ${s.parent}, want ${menu.par[i]}`);
      if (s.title !== title)
        problems.push(`entry ${i} title ${JSON.stringify(s.title)}, want ${JSON.stringify(title)}`);
      const scripted = /^(javascript|data):/i.test(decodeTitle(menu.ref[i])
        .replace(/[\t\n\r]/g, '').replace(/^[\x00-\x20]+/, ''));
      if (menu.ref[i] !== '.' && s.live === scripted)
        problems.push(`entry ${i} ${scripted ? 'is' : 'is not'} a live link`);
    }
    if (seen.length !== menu.MAX - 1)
      problems.push(`${seen.length} entries shown, want ${menu.MAX - 1}`);
    if (tags.has('img') || tags.has('b'))
      problems.push('a title was turned into markup');
    for (const p of problems) console.log('FAIL ' + p);
    console.log(`${problems.length ? 0 : 1} passed, ${problems.length ? 1 : 0} failed`);
    process.exit(problems.length ? 1 : 0);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

try {
  main();
} catch (e) {
  // A hang usually means a title ran as script and opened a dialog.
  console.log('FAIL ' + (e.code === 'ETIMEDOUT' ? 'chromium timed out' : e));
  console.log('0 passed, 1 failed');
  process.exit(1);
}
