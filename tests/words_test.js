// The page's words: every language has every string, the same {names} as
// English, each plural form its rules can ask for, and its own typography;
// the language chosen from the browser's list, its direction, the strings
// filled. The page's folder is B2M_PAGE, else web/.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const file = path.join(process.env.B2M_PAGE ||
  path.join(__dirname, '../web'), 'menu-words.js');
const context = vm.createContext({ B2M: {} });
vm.runInContext(fs.readFileSync(file, 'utf8'), context, { filename: file });
const words = context.B2M.words;
const { en } = words.table;

const names = (s) => (s.match(/\{\w+\}/g) || []).sort().join();
// A form that only one count takes may say that count in words.
const counts = [...Array(201).keys(), 1.5];
const alone = (lang, form) => counts.filter((n) =>
  new Intl.PluralRules(lang).select(n) === form).length === 1;

test('every language: every string, its names, its plural forms', () => {
  for (const [lang, table] of Object.entries(words.table)) {
    assert.deepStrictEqual(Object.keys(table), Object.keys(en), lang);
    assert.ok(words.names[lang], lang);
    const forms = new Set(counts.map((n) =>
      new Intl.PluralRules(lang).select(n)));
    for (const [key, want] of Object.entries(en)) {
      const value = table[key], where = `${lang} ${key}`;
      assert.strictEqual(typeof value, typeof want, where);
      if (typeof want === 'string') {
        assert.ok(value.trim(), where);
        assert.strictEqual(names(value), names(want), where);
        continue;
      }
      for (const form of forms) assert.ok(value[form], `${where} ${form}`);
      for (const [form, s] of Object.entries(value)) {
        const got = names(s), all = names(want.other);
        assert.ok(got === all || alone(lang, form) &&
          got === names(want.other.replace('{count}', '')), `${where} ${form}`);
      }
    }
  }
});

// What each language's strings must not hold.
const typography = [
  ['every language', /"|'|\.\.\.|\s$|^\s|  /, Object.keys(words.table)],
  ['French: a narrow space before ; ? ! and a space before :',
    /[^\u00a0\u202f][;?!]|[^\u00a0]:\s/, ['fr']],
  ['full-width punctuation after Chinese and Japanese', /[\u3040-\u9fff][,.;:?!()]/,
    ['zh-Hans', 'zh-Hant', 'ja']],
  ['Arabic punctuation after Arabic letters', /[\u0600-\u06ff][,;?]/, ['ar', 'fa']],
  ['Persian yeh and keheh, not Arabic', /[\u064a\u0643]/, ['fa']],
];
test('typography', () => {
  for (const [what, wrong, langs] of typography)
    for (const lang of langs)
      for (const [key, value] of Object.entries(words.table[lang]))
        for (const s of [].concat(typeof value === 'string' ? value
          : Object.values(value)))
          assert.ok(!wrong.test(s), `${what}: ${lang} ${key}: ${s}`);
});

test('the language chosen from the browser\'s list, and its direction', () => {
  for (const [languages, want, dir] of [
    [['de-AT', 'en'], 'de', 'ltr'], [['sv', 'nb', 'fr-CA'], 'fr', 'ltr'],
    [['zh-TW'], 'zh-Hant', 'ltr'], [['zh-HK'], 'zh-Hant', 'ltr'],
    [['zh-MO'], 'zh-Hant', 'ltr'], [['zh-Hant-CN'], 'zh-Hant', 'ltr'],
    [['zh-Hans-HK'], 'zh-Hans', 'ltr'], [['zh'], 'zh-Hans', 'ltr'],
    [['zh-SG'], 'zh-Hans', 'ltr'], [['zh_CN'], 'zh-Hans', 'ltr'],
    [['PT-br'], 'pt', 'ltr'], [['ar-EG'], 'ar', 'rtl'], [['fa-IR'], 'fa', 'rtl'],
    ['uk', 'uk', 'ltr'], [['he', 'x-y'], 'en', 'ltr'], [[], 'en', 'ltr'],
    [undefined, 'en', 'ltr'],
  ]) {
    assert.strictEqual(words.pick(languages), want, String(languages));
    assert.strictEqual(words.dir(want), dir, want);
  }
});

test('strings filled', () => {
  for (const [lang, key, params, want] of [
    ['en', 'countEntries', { count: 12345 }, '12,345 entries'],
    ['en', 'incomplete', { count: 1 }, /only the one entry/],
    ['ru', 'countEntries', { count: 21 }, '21 запись'],
    ['ru', 'countEntries', { count: 22 }, '22 записи'],
    ['ru', 'countEntries', { count: 111 }, '111 записей'],
    ['pl', 'matches', { count: 1.5 }, '1,5 wyniku'],
    ['de', 'countFolders', { count: 1234 }, '1.234 Ordner'],
    ['fa', 'countFolders', { count: 12 }, '۱۲ پوشه'],
    ['ar', 'matches', { count: 2 }, 'نتيجتان'],
    ['ar', 'copied', { name: 'a.html' }, 'نُسخ عنوان «\u2068a.html\u2069».'],
    ['en', 'copied', { name: 'א' }, 'Copied the address of “\u2068א\u2069”.'],
    ['en', 'missing', {}, /with \{command\}$/],
    ['sv-SE', 'save', {}, 'Save menu.js'],
    ['zh-TW', 'close', {}, '關閉'],
    ['en', 'no such key', {}, 'no such key'],
  ]) {
    const got = words.text(lang, key, params);
    if (want instanceof RegExp) assert.match(got, want);
    else assert.strictEqual(got, want);
  }
  // English numbers are written without Intl, as Intl writes them.
  for (const n of [0, 7, 999, 1000, 123456789, -1234, -0, 2 ** 53, 1.5])
    assert.strictEqual(words.number('en-GB', n),
      new Intl.NumberFormat('en').format(n), String(n));
});
