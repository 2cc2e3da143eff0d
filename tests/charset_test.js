// A page may load menu.js in any charset. Titles and addresses built of
// two-byte lead bytes, backslashes and apostrophes must still leave every
// value one string: the script parses and defines nothing but MAX. (A CR
// ends a line, as in HTML, so none is in a value.)
// In UTF-8 and single-byte charsets each value is exactly its bytes.
// Usage: node charset_test.js CONVERTER
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const { convertIn } = require('./menu_tools');

const charsets = ['utf-8', 'windows-1252', 'shift_jis', 'euc-jp', 'gbk',
  'gb18030', 'big5', 'euc-kr'];
const alphabet = [0x81, 0x83, 0x95, 0xa5, 0xe0, 0xfc, 0x5c, 0x27,
  ...Buffer.from('ux0159')];
const attack = Buffer.from([0x95, 0x5c, 0x27, ...Buffer.from(
  ';globalThis.x=1;//')]);

let seed = 12345;
const random = (n) => (seed = (seed * 1103515245 + 12345) >>> 0) % n;
const value = () => Buffer.from(Array.from({ length: 1 + random(12) },
  () => alphabet[random(alphabet.length)]));

// Each entry's expected ref and nam bytes, beside the file that holds them.
const lines = [], want = [];
for (let i = 0; i < 400; i++) {
  const title = i % 50 ? value() : attack;
  if (i % 7 === 0) {
    lines.push(Buffer.concat([Buffer.from('<DT><H3 >'), title,
      Buffer.from('</H3>\n')]));
    want.push({ ref: Buffer.from('.'), nam: title });
  } else {
    const address = i % 50 === 1 ? attack : value();
    lines.push(Buffer.concat([Buffer.from('<DT><A HREF="'), address,
      Buffer.from('">'), title, Buffer.from('</A>\n')]));
    want.push({ ref: address, nam: title.map((b) => (b === 0x27 ? 0x60 : b)) });
  }
}

const dir = fs.mkdtempSync(path.join(require('os').tmpdir(), 'b2m-cs-'));
const input = path.join(dir, 'in.html');
fs.writeFileSync(input, Buffer.concat(lines));
const out = convertIn(process.argv[2], input);
const menu = fs.readFileSync(path.join(out, 'menu.js'));
fs.rmSync(dir, { recursive: true, force: true });
fs.rmSync(out, { recursive: true, force: true });

let failed = 0;
for (const charset of charsets) {
  const decoder = new TextDecoder(charset);
  const page = { ref: [], nam: [], par: [] };
  const problems = [];
  try {
    vm.runInNewContext(decoder.decode(menu), page);
    const names = Object.keys(page).join(' ');
    if (names !== 'ref nam par MAX') problems.push(`defines ${names}`);
    if (page.MAX !== want.length + 1) problems.push(`MAX ${page.MAX}`);
    if (charset === 'utf-8' || charset === 'windows-1252') {
      want.forEach((w, i) => {
        for (const f of ['ref', 'nam'])
          if (page[f][i + 1] !== decoder.decode(w[f]))
            problems.push(`${f}[${i + 1}] differs`);
      });
    }
  } catch (e) {
    problems.push(String(e));
  }
  if (problems.length) failed++;
  console.log(`${problems.length ? 'FAIL' : 'ok  '} ${charset}` +
    (problems.length ? `: ${problems.slice(0, 3).join('; ')}` : ''));
}
console.log(`${charsets.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
