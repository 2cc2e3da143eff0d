// Converts each bookmarks file given, evaluates the menu.js it gives as a
// page would (ref, nam and par declared first) and checks the arrays against
// the file, counted here independently of the converter's own rules.
// Usage: node check_menu.js CONVERTER FILE...
'use strict';
const fs = require('fs');
const path = require('path');
const { bytes, evaluate, convertIn } = require('./menu_tools');

const [converter, ...files] = process.argv.slice(2);

function expected(html) {
  const heading = /<H3[ \t>]/i;
  const lines = html.split('\n').filter((l) => /<DT>/i.test(l));
  const folders = lines.filter((l) => heading.test(l));
  const links = lines.filter((l) => !heading.test(l));
  const grab = (re, list) => list.map((l) => (l.match(re) || [])[1])
    .filter((v) => v !== undefined);
  return {
    entries: lines.length,
    folders: folders.length,
    folderTitles: grab(/<H3(?:[ \t][^>]*)?>([^<]*)<\/H3>/i, folders),
    linkTitles: grab(/<A [^>]*>([^<]*)<\/A>/i, links)
      .map((t) => t.replace(/'/g, '`')),
    addresses: grab(/<A HREF="([^"]*)"/i, links),
  };
}

function check(file) {
  const dir = convertIn(converter, file);
  try {
    const menu = evaluate(bytes(path.join(dir, 'menu.js')));
    const want = expected(bytes(file));
    const problems = [];
    if (menu.MAX !== want.entries + 1)
      problems.push(`MAX ${menu.MAX}, want ${want.entries + 1}`);
    let folders = 0;
    for (let i = 1; i < menu.MAX; i++) {
      if (!(i in menu.ref && i in menu.nam && i in menu.par))
        problems.push(`hole at ${i}`);
      if (menu.ref[i] === '.') folders++;
    }
    if (menu.ref.length > menu.MAX) problems.push('entries past MAX');
    const names = new Set(menu.nam);
    const refs = new Set(menu.ref);
    for (const t of want.folderTitles.concat(want.linkTitles))
      if (!names.has(t)) problems.push(`title missing: ${t}`);
    for (const a of want.addresses)
      if (!refs.has(a)) problems.push(`address missing: ${a}`);
    if (folders !== want.folders)
      problems.push(`${folders} folders, want ${want.folders}`);
    return problems;
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

let failed = 0;
for (const file of files) {
  let problems;
  try {
    problems = check(file);
  } catch (e) {
    problems = [String(e.message || e)];
  }
  if (problems.length) {
    failed++;
    console.log(`FAIL ${path.basename(file)}: ${problems.slice(0, 5).join('; ')}`);
  } else {
    console.log(`ok   ${path.basename(file)}`);
  }
}
console.log(`${files.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
