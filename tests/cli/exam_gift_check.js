// exam_gift_check.js KVIR_CLI FOLDER NODE_MODULES: the GIFT of `kvir-cli exam`, read by
// gift-pegjs: every question there with the type it should have, each multiple choice with one
// right answer, the short answers the key's, and the special characters of names escaped.
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');

const [cli, folder, modules] = process.argv.slice(2);
let gift;
try {
  gift = require(path.join(modules, 'gift-pegjs'));
} catch (e) {
  console.log('gift-pegjs is not installed (no npm or no registry at set-up): skipped');
  process.exit(77);
}
fs.mkdirSync(folder, {recursive: true});
const failures = [];
const check = (condition, message) => { if (!condition) failures.push(message); };

const names = ['Tom {~=#:} \\ Jerry', 'O\'Brien "Bob" <b>', 'שלום עליכם'];
fs.writeFileSync(path.join(folder, 'names.txt'), names.join('\n') + '\n');
for (const [variant, args] of [
       ['plain', ['--count', '12', '--seed', '7']],
       ['named', ['--count', '3', '--seed', '2', '--students', path.join(folder, 'names.txt')]]]) {
  const file = path.join(folder, variant + '.gift');
  execFileSync(cli, ['exam', ...args, '--format', 'gift', '-o', file]);
  const parsed = gift.parse(fs.readFileSync(file, 'utf8'));
  const key = fs.readFileSync(path.join(folder, variant + '-key.csv'), 'utf8').trim().split('\n');
  const rows = key.slice(1).map((line) => line.match(/^("(?:[^"]|"")*"|[^,]*),(\d+),(\w+),/));
  const asked = parsed.filter((q) => q.type !== 'Category');
  const expected = rows.filter((r) => r[3] !== 'scheme');
  check(asked.length === expected.length, `${variant}: ${asked.length} questions, expected ${expected.length}`);
  for (const q of asked) {
    const kind = q.title.split(' ').pop();
    const want = {outputs: 'Short', rows: 'Short', inputs: 'MC'}[kind];
    check(q.type === want, `${variant} ${q.title}: ${q.type}, expected ${want}`);
    if (q.type === 'MC') {
      check(q.choices.filter((c) => c.isCorrect).length === 1, `${q.title}: right answers`);
    } else {
      check(q.choices.length === 1 && /^[01]+$/.test(q.choices[0].text.text), `${q.title}: answer`);
    }
  }
  if (variant === 'named') {
    for (const name of names) {
      check(asked.some((q) => q.title.startsWith(name + ' — ')), `no question of ${name}`);
    }
  }
}
failures.forEach((f) => console.log('FAIL: ' + f));
console.log(`${failures.length} failures`);
process.exit(failures.length ? 1 : 0);
