// Shared by the node tests: run the converter and evaluate its menu.js the
// way a page does, with ref, nam and par declared first.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
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

module.exports = { bytes, evaluate, convertIn };
