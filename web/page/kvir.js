// The page: the scheme list, the panel the module composes, a focusable element over each input
// button and a named one over each lamp, and the address that carries the state.
'use strict';

(function () {
  const kMaxPresses = 200;
  const kMaxHash = 8192;  // well above the longest address the page writes
  const kLanguages = { ru: 0, en: 1 };
  // The picture sets the page carries, by zoom; a panel is drawn from the smallest set at least
  // as large as the screen shows it, and never more than kSharpness times larger than its set.
  const kPictureZooms = [100, 200, 300];
  const kSharpness = 1.25;
  // A finger's target: at least this many CSS pixels each way, none shared with a neighbour.
  const kTarget = 24;

  const $ = (id) => document.getElementById(id);
  const list = $('scheme');
  const canvas = $('panel');
  const layer = $('indicators');
  const note = $('note');
  const view = $('scroller');
  const stage = $('stage');

  let kvir = null;  // the module
  let shown = null;  // the module's state of the shown scheme
  let elements = [];  // by indicator index: the element over it
  let writtenHash = '';
  let stageTimer = 0;
  const state = { scheme: 1, presses: [], lang: 'ru', clear: false, zoom: null, mode: '' };
  // The panel's size on screen: the student's zoom over the size that fits, and the picture set
  // it asks for.
  // The first panel comes from the smallest set, the quickest to decode; the set its size asks
  // for follows once it stands (`early` until then).
  const sizing = { magnify: 1, zoom: kPictureZooms[0], early: true };

  const words = () => KVIR_STRINGS[state.lang];
  const pictureZoom = () => state.zoom || sizing.zoom || kPictureZooms[0];

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

  // A name with a control character names no button: the module would read it only up to a
  // NUL.
  function pressInModel(name) {
    if (/[\u0000-\u001f\u007f]/.test(name)) return false;
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
  }

  // The elements over the indicators -----------------------------------------------------------

  // What a lamp shows in words: its level, or the card over it; a level the question keeps back
  // is said to be hidden.
  function levelWords(ind) {
    const w = words();
    if (ind.card >= 0 && ind.card < w.cardWords.length) return w.cardWords[ind.card];
    return ind.level === null || ind.level === undefined ? w.hiddenLevel : String(ind.level);
  }

  function accessibleName(ind) {
    return ind.label + ', ' + ind.role + ', ' + levelWords(ind);
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

  // The panel's size on screen -----------------------------------------------------------------

  const compactQuery = window.matchMedia('(max-width: 40rem), (max-height: 30rem)');
  const rootPixels = () => parseFloat(getComputedStyle(document.documentElement).fontSize) || 16;

  // The CSS width that fits: on a wide screen the window's width and the height below the tools,
  // as ever; on a phone the screen's width, the panel moving under the finger where it is taller.
  function fittingWidth() {
    const width = view.clientWidth;
    if (compactQuery.matches) return width;
    return Math.min(width, (window.innerHeight - 6 * rootPixels()) * shown.width / shown.height);
  }

  // The smallest CSS width at which every input button is kTarget pixels from its neighbours'
  // middles in one direction at least: then each gets a square of its own that large.
  function touchWidth() {
    const buttons = shown.order.map((i) => shown.indicators[i]);
    let nearest = Infinity;
    for (let i = 0; i < buttons.length; ++i) {
      for (let j = i + 1; j < buttons.length; ++j) {
        nearest = Math.min(nearest, apart(buttons[i], buttons[j]));
      }
    }
    // A little over: the browser lays boxes out in 64ths of a pixel.
    return nearest === Infinity ? 0 : (kTarget + 0.1) * shown.width / nearest;
  }

  // How far apart two indicators' middles are along the axis that parts them more.
  function apart(a, b) {
    return Math.max(Math.abs(a.x + a.side / 2 - b.x - b.side / 2),
                    Math.abs(a.y + a.side / 2 - b.y - b.side / 2));
  }

  // The widest the panel is drawn: its largest picture set stretched kSharpness times.
  function sharpWidth() {
    const largest = kPictureZooms[kPictureZooms.length - 1];
    return kSharpness * shown.width * largest / shown.zoom / window.devicePixelRatio;
  }

  // The width the panel starts at: what fits, or more where the buttons need it.
  function baseWidth() {
    return Math.max(fittingWidth(), touchWidth());
  }

  // The student's zoom over baseWidth, no smaller than the buttons need; never wider than the
  // pictures stay sharp, whatever the buttons need. In whole CSS pixels, rounded up for them.
  function panelWidth() {
    const width = Math.max(touchWidth(), baseWidth() * sizing.magnify);
    return Math.min(Math.ceil(width), Math.floor(sharpWidth()));
  }

  // The picture set for a panel `width` CSS pixels wide: the smallest at least that large in
  // device pixels, else the largest.
  function zoomFor(width) {
    const wanted = width * window.devicePixelRatio * shown.zoom / shown.width;
    return kPictureZooms.find((zoom) => zoom * 1.02 >= wanted) || kPictureZooms[kPictureZooms.length - 1];
  }

  // Sizes the panel and the targets over it; a panel that needs another picture set is
  // restyled first (`settle`; not in the middle of a pinch, nor before the first panel stood).
  function layout(settle = true) {
    if (!shown) return;
    const width = panelWidth();
    if (settle && sizing.early) {
      settle = false;
      if (sizing.early !== 'coming') {
        sizing.early = 'coming';
        requestAnimationFrame(() => setTimeout(() => {
          sizing.early = false;
          layout();
          document.body.dataset.sharpMs = performance.now().toFixed(1);
        }, 0));
      }
    }
    if (settle && !state.zoom && zoomFor(width) !== shown.zoom) {
      sizing.zoom = zoomFor(width);
      restyle(false);
    }
    const scale = width / shown.width;
    const above = view.getBoundingClientRect().top + window.scrollY;
    view.style.maxHeight = Math.max(0.6 * window.innerHeight, window.innerHeight - above) + 'px';
    stage.style.width = width + 'px';
    stage.style.height = Math.round(shown.height * scale) + 'px';
    placeTargets(scale);
    // For the tests: the picture set shown, and whether it is the one this size asks for.
    document.body.dataset.zoom = String(shown.zoom);
    document.body.dataset.settled =
      String(!sizing.early && (!!state.zoom || zoomFor(width) === shown.zoom));
  }

  // Every lamp over its picture; every input button over a square around its middle, at least
  // kTarget pixels and as large as its picture, up to halfway to each neighbour's middle.
  function placeTargets(scale) {
    const buttons = shown.order.map((i) => shown.indicators[i]);
    for (const ind of shown.indicators) {
      const element = elements[ind.index];
      let half = ind.side * scale / 2;
      if (ind.button) {
        half = Math.max(half, kTarget / 2);
        for (const other of buttons) {
          if (other !== ind) half = Math.min(half, apart(ind, other) * scale / 2);
        }
      }
      const middleX = (ind.x + ind.side / 2) * scale;
      const middleY = (ind.y + ind.side / 2) * scale;
      element.style.left = (middleX - half) + 'px';
      element.style.top = (middleY - half) + 'px';
      element.style.width = element.style.height = (2 * half) + 'px';
    }
  }

  // The zoom held within its bounds, so that the other way answers at once.
  function magnify(factor) {
    sizing.magnify *= factor;
    sizing.magnify = panelWidth() / baseWidth();
    layout();
  }

  // Two fingers on the panel zoom it about their middle; one moves it (the browser's own pan).
  function wirePinch() {
    let pinch = null;
    const spread = (touches) => Math.hypot(touches[0].clientX - touches[1].clientX,
                                           touches[0].clientY - touches[1].clientY);
    view.addEventListener('touchstart', (event) => {
      if (event.touches.length !== 2) return;
      const box = view.getBoundingClientRect();
      const x = (event.touches[0].clientX + event.touches[1].clientX) / 2 - box.left;
      const y = (event.touches[0].clientY + event.touches[1].clientY) / 2 - box.top;
      pinch = { spread: spread(event.touches), magnify: sizing.magnify, x, y,
                left: view.scrollLeft + x, top: view.scrollTop + y, width: stage.offsetWidth };
    }, { passive: true });
    view.addEventListener('touchmove', (event) => {
      if (!pinch || event.touches.length !== 2) return;
      event.preventDefault();
      sizing.magnify = Math.min(8, Math.max(0.25, pinch.magnify * spread(event.touches) / pinch.spread));
      layout(false);
      const grown = stage.offsetWidth / pinch.width;
      view.scrollLeft = pinch.left * grown - pinch.x;
      view.scrollTop = pinch.top * grown - pinch.y;
    }, { passive: false });
    const end = () => {
      if (!pinch) return;
      pinch = null;
      // The zoom the panel ended at, within its bounds, and the sharp pictures for it.
      magnify(1);
    };
    view.addEventListener('touchend', end);
    view.addEventListener('touchcancel', end);
  }

  // The full screen, where the browser has one for a page.
  function toggleFullScreen() {
    const request = document.fullscreenElement
      ? document.exitFullscreen() : document.documentElement.requestFullscreen();
    Promise.resolve(request).catch(() => {});
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
      elements[ind.index] = element;
      layer.appendChild(element);
    };
    // Buttons first, in reading order: that is the Tab order; the lamps after them.
    for (const index of shown.order) make(shown.indicators[index]);
    for (const ind of shown.indicators) if (!ind.button) make(ind);
    labelIndicators();
    layout(false);
  }

  function labelIndicators() {
    for (const ind of shown.indicators) {
      const element = elements[ind.index];
      if (!ind.button) makeGuessable(element, ind.asked);
      element.setAttribute('aria-label', accessibleName(ind));
    }
    showQuiz();
    showStep();
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
    const before = shown.indicators.map((ind) => ind.level);
    if (!pressInModel(name)) return;
    state.presses.push(name);
    // The address carries no more presses than the page takes from one: past that, the fewest
    // that reach the same state.
    if (state.presses.length > kMaxPresses) state.presses = JSON.parse(text(call('shortest_presses')));
    refresh();
    announce(before);
    if (state.mode === 'step') replayStages();
  }

  // Tells a screen reader the levels the press changed, as far as the student may know them.
  function announce(before) {
    const w = words();
    const changed = shown.indicators.filter((ind) => ind.level !== null &&
      before[ind.index] !== null && before[ind.index] !== ind.level);
    const said = changed.slice(0, 12).map((ind) => w.levelNow(ind.label, ind.level));
    if (changed.length > said.length) said.push(w.more(changed.length - said.length));
    // The same words twice in a row are still said: the region is emptied first.
    const live = $('live');
    live.textContent = '';
    setTimeout(() => {
      live.textContent = said.length ? w.changed + said.join(', ') + '.' : w.nothingChanged;
    }, 50);
  }

  // The step mode: the stages of the press come one after another at the session's pace; the
  // address already holds the press, since the levels changed at once.
  function replayStages() {
    document.body.dataset.replaying = step().replaying ? 'true' : 'false';
    showStep();
    waitForStage();
  }

  function step() {
    return JSON.parse(text(call('step')));
  }

  function waitForStage() {
    clearTimeout(stageTimer);
    stageTimer = 0;
    const now = step();
    if (!now.replaying || now.paused) return;
    stageTimer = setTimeout(nextStage, now.interval);
  }

  function nextStage() {
    call('advance');
    paint();
    const now = step();
    document.body.dataset.replaying = now.replaying ? 'true' : 'false';
    showStep();
    waitForStage();
  }

  function stopReplay() {
    clearTimeout(stageTimer);
    stageTimer = 0;
    document.body.dataset.replaying = 'false';
  }

  // The step mode's line: the stage shown of how many, the pace, and its buttons.
  function showStep() {
    const bar = $('step-bar');
    bar.hidden = state.mode !== 'step';
    if (bar.hidden) return;
    const w = words();
    const now = step();
    $('step-text').textContent = (now.replaying ? w.stageOf(now.shown, now.stages) : w.pressFirst) +
      ' · ' + (now.paused ? w.paused : w.pace(now.interval));
    $('next-stage').textContent = w.nextStage;
    $('next-stage').disabled = !now.replaying;
    $('slower').textContent = w.slower;
    $('faster').textContent = w.faster;
    $('pause').textContent = w.pause;
    $('pause').setAttribute('aria-pressed', String(now.paused));
  }

  function pace(change, paused) {
    call('pace', change, paused ? 1 : 0);
    showStep();
    waitForStage();
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
    showStep();
  }

  function refresh() {
    readState();
    paint();
    labelIndicators();
    placeTargets(stage.offsetWidth / shown.width);
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
    layout();
  }

  function chooseScheme(n) {
    state.scheme = n;
    state.presses = [];
    showScheme();
  }

  // The shown scheme in the style and picture set chosen now; `sized`: sized for the screen after.
  function restyle(sized = true) {
    stopReplay();
    if (call('restyle', state.clear ? 1 : 0, pictureZoom()) !== 0) throw new Error(text(call('error', kLanguages[state.lang])));
    readState();
    paint();
    labelIndicators();
    if (sized) layout();
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
    $('reset').textContent = w.reset;
    $('zoom-out').setAttribute('aria-label', w.zoomOut);
    $('zoom-in').setAttribute('aria-label', w.zoomIn);
    $('full-screen').textContent = w.fullScreen;
    $('menu-button').textContent = w.menu;
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

  // The first `count` characters of `part` for a note, never half of one (a pair of UTF-16
  // surrogates), control characters shown by their pictures (NUL as ␀).
  function clip(part, count) {
    const shown = (c) => (c < ' ' ? String.fromCodePoint(0x2400 + c.codePointAt(0)) : c);
    return Array.from(part).slice(0, count).map(shown).join('');
  }

  // Reads the address into `state`; returns what it could not use, for the note, as pairs of the
  // part and the key of its reason in KVIR_STRINGS: the note is worded once the address has said
  // its language. An address longer than any the page writes is not read at all.
  function readHash(hash) {
    const ignored = [];
    Object.assign(state, { scheme: 1, presses: [], lang: 'ru', clear: false, zoom: null });
    if (hash.length > kMaxHash) {
      ignored.push([clip(hash, 40) + '…', 'tooLong']);
      return { ignored, presses: [], mode: '' };
    }
    const params = new URLSearchParams(hash.replace(/^#/, ''));
    let presses = [];
    let mode = '';
    const seen = new Set();
    for (const [key, value] of params) {
      const bad = (why) => ignored.push([clip(key, 40) + '=' + clip(value, 40), why]);
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
        if (Object.hasOwn(kLanguages, value)) state.lang = value; else bad('badValue');
      } else if (key === 'view') {
        if (value === 'clear' || value === 'plain') state.clear = value === 'clear'; else bad('badValue');
      } else if (key === 'zoom') {
        if (kPictureZooms.map(String).includes(value)) state.zoom = Number(value); else bad('badValue');
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
      else ignored.push(['press ' + clip(name, 20), 'unknownButton']);
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
    $('reset').addEventListener('click', () => chooseScheme(state.scheme));
    $('zoom-in').addEventListener('click', () => magnify(1.25));
    $('zoom-out').addEventListener('click', () => magnify(0.8));
    $('full-screen').hidden = !document.fullscreenEnabled;
    $('full-screen').addEventListener('click', toggleFullScreen);
    document.addEventListener('fullscreenchange', () => {
      $('full-screen').setAttribute('aria-pressed', String(!!document.fullscreenElement));
    });
    const openMenu = (open) => {
      $('menu-button').setAttribute('aria-expanded', String(open));
      document.body.classList.toggle('menu-open', open);
    };
    $('menu-button').addEventListener('click', () => {
      openMenu($('menu-button').getAttribute('aria-expanded') !== 'true');
    });
    // Escape closes the menu, the focus back on its button.
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape' || !document.body.classList.contains('menu-open')) return;
      openMenu(false);
      $('menu-button').focus();
    });
    $('next-stage').addEventListener('click', () => {
      clearTimeout(stageTimer);
      nextStage();
    });
    $('slower').addEventListener('click', () => pace(-1, step().paused));
    $('faster').addEventListener('click', () => pace(1, step().paused));
    $('pause').addEventListener('click', () => pace(0, !step().paused));
    wirePinch();
    // A tool chosen from the menu closes it; the zoom stays open for another step.
    $('tools').addEventListener('click', (event) => {
      const tool = event.target.closest('button');
      if (!tool || tool.id === 'zoom-in' || tool.id === 'zoom-out') return;
      openMenu(false);
    });
    // The panel follows the window's size and the room beside a scroll bar, once a frame.
    let resized = 0;
    const relayout = () => {
      cancelAnimationFrame(resized);
      resized = requestAnimationFrame(() => layout());
    };
    window.addEventListener('resize', relayout);
    new ResizeObserver(relayout).observe(view);
    for (const [id, buttonId] of kSections) {
      $(buttonId).addEventListener('click', () => toggleSection(id, buttonId));
    }
    window.addEventListener('hashchange', () => {
      if (location.hash !== writtenHash) openHash(location.hash);
    });
  }

  KvirModule().then((module) => {
    kvir = module;
    // For the benchmark (bench/web/): when the module was ready, when the first panel stood, and
    // the module's memory.
    document.body.dataset.moduleMs = performance.now().toFixed(1);
    wire();
    openHash(location.hash);
    document.body.dataset.firstPanelMs = performance.now().toFixed(1);
    window.kvirMemoryBytes = () => kvir.HEAPU8.buffer.byteLength;
    document.body.dataset.ready = 'true';
  }).catch((error) => {
    note.hidden = false;
    note.textContent = words().failed + error;
    document.body.dataset.ready = 'failed';
  });
})();
