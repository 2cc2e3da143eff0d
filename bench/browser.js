// What the page benchmarks share: Debian's Chromium, launched quiet, and
// the median of their runs.
const { chromium } = require('playwright-core');

exports.median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

exports.launch = () => chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
});
