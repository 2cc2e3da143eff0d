// What the page benchmarks share: Debian's Chromium, launched quiet, the
// median of their runs, and the export of 100,000 entries they time.

exports.median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

// Required only here: the node-only benchmarks run without npm's modules.
exports.launch = () => require('playwright-core').chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
});

// 100,000 entries: 90 folders of 999 links, then one of 10,000, and titles
// with words to search.
exports.bigExport = function () {
  const words = 'news research daily notes kernel recipes travel music maps'
    .split(' ');
  const out = ['<DL><p>'];
  let n = 0;
  const link = () => {
    n++;
    out.push(`<DT><A HREF="https://example.org/${n}?ref=bm">` +
      `${words[n % 9]} ${words[(n * 7) % 9]} page ${n}</A>`);
  };
  for (let f = 0; n < 89999; f++) {
    out.push(`<DT><H3 ADD_DATE="1">Folder ${f}</H3>`, '<DL><p>');
    n++;
    for (let i = 0; i < 999 && n < 89999; i++) link();
    out.push('</DL><p>');
  }
  // Last, so that End in it goes to its last link.
  out.push('<DT><H3 ADD_DATE="1">Big folder</H3>', '<DL><p>');
  n++;
  for (let i = 0; i < 10000; i++) link();
  out.push('</DL><p>', '</DL><p>');
  return out.join('\n') + '\n';
};
