// Shared by the node tests: run the converter and evaluate its menu.js the
// way a page does, with ref, nam and par declared first.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const vm = require('vm');
const { execFileSync } = require('child_process');

// Bytes as one char each, so values compare byte for byte.
const bytes = (file) => fs.readFileSync(file, 'latin1');

function evaluate(script) {
  return new Function(
    'var ref = [], nam = [], par = [];\n' + script +
    '\nreturn { ref: ref, nam: nam, par: par, MAX: MAX };')();
}

// Converts `input` in a new directory; the caller removes it.
function convertIn(converter, input) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'b2m-'));
  execFileSync(path.resolve(converter), [path.resolve(input)], { cwd: dir });
  return dir;
}

// The scripts of the page in DIR, in the order its menu.html loads them.
function pageScripts(dir) {
  const html = fs.readFileSync(path.join(dir, 'menu.html'), 'utf8');
  return Array.from(html.matchAll(/<script src="([^"]+)"><\/script>/g),
    (m) => m[1]);
}

// The page's model and charsets, run from the page's own scripts in DIR,
// as node has no DOM: what the page uses to read a menu and its text, the
// scripts after the arrays up to the model.
function pageModel(dir) {
  const scripts = pageScripts(dir);
  const context = vm.createContext({ B2M: {}, TextDecoder });
  for (const f of scripts.slice(scripts.indexOf('menu-arrays.js') + 1,
    scripts.indexOf('menu-model.js') + 1).filter((f) => f !== 'menu.js'))
    vm.runInContext(fs.readFileSync(path.join(dir, f), 'utf8'), context,
      { filename: f });
  return context.B2M;
}

module.exports = { bytes, evaluate, convertIn, pageModel };
