// The page: the scheme list, the panel the module composes, a focusable element over each input
// button and a named one over each lamp, and the address that carries the state.
'use strict';

(function () {
  const kMaxPresses = 200;
  const kMaxHash = 8192;  // well above the longest address the page writes
  const kStageMs = 500;  // how long each stage of a press stays in the step mode
  const kLanguages = { ru: 0, en: 1 };

  const $ = (id) => document.getElementById(id);
  const list = $('scheme');
  const canvas = $('panel');
  const layer = $('indicators');
  const note = $('note');

  let kvir = null;  // the module
  let shown = null;  // the module's state of the shown scheme
  let elements = [];  // by indicator index: the element over it
  let writtenHash = '';
  let stageTimer = 0;
  const state = { scheme: 1, presses: [], lang: 'ru', clear: false, zoom: null, mode: '' };

  const words = () => KVIR_STRINGS[state.lang];
  const pictureZoom = () => state.zoom || (window.devicePixelRatio >= 1.5 ? 200 : 100);

  function text(pointer) {
    return kvir.UTF8ToString(pointer);
  }

  function call(name, ...args) {
    return kvir['_kvir_' + name](...args);
  }

  function withString(value, work) {
    const size = kvir.lengthBytesUTF8(value) + 1;
    const at = kvir._malloc ? kvir._malloc(size) : 0;
    if (!at) throw new Error('no memory');
    kvir.stringToUTF8(value, at, size);
    try { return work(at); } finally { kvir._free(at); }
  }

  // The model's side -------------------------------------------------------------------------

  function selectScheme() {
    if (call('select', state.scheme, state.clear ? 1 : 0, pictureZoom()) !== 0) {
      throw new Error(text(call('error', kLanguages[state.lang])));
    }
  }

  function pressInModel(name) {
    return withString(name, (at) => call('press', at)) === 0;
  }

  function readState() {
    shown = JSON.parse(text(call('state', kLanguages[state.lang])));
  }

  // Paints what the module composed again: after a press only the places it redrew.
  function paint() {
    const at = call('panel_rgba');
    if (!at) throw new Error(text(call('error', kLanguages[state.lang])));
    const width = call('panel_width');
    const height = call('panel_height');
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    const pixels = new Uint8ClampedArray(kvir.HEAPU8.buffer, at, width * height * 4);
    const image = new ImageData(pixels, width, height);
    const context = canvas.getContext('2d');
    for (const [left, top, w, h] of JSON.parse(text(call('panel_recomposed')))) {
      context.putImageData(image, 0, 0, left, top, w, h);
    }
    $('stage').style.setProperty('--aspect', String(width / height));
  }

  // The elements over the indicators -----------------------------------------------------------

  function accessibleName(ind) {
    const level = ind.card >= 0 ? words().cardWords[ind.card] : ind.level;
    return ind.label + ', ' + ind.role + ', ' + level;
  }

  // A lamp a question hides takes guesses: focusable, and a click or Space or Enter changes it.
  function makeGuessable(element, on) {
    element.classList.toggle('guess', on);
    element.setAttribute('role', on ? 'button' : 'img');
    if (on) element.tabIndex = 0; else element.removeAttribute('tabindex');
  }

  function guess(ind) {
    if (call('guess', ind.index) === 0) refresh();
  }

  function showQuiz() {
    const bar = $('quiz-bar');
    bar.hidden = !shown.quiz;
    if (!shown.quiz) return;
    const w = words();
    let line = shown.quiz.checked ? w.quizChecked : w.quizOpen;
    if (shown.quiz.scored > 0) line += ' ' + w.quizScore(shown.quiz.right, shown.quiz.scored);
    $('quiz-text').textContent = line;
    $('check').textContent = w.check;
    $('check').disabled = shown.quiz.checked;
    $('next').textContent = w.next;
  }

  function place(element, ind) {
    element.style.left = (100 * ind.x / shown.width) + '%';
    element.style.top = (100 * ind.y / shown.height) + '%';
    element.style.width = (100 * ind.side / shown.width) + '%';
    element.style.height = (100 * ind.side / shown.height) + '%';
  }

  function buildIndicators() {
    layer.textContent = '';
    elements = [];
    const make = (ind) => {
      const element = document.createElement(ind.button ? 'button' : 'span');
      if (ind.button) {
        element.type = 'button';
        element.className = 'ind';
        element.setAttribute('role', 'button');
        element.dataset.name = ind.name;
        element.addEventListener('click', () => press(ind.name));
        element.addEventListener('keydown', (event) => arrow(event, ind));
      } else {
        element.className = 'lamp';
        element.setAttribute('role', 'img');
        element.dataset.name = ind.name;
        element.addEventListener('click', () => guess(ind));
        element.addEventListener('keydown', (event) => {
          if (!element.classList.contains('guess') || (event.key !== ' ' && event.key !== 'Enter')) return;
          event.preventDefault();
          guess(ind);
        });
      }
      place(element, ind);
      elements[ind.index] = element;
      layer.appendChild(element);
    };
    // Buttons first, in reading order: that is the Tab order; the lamps after them.
    for (const index of shown.order) make(shown.indicators[index]);
    for (const ind of shown.indicators) if (!ind.button) make(ind);
    labelIndicators();
  }

  function labelIndicators() {
    for (const ind of shown.indicators) {
      const element = elements[ind.index];
      if (!ind.button) makeGuessable(element, ind.card >= 0);
      element.setAttribute('aria-label', accessibleName(ind));
    }
    showQuiz();
    canvas.setAttribute('aria-label', words().panel + list.options[list.selectedIndex].text);
  }

  const kArrows = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3 };

  function arrow(event, ind) {
    if (!(event.key in kArrows) || event.altKey || event.ctrlKey || event.metaKey) return;
    const target = ind.arrows[kArrows[event.key]];
    event.preventDefault();
    if (target >= 0) elements[target].focus();
  }

  // What the student does ----------------------------------------------------------------------

  function press(name) {
    stopReplay();
    if (!pressInModel(name)) return;
    state.presses.push(name);
    // The address carries no more presses than the page takes from one: past that, the fewest
    // that reach the same state.
    if (state.presses.length > kMaxPresses) state.presses = JSON.parse(text(call('shortest_presses')));
    refresh();
    if (state.mode === 'step') replayStages();
  }

  // The step mode: the stages of the press come one after another; the address already holds the
  // press, since the levels changed at once.
  function replayStages() {
    document.body.dataset.replaying = 'true';
    stageTimer = setTimeout(function next() {
      const more = call('advance') === 1;
      paint();
      if (more) {
        stageTimer = setTimeout(next, kStageMs);
      } else {
        stageTimer = 0;
        document.body.dataset.replaying = 'false';
      }
    }, kStageMs);
  }

  function stopReplay() {
    clearTimeout(stageTimer);
    stageTimer = 0;
    document.body.dataset.replaying = 'false';
  }

  function setMode(mode) {
    stopReplay();
    // The quiz begins with a question of its own: the presses no longer lead to the state shown.
    if (mode === 'quiz' && state.mode !== 'quiz') state.presses = [];
    state.mode = mode;
    call('step_mode', mode === 'step' ? 1 : 0);
    call('quiz_mode', mode === 'quiz' ? 1 : 0);
    $('step').setAttribute('aria-pressed', String(mode === 'step'));
    $('quiz').setAttribute('aria-pressed', String(mode === 'quiz'));
  }

  function refresh() {
    readState();
    paint();
    labelIndicators();
    fillSections();
    writeHash();
  }

  function showScheme() {
    stopReplay();
    selectScheme();
    readState();
    paint();
    buildIndicators();
    fillSections();
    writeHash();
  }

  function chooseScheme(n) {
    state.scheme = n;
    state.presses = [];
    showScheme();
  }

  function restyle() {
    stopReplay();
    if (call('restyle', state.clear ? 1 : 0, pictureZoom()) !== 0) throw new Error(text(call('error', kLanguages[state.lang])));
    readState();
    paint();
    writeHash();
  }

  // "О схеме", the truth table, the help ------------------------------------------------------

  const kSections = [['about', 'about-button'], ['table', 'table-button'], ['help', 'help-button']];

  function paragraphs(element, lines) {
    element.textContent = '';
    for (const line of lines) {
      const p = document.createElement('p');
      p.textContent = line;
      element.appendChild(p);
    }
  }

  function fillAbout(section) {
    section.querySelector('h2').textContent = words().about;
    const about = text(call('about', state.scheme, kLanguages[state.lang]));
    paragraphs(section.querySelector('.text'), [list.options[list.selectedIndex].text,
      ...about.split('\n').filter((line) => line !== '')]);
  }

  function fillTable(section) {
    const table = JSON.parse(text(call('table', kLanguages[state.lang])));
    const w = words();
    section.querySelector('h2').textContent = w.table;
    const reached = table.reached.filter((r) => r).length;
    section.querySelector('.count').textContent = w.reachedCount(reached, table.rows.length);
    const grid = document.createElement('table');
    const head = grid.createTHead().insertRow();
    head.insertCell().outerHTML = '<th scope="col"></th>';
    for (const column of table.columns) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = column.label;
      head.appendChild(th);
    }
    const body = grid.createTBody();
    table.rows.forEach((values, i) => {
      const row = body.insertRow();
      if (table.reached[i]) row.className = 'reached';
      if (i === table.current) {
        row.className = 'current';
        row.setAttribute('aria-current', 'true');
      }
      row.insertCell().textContent = table.reached[i] ? '\u2713' : '';
      for (const v of values) row.insertCell().textContent = v === null ? '?' : String(v);
    });
    const rows = section.querySelector('.rows');
    rows.textContent = '';
    rows.appendChild(grid);
    const csv = $('csv');
    csv.textContent = w.saveCsv;
    csv.onclick = () => download(table.csv, 'kvir-' + String(state.scheme).padStart(2, '0') + '.csv');
  }

  function download(content, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([content], { type: 'text/csv;charset=utf-8' }));
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  function fillHelp(section) {
    section.querySelector('h2').textContent = words().help;
    paragraphs(section.querySelector('.text'), words().helpText);
  }

  const kFillers = { about: fillAbout, table: fillTable, help: fillHelp };

  function fillSections() {
    for (const [id] of kSections) {
      const section = $(id);
      if (!section.hidden) kFillers[id](section);
    }
  }

  function toggleSection(id, buttonId) {
    const section = $(id);
    section.hidden = !section.hidden;
    $(buttonId).setAttribute('aria-expanded', String(!section.hidden));
    if (!section.hidden) kFillers[id](section);
  }

  // Words --------------------------------------------------------------------------------------

  function fillList() {
    const titles = JSON.parse(text(call('titles', kLanguages[state.lang])));
    list.textContent = '';
    titles.forEach((title, i) => list.add(new Option(title, String(i + 1))));
    list.value = String(state.scheme);
  }

  function applyWords() {
    const w = words();
    document.documentElement.lang = w.lang;
    list.setAttribute('aria-label', w.schemeList);
    $('view').textContent = w.clearView;
    $('view').setAttribute('aria-pressed', String(state.clear));
    $('step').textContent = w.step;
    $('quiz').textContent = w.quiz;
    $('about-button').textContent = w.about;
    $('table-button').textContent = w.table;
    $('help-button').textContent = w.help;
    $('lang').textContent = w.otherLanguage;
    $('lang').setAttribute('aria-label', w.otherLanguageName);
    fillList();
  }

  // The address --------------------------------------------------------------------------------

  function hashOf() {
    const parts = ['scheme=' + state.scheme];
    if (state.presses.length) parts.push('press=' + state.presses.join(','));
    if (state.lang !== 'ru') parts.push('lang=' + state.lang);
    if (state.clear) parts.push('view=clear');
    if (state.zoom) parts.push('zoom=' + state.zoom);
    if (state.mode) parts.push('mode=' + state.mode);
    return '#' + parts.join('&');
  }

  // The address follows the state a moment after it settles: browsers refuse a page that
  // rewrites its address hundreds of times in a few seconds.
  let hashTimer = 0;
  function writeHash() {
    writtenHash = hashOf();
    clearTimeout(hashTimer);
    hashTimer = setTimeout(() => {
      if (location.hash === writtenHash) return;
      try {
        history.replaceState(null, '', writtenHash);
      } catch (error) {
        location.replace(writtenHash);
      }
    }, 200);
  }

  // Reads the address into `state`; returns what it could not use, for the note, as pairs of the
  // part and the key of its reason in KVIR_STRINGS: the note is worded once the address has said
  // its language. An address longer than any the page writes is not read at all.
  function readHash(hash) {
    const ignored = [];
    Object.assign(state, { scheme: 1, presses: [], lang: 'ru', clear: false, zoom: null });
    if (hash.length > kMaxHash) {
      ignored.push([hash.slice(0, 40) + '…', 'tooLong']);
      return { ignored, presses: [], mode: '' };
    }
    const params = new URLSearchParams(hash.replace(/^#/, ''));
    let presses = [];
    let mode = '';
    const seen = new Set();
    for (const [key, value] of params) {
      const bad = (why) => ignored.push([key + '=' + value.slice(0, 40), why]);
      if (seen.has(key)) {
        bad('repeated');
        continue;
      }
      seen.add(key);
      if (key === 'scheme') {
        const n = /^\d{1,2}$/.test(value) ? Number(value) : 0;
        if (n >= 1 && n <= 16) state.scheme = n; else bad('badValue');
      } else if (key === 'press') {
        presses = value.split(',').filter((name) => name !== '');
        if (presses.length > kMaxPresses) { bad('tooMany'); presses = []; }
      } else if (key === 'lang') {
        if (value in kLanguages) state.lang = value; else bad('badValue');
      } else if (key === 'view') {
        if (value === 'clear' || value === 'plain') state.clear = value === 'clear'; else bad('badValue');
      } else if (key === 'zoom') {
        if (value === '100' || value === '200') state.zoom = Number(value); else bad('badValue');
      } else if (key === 'mode') {
        if (value === 'step' || value === 'quiz') mode = value; else bad('badValue');
      } else {
        bad('unknownParameter');
      }
    }
    return { ignored, presses, mode };
  }

  function showNote(ignored) {
    const w = words();
    note.hidden = ignored.length === 0;
    note.textContent = ignored.length
      ? w.ignored + ignored.map(([part, why]) => part + ' (' + w[why] + ')').join('; ')
      : '';
  }

  function openHash(hash) {
    const { ignored, presses, mode } = readHash(hash);
    applyWords();
    setMode('');  // the link's presses are made at once, as in the address; later ones in steps
    showScheme();
    for (const name of presses) {
      if (pressInModel(name)) state.presses.push(name);
      else ignored.push(['press ' + name.slice(0, 20), 'unknownButton']);
    }
    setMode(mode);
    refresh();
    showNote(ignored);
  }

  // Start --------------------------------------------------------------------------------------

  function wire() {
    list.addEventListener('change', () => chooseScheme(Number(list.value)));
    $('lang').addEventListener('click', () => {
      state.lang = state.lang === 'ru' ? 'en' : 'ru';
      applyWords();
      refresh();
    });
    $('step').addEventListener('click', () => {
      setMode(state.mode === 'step' ? '' : 'step');
      refresh();
    });
    $('quiz').addEventListener('click', () => {
      setMode(state.mode === 'quiz' ? '' : 'quiz');
      refresh();
    });
    $('check').addEventListener('click', () => { call('check'); refresh(); });
    $('next').addEventListener('click', () => {
      // The question's state is not a press of the student's: the address keeps the scheme alone.
      state.presses = [];
      call('ask');
      refresh();
    });
    $('view').addEventListener('click', () => {
      state.clear = !state.clear;
      $('view').setAttribute('aria-pressed', String(state.clear));
      restyle();
    });
    for (const [id, buttonId] of kSections) {
      $(buttonId).addEventListener('click', () => toggleSection(id, buttonId));
    }
    window.addEventListener('hashchange', () => {
      if (location.hash !== writtenHash) openHash(location.hash);
    });
  }

  KvirModule().then((module) => {
    kvir = module;
    wire();
    openHash(location.hash);
    // For the benchmark page (bench/web/): when the first panel stood, and the module's memory.
    document.body.dataset.firstPanelMs = performance.now().toFixed(1);
    window.kvirMemoryBytes = () => kvir.HEAPU8.buffer.byteLength;
    document.body.dataset.ready = 'true';
  }).catch((error) => {
    note.hidden = false;
    note.textContent = words().failed + error;
    document.body.dataset.ready = 'failed';
  });
})();
