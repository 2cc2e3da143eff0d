// The page's scripts run in the browser as classic scripts.
'use strict';
const js = require('@eslint/js');
const globals = require('globals');

module.exports = [
  // Built from menu-convert.js, which is linted.
  { ignores: ['web/bookmarks2menu-wasm.js'] },
  js.configs.recommended,
  {
    files: ['web/**/*.js'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'script',
      globals: { ...globals.browser },
    },
  },
];
