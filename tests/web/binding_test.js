// The browser edition's module under node: for every scheme at 100 % and 200 %, and in the
// clear view, its panel after a selection and after presses equals what `kvir-cli render --crop`
// writes; and what the page may hand it wrongly is refused without harm.
//   node binding_test.js KVIR_WEB_JS KVIR_CLI
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { execFileSync } = require('child_process');
const { decodePng } = require('./png.js');

const [moduleFile, cli] = process.argv.slice(2);
const KvirModule = require(moduleFile);
let kvir;

function render(args) {
  return decodePng(execFileSync(cli, ['render', ...args, '--crop', '-o', '-']));
}

function withString(value, work) {
  const at = kvir._malloc(kvir.lengthBytesUTF8(value) + 1);
  kvir.stringToUTF8(value, at, kvir.lengthBytesUTF8(value) + 1);
  try { return work(at); } finally { kvir._free(at); }
}

const press = (name) => withString(name, (at) => kvir._kvir_press(at));
const state = () => JSON.parse(kvir.UTF8ToString(kvir._kvir_state(0)));

function panel() {
  const at = kvir._kvir_panel_rgba();
  const width = kvir._kvir_panel_width(), height = kvir._kvir_panel_height();
  return { width, height, rgba: Buffer.from(kvir.HEAPU8.subarray(at, at + width * height * 4)) };
}

function assertSamePanel(args) {
  const want = render(args);
  const got = panel();
  assert.deepStrictEqual([got.width, got.height], [want.width, want.height], args.join(' '));
  if (!got.rgba.equals(want.rgba)) {
    const i = got.rgba.findIndex((v, k) => v !== want.rgba[k]) >> 2;
    assert.fail(`${args.join(' ')}: first different pixel at (${i % got.width}, ` +
                `${Math.floor(i / got.width)})`);
  }
}

// The presses of each case: the first and last input buttons in Tab order, then the first again,
// so that every scheme's one-hot or toggle behaviour and a repeated press are seen.
function pressesOf(shown) {
  const buttons = shown.order.map((index) => shown.indicators[index].name);
  return [buttons[0], buttons[buttons.length - 1], buttons[0]];
}

test.before(async () => { kvir = await KvirModule(); });

// Every zoom level plain; the clear view at 100 % (its 200 % pictures are checked below and by the
// page's test); the 300 % pictures, three times the bytes, on a few schemes of each kind.
const kAll = Array.from({ length: 16 }, (_, i) => i + 1);
for (const [zoom, clear, schemes] of [[100, false, kAll], [200, false, kAll], [100, true, kAll],
  [300, false, [1, 8, 14, 16]]]) {
  {
    test(`the panels at ${zoom} %${clear ? ' in the clear view' : ''} equal the render`,
      () => {
        const options = ['--zoom', String(zoom), ...(clear ? ['--clear-view'] : [])];
        for (const n of schemes) {
          assert.strictEqual(kvir._kvir_select(n, clear ? 1 : 0, zoom), 0);
          assertSamePanel([String(n), ...options]);
          const presses = pressesOf(state());
          presses.forEach((name) => assert.strictEqual(press(name), 0, name));
          assertSamePanel([String(n), ...presses, ...options]);
        }
      });
  }
}

test('the clear view taken and left keeps every level and equals the render', () => {
  assert.strictEqual(kvir._kvir_select(14, 0, 100), 0);
  assert.strictEqual(press('IN03'), 0);
  assert.strictEqual(kvir._kvir_restyle(1, 200), 0);
  assertSamePanel(['14', 'IN03', '--clear-view', '--zoom', '200']);
  assert.strictEqual(kvir._kvir_restyle(0, 100), 0);
  assertSamePanel(['14', 'IN03']);
});

test('what makes no sense is refused and changes nothing', () => {
  assert.strictEqual(kvir._kvir_select(1, 0, 100), 0);
  assert.strictEqual(press('IN03'), 0);
  const cases = [
    () => kvir._kvir_select(0, 0, 100),
    () => kvir._kvir_select(17, 0, 100),
    () => kvir._kvir_select(-1, 0, 100),
    () => kvir._kvir_select(2, 0, 150),
    () => kvir._kvir_restyle(0, 250),
    () => press('IN99'),
    () => press('BUS00'),  // a lamp
    () => press(''),
    () => press('x'.repeat(10000)),
  ];
  for (const call of cases) assert.strictEqual(call(), -1, call.toString());
  assertSamePanel(['1', 'IN03']);
  assert.strictEqual(state().scheme, 1);
});

test('the state names every indicator with its label, role and level, buttons in Tab order', () => {
  assert.strictEqual(kvir._kvir_select(1, 0, 100), 0);
  assert.strictEqual(press('IN03'), 0);
  const s = state();
  const in03 = s.indicators.find((ind) => ind.name === 'IN03');
  assert.deepStrictEqual([in03.label, in03.role, in03.level, in03.button], ['Y3', 'вход', 1, true]);
  const english = JSON.parse(kvir.UTF8ToString(kvir._kvir_state(1)));
  assert.strictEqual(english.indicators.find((ind) => ind.name === 'IN03').role, 'input');
  const buttons = s.indicators.filter((ind) => ind.button).length;
  assert.strictEqual(s.order.length, buttons);
  const tops = s.order.map((i) => s.indicators[i].y);
  assert.deepStrictEqual(tops, [...tops].sort((a, b) => a - b));
  const titles = JSON.parse(kvir.UTF8ToString(kvir._kvir_titles(0)));
  assert.strictEqual(titles.length, 16);
  assert.strictEqual(execFileSync(cli, ['list']).toString().split('\n')[13], '14 ' + titles[13]);
});

const tableIn = (language) => JSON.parse(kvir.UTF8ToString(kvir._kvir_table(language)));

// The CSV saved is the window's: in Russian after a byte-order mark and separated by ';'.
test("every scheme's truth table is kvir-cli's, with the current row and the rows reached", () => {
  for (let n = 1; n <= 16; ++n) {
    assert.strictEqual(kvir._kvir_select(n, 0, 100), 0);
    const table = tableIn(0);
    const russian = execFileSync(cli, ['table', String(n), '--csv', '--separator', ';']);
    assert.strictEqual(table.csv, '\uFEFF' + russian.toString(), n);
    const english = execFileSync(cli, ['--lang', 'en', 'table', String(n), '--csv']);
    assert.strictEqual(tableIn(1).csv, english.toString(), n);
    assert.strictEqual(table.reached.filter((r) => r).length, 1, `scheme ${n} as selected`);
    assert.strictEqual(table.reached[table.current], 1, `scheme ${n}: the current row is reached`);
  }
  assert.strictEqual(kvir._kvir_select(9, 0, 100), 0);
  const before = tableIn(0).current;
  const first = pressesOf(state())[0];
  assert.strictEqual(press(first), 0);
  const after = tableIn(0);
  assert.notStrictEqual(after.current, before);
  assert.deepStrictEqual(after.reached.filter((r) => r).length, 2);
  assert.strictEqual(kvir._kvir_select(9, 0, 100), 0);
  const again = tableIn(0);
  assert.strictEqual(again.reached.filter((r) => r).length, 1, 'selecting again starts afresh');
});

// Long press lists shrink to the fewest presses that reach the same state, which kvir-cli renders
// as the page showed it.
test('the fewest presses reach the state however many led there', () => {
  for (const n of [8, 10, 16]) {
    assert.strictEqual(kvir._kvir_select(n, 0, 100), 0);
    const buttons = pressesOf(state());
    for (let i = 0; i < 250; ++i) assert.strictEqual(press(buttons[(i * 7 + (i >> 2)) % buttons.length]), 0);
    const shortest = JSON.parse(kvir.UTF8ToString(kvir._kvir_shortest_presses()));
    assert.ok(shortest.length <= buttons.length, `scheme ${n}: ${shortest}`);
    assertSamePanel([String(n), ...shortest]);
  }
});

// A stage frames what it changed in orange and what it redrew unchanged in pale orange.
test('the step mode shows a press stage by stage, marked, and ends on the render', () => {
  const orange = (rgba) => {
    for (let i = 0; i < rgba.length; i += 4) {
      const [r, g, b] = [rgba[i], rgba[i + 1], rgba[i + 2]];
      if (r === 255 && ((g === 140 && b === 0) || (g === 214 && b === 160))) return true;
    }
    return false;
  };
  for (const n of [1, 14]) {
    assert.strictEqual(kvir._kvir_select(n, 0, 100), 0);
    kvir._kvir_step_mode(1);
    assert.strictEqual(press('IN03'), 0);
    assert.ok(!render([String(n), 'IN03']).rgba.equals(panel().rgba), 'nothing shown yet');
    let stages = 0;
    while (kvir._kvir_advance() === 1) {
      assert.ok(orange(panel().rgba), `scheme ${n}: stage ${++stages} is marked`);
    }
    assert.ok(stages >= 2, `scheme ${n}: ${stages} stages`);
    assertSamePanel([String(n), 'IN03']);
    kvir._kvir_step_mode(0);
  }
});

// The step mode's line: the stage of how many, the wait between stages within its bounds, the pause.
test('the step line counts the stages and keeps the pace the window keeps', () => {
  const step = () => JSON.parse(kvir.UTF8ToString(kvir._kvir_step()));
  assert.strictEqual(kvir._kvir_select(14, 0, 100), 0);
  kvir._kvir_step_mode(1);
  assert.deepStrictEqual(step(), { replaying: false, shown: 0, stages: 0, interval: 250,
                                   paused: false });
  assert.strictEqual(press('IN03'), 0);
  const stages = step().stages;
  assert.ok(stages >= 2 && step().replaying && step().shown === 0);
  kvir._kvir_advance();
  assert.strictEqual(step().shown, 1);
  for (const [change, paused, interval] of [[1, 0, 125], [1, 1, 60], [1, 1, 60], [-1, 0, 125],
    [-1, 0, 250], [-1, 0, 500], [-1, 0, 1000], [-1, 0, 2000], [-1, 0, 2000], [0, 1, 2000],
    [1, 0, 1000]]) {
    kvir._kvir_pace(change, paused);
    assert.deepStrictEqual([step().interval, step().paused], [interval, paused === 1],
      `${change} ${paused}`);
  }
  while (kvir._kvir_advance() === 1);
  assert.deepStrictEqual([step().replaying, step().shown, step().stages], [false, 0, 0]);
  kvir._kvir_step_mode(0);
  assert.strictEqual(step().interval, 1000, 'the pace outlasts the mode');
  kvir._kvir_pace(1, 0);
  kvir._kvir_pace(1, 0);
});

const currentRow = () => tableIn(0).current;

test('"Проверь себя" hides the outputs, takes guesses, checks them once, asks anew', () => {
  assert.strictEqual(kvir._kvir_select(1, 0, 100), 0);
  const selected = currentRow();
  kvir._kvir_quiz_mode(1);
  assert.notStrictEqual(currentRow(), selected, 'the quiz begins with a new question');
  let s = state();
  const hidden = s.indicators.filter((ind) => ind.asked);
  assert.ok(hidden.length > 0);
  assert.ok(hidden.every((ind) => ind.level === null && ind.card === 0 && !ind.button));
  // The lamps that would tell the answer are covered too, their levels kept back, no guesses.
  const masked = s.indicators.filter((ind) => ind.card === 9);
  assert.ok(masked.length > 0);
  assert.ok(masked.every((ind) => ind.level === null && !ind.asked));
  assert.strictEqual(kvir._kvir_guess(masked[0].index), -1);
  assert.ok(!render(['1']).rgba.equals(panel().rgba), 'the cards cover the outputs');
  // No row of the table gives an output away while the question is open, nor its CSV.
  for (const language of [0, 1]) {
    const table = tableIn(language);
    const outputs = table.columns.map((c, i) => (c.output ? i : -1)).filter((i) => i >= 0);
    assert.ok(table.rows.every((row) => outputs.every((i) => row[i] === null)), 'table');
    const lines = table.csv.trim().split('\n').slice(1);
    assert.ok(lines.every((line) => line.split(/[;,]/).slice(outputs[0]).every((v) => v === '?')));
  }
  const button = s.indicators.find((ind) => ind.button);
  assert.strictEqual(kvir._kvir_guess(button.index), -1);
  assert.strictEqual(kvir._kvir_guess(hidden[0].index), 0);
  assert.strictEqual(state().indicators[hidden[0].index].card, 1);  // a guess of 0
  assert.strictEqual(kvir._kvir_check(), 0);
  s = state();
  assert.deepStrictEqual([s.quiz.checked, s.quiz.scored], [true, hidden.length]);
  assert.ok(s.indicators.filter((ind) => ind.card >= 3).length === hidden.length, 'all marked');
  // Unanswered ones are marked as such: the guessed one is right or wrong, the others missed.
  assert.ok(hidden.slice(1).every((ind) => [7, 8].includes(s.indicators[ind.index].card)));
  assert.ok([3, 4, 5, 6].includes(s.indicators[hidden[0].index].card));
  assert.ok(s.indicators.every((ind) => ind.level !== null), 'checked: every level told');
  assert.strictEqual(kvir._kvir_guess(hidden[0].index), -1, 'no guess after the check');
  assert.strictEqual(kvir._kvir_check(), 0);
  assert.strictEqual(state().quiz.scored, hidden.length, 'a second check scores nothing');
  assert.ok(tableIn(0).rows.every((row) => !row.includes(null)), 'checked: the table shows all');
  const asked = currentRow();
  assert.strictEqual(kvir._kvir_ask(), 0);
  s = state();
  assert.strictEqual(s.quiz.checked, false);
  assert.strictEqual(s.quiz.scored, hidden.length, 'the score runs on');
  assert.ok(currentRow() >= 0 && currentRow() !== asked, 'the next question is a new row');
  kvir._kvir_quiz_mode(0);
  assert.strictEqual(state().quiz, undefined);
  assert.strictEqual(kvir._kvir_select(1, 0, 100), 0);
  assertSamePanel(['1']);
});

// The same rows as tests/session/same_seed_test.cc pins for the window's library: the module is
// built with another standard library, and the seed must ask the same questions there.
test('a seed asks the same rows as in the window', () => {
  assert.strictEqual(kvir._kvir_select(6, 0, 100), 0);
  kvir._kvir_seed(7);
  kvir._kvir_quiz_mode(1);
  const rows = [];
  for (let question = 0; question < 8; ++question) {
    rows.push(currentRow());
    assert.strictEqual(kvir._kvir_ask(), 0);
  }
  assert.deepStrictEqual(rows, [3, 7, 3, 4, 2, 5, 7, 4]);
  kvir._kvir_quiz_mode(0);
});
