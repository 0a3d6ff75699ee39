// The browser face of Zorva. The WebAssembly core runs the routers; this page hands it keys, real
// time and files, and shows what it gives back: consoles, boxes, the clock, the diagram.
import '@xterm/xterm/css/xterm.css';
import './page.css';
import { Consoles } from './consoles.js';
import { Dialogs } from './dialogs.js';
import { keyAction } from './keys.js';
import { BUNDLE_PAGE, HOME_PAGE, Navigator, TOPOLOGY_PAGE } from './navigator.js';
import { Recovery } from './recovery.js';
import { Diagram } from './diagram.js';
import { checkReport } from './check_report.js';

const APP_DIR = '/zorva';
const TICK_MS = 20;                // how often real time is handed to the core
const LONGEST_STEP_MS = 1000;      // a stalled page never hands over more at once
const TOLD_FOR_MS = 4000;          // how long a short notice stays in the corner
const TOPOLOGY_LIMIT = 1 << 20;    // the largest topology file the core reads
const LAB_LIMIT = 64 << 20;        // the largest lab file the core opens

const $ = (id) => document.getElementById(id);
const BEHAVIOUR_KEY = 'zorva.behaviour';  // the behaviour of new labs, kept in local storage
const FONT_KEY = 'zorva.fontSize';        // the student's font size, kept in local storage
const FONT_SIZES = { smallest: 10, usual: 14, largest: 24 };
const LAB_PAGE_FIT = 0.8;  // a lab page too wide for the navigator is shown this much smaller at most

function stored(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;  // storage refused: the default
  }
}

function store(key, value) {
  try {
    localStorage.setItem(key, value);
  } catch {
    // storage refused: the choice holds until the page closes
  }
}

function storedBehaviour() {
  return stored(BEHAVIOUR_KEY) || 'classic';
}

function storedFontSize() {
  const px = Number(stored(FONT_KEY));
  return px >= FONT_SIZES.smallest && px <= FONT_SIZES.largest ? px : FONT_SIZES.usual;
}

class Page {
  constructor(core) {
    this.core = core;
    this.session = new core.WebSession(APP_DIR);
    this.session.setBehaviour(storedBehaviour());
    this.dialogs = new Dialogs($('dialog-layer'));
    this.consoles = new Consoles($('terminal-frame'), $('terminal'), $('input-line'));
    this.navigator = new Navigator($('lab-page'), $('nav-title'), (n) => this.goToRouter(n),
      (name) => this.generatedPage(name));
    this.diagram = new Diagram($('diagram'), (n) => this.goToRouter(n));
    // The session keeps its recovery copies in this tab's local storage.
    this.recovery = new Recovery();
    this.studentAsked = false;  // the name was asked for this lab (once is enough)
    this.session.useRecoveryStorage(this.recovery);
    this.shownTopology = '';  // the topology of the running lab, for the chooser
    this.fontSize = storedFontSize();
    this.consoles.fontSize = this.fontSize;
    this.lastTick = performance.now();
  }

  start() {
    this.fillTopologies();
    this.session.start('');
    this.apply();
    this.hookControls();
    this.navigator.open(HOME_PAGE);
    this.session.offerRecovery();
    this.apply();
    this.openLabFromAddress();
    this.runClock();
    $('loading').remove();
    $('terminal-frame').focus();
    performance.mark('zorva-first-prompt');  // how long start-up took, for the browser test
  }

  // ---- What the core gives back -------------------------------------------------------------
  apply() {
    const changes = JSON.parse(this.session.takeChanges());
    if (changes.reset) this.rebuild(changes.reset);
    for (const c of changes.consoles || []) {
      if (c.append !== undefined) this.consoles.append(c.n, c.append);
      if (c.input !== undefined) this.consoles.setInput(c.n, c.input, c.caret);
    }
    if (changes.active !== undefined && changes.active !== this.consoles.active) this.showRouter(changes.active);
    if (changes.clock !== undefined) this.showClock(changes.clock);
    if (changes.behaviour !== undefined) $('lab-behaviour').textContent = changes.behaviour;
    for (const n of changes.notices || []) this.dialogs.show(n.title, n.text);
    for (const t of changes.told || []) this.tell(t);
    if (changes.download) download(changes.download.name, changes.download.text);
    if (changes.question) this.ask(changes.question);
    this.diagram.refresh(() => this.session.diagram());
    return changes;
  }

  generatedPage(name) {
    if (name === TOPOLOGY_PAGE) return this.session.topologyPage();
    if (name === BUNDLE_PAGE) return this.session.labPage() || null;
    return null;
  }

  // A lab that came with its page shows it in the Lab Navigator.
  showLabPage() {
    this.studentAsked = false;
    if (this.session.labPage()) this.navigator.open(BUNDLE_PAGE);
  }

  rebuild(reset) {
    this.consoles.reset(reset.routers);
    const tabs = $('tabs');
    const picker = $('router-picker');
    tabs.textContent = '';
    picker.textContent = '';
    reset.routers.forEach((caption, i) => {
      const b = document.createElement('button');
      b.textContent = caption;
      b.dataset.router = i + 1;
      b.title = i < 12 ? `F${i + 1}` : '';
      b.addEventListener('click', () => this.goToRouter(i + 1));
      tabs.append(b);
      const o = document.createElement('option');
      o.value = i + 1;
      o.textContent = caption;
      picker.append(o);
    });
    this.shownTopology = reset.topology;
    if (reset.topology) this.selectTopology(reset.topology);
    this.diagram.rebuild(() => this.session.diagram());
    if (this.navigator.page === TOPOLOGY_PAGE) this.navigator.open(TOPOLOGY_PAGE, false);
  }

  showRouter(n) {
    this.consoles.show(n);
    for (const b of $('tabs').children) b.classList.toggle('on', Number(b.dataset.router) === n);
    $('router-picker').value = String(n);
  }

  showClock(text) {
    const [clock, speed] = text.split(' ');
    $('clock').textContent = clock;
    $('speed').value = speed.replace('x', '');
  }

  async ask(q) {
    const answer = await this.dialogs.show(q.title, q.text, q.buttons);
    this.session.answer(answer);
    this.apply();
    // A topology chosen and then not opened (Cancel) leaves the chooser on the running one.
    if (this.shownTopology) this.selectTopology(this.shownTopology);
    $('terminal-frame').focus();
  }

  // A short notice that needs no answer ("Lab downloaded as …"), in the corner for a while.
  tell(text) {
    const toast = $('toast');
    toast.textContent = text;
    toast.hidden = false;
    clearTimeout(this.toldTimer);
    this.toldTimer = setTimeout(() => { toast.hidden = true; }, TOLD_FOR_MS);
  }

  // ---- Keys ---------------------------------------------------------------------------------
  goToRouter(n) {
    this.session.functionKey(n);
    this.apply();
    $('terminal-frame').focus();
  }

  onKey(e) {
    if (this.dialogs.open) return;
    const action = keyAction(e);
    if (!action) return;
    e.preventDefault();
    e.stopPropagation();
    if (action.router) this.session.functionKey(action.router);
    else if (action.picker) $('router-picker').focus();
    else if (action.page) this.consoles.scrollPage(action.page);
    else if (action.code !== undefined) this.session.key(action.code);
    else if (action.text) this.session.typeText(action.text);
    this.apply();
  }

  onPaste(e) {
    if (this.dialogs.open) return;
    e.preventDefault();
    const text = (e.clipboardData || window.clipboardData).getData('text');
    // Line ends become Enter, once each, as when the lines are typed.
    if (!this.session.typeText(text.replace(/\r\n?/g, '\r').replace(/\n/g, '\r')))
      this.dialogs.show('Zorva', 'The pasted text is too long to be typed; nothing was pasted.');
    this.apply();
  }

  // ---- The clock ----------------------------------------------------------------------------
  // Real time runs the simulated clock while the page is shown; while it is hidden the clock
  // stands still, and it goes on from there, without a jump, when the page is shown again.
  runClock() {
    setInterval(() => this.tick(), TICK_MS);
    document.addEventListener('visibilitychange', () => {
      this.lastTick = performance.now();
    });
  }

  tick() {
    const now = performance.now();
    const real = Math.min(now - this.lastTick, LONGEST_STEP_MS);
    this.lastTick = now;
    if (document.hidden) return;
    this.session.runReal(real);  // the session also writes the recovery copy when it is due
    this.apply();
  }

  // ---- Topologies and labs ------------------------------------------------------------------
  fillTopologies() {
    const select = $('topology');
    for (const name of JSON.parse(this.session.shippedTopologies())) {
      const o = document.createElement('option');
      o.value = name;
      o.textContent = name.replace(/^topologies\//, '');
      select.append(o);
    }
  }

  selectTopology(file) {
    const select = $('topology');
    const name = file.startsWith(APP_DIR + '/') ? file.slice(APP_DIR.length + 1) : file;
    let option = [...select.options].find((o) => o.value === name);
    if (!option) {
      option = [...select.options].find((o) => o.dataset.picked) || document.createElement('option');
      option.dataset.picked = '1';
      option.value = name;
      option.textContent = name.split('/').pop();
      select.append(option);
    }
    select.value = name;
  }

  // Opening anything over a changed lab: the session offers to save it first (a question).
  chooseTopology(name) {
    this.session.chooseTopology(name);
    this.apply();
  }

  async openTopologyFile(file) {
    if (file.size > TOPOLOGY_LIMIT) {
      return this.dialogs.show('Open Topology',
        `${file.name} is ${megabytes(file.size)}; a topology file is at most 1 MB. Nothing was opened.`);
    }
    const error = this.session.openTopology(file.name, await file.text());
    if (error) return this.dialogs.show('Open Topology', `${file.name} cannot be opened: ${error}.`);
    this.apply();
  }

  async openLabFile(file) {
    if (file.size > LAB_LIMIT) {
      return this.dialogs.show('Open Lab', `${file.name} is too large to be a lab file (${megabytes(file.size)}).`);
    }
    const error = this.session.openLab(file.name, await file.text());
    if (error) return this.dialogs.show('Open Lab', `${file.name} cannot be opened: ${error}.`);
    this.apply();
    this.showLabPage();
  }

  // A lab named by the page's address, index.html?lab=labs/lab06.zlab: a class site is a folder of
  // bundles beside the page. Only files of the page's own site are fetched.
  async openLabFromAddress() {
    const wanted = new URLSearchParams(location.search).get('lab');
    if (!wanted) return;
    const url = new URL(wanted, location.href);
    if (url.origin !== location.origin) {
      return this.dialogs.show('Open Lab', `${wanted} is not on this site; only labs beside the page open.`);
    }
    let text;
    try {
      const response = await fetch(url);
      if (!response.ok) throw new Error(`the site answered ${response.status}`);
      text = await response.text();
    } catch (e) {
      return this.dialogs.show('Open Lab', `${wanted} cannot be fetched: ${e.message}.`);
    }
    const name = decodeURIComponent(url.pathname.split('/').pop() || 'lab.zlab');
    const error = this.session.openLab(name, text);
    if (error) return this.dialogs.show('Open Lab', `${wanted} cannot be opened: ${error}.`);
    this.apply();
    this.showLabPage();
  }

  // The student's name, kept in the lab: asked before the first save, and whenever asked for.
  editStudent() {
    const name = window.prompt('Your name, saved in the lab:', this.session.student());
    this.studentAsked = true;
    if (name === null) return false;
    this.session.setStudent(name);
    this.apply();
    return true;
  }

  // The session saves by handing the lab over as a download (see apply).
  saveLab() {
    // The first save asks the student's name (once per lab); the session then hands the lab over
    // as a download, named LAB-STUDENT.zlab for a lab opened from a file.
    if (!this.session.student() && !this.studentAsked && !this.editStudent()) return;
    this.session.save();
    this.apply();
  }

  checkMyWork() {
    if (this.session.hasPracticeChecks()) {
      const report = JSON.parse(this.session.checkPractice());
      return this.dialogs.show('Check My Work', checkReport(this.session.labTitle() || 'of this lab', report));
    }
    const checks = this.navigator.checksOfPage();
    if (!checks) {
      return this.dialogs.show('Zorva', 'The page in the Lab Navigator has no checks. Open the page ' +
        'of your lab there and choose Check My Work again.');
    }
    const report = JSON.parse(this.session.check(checks.text));
    return this.dialogs.show('Check My Work', checkReport(checks.name, report));
  }

  // ---- Font size ----------------------------------------------------------------------------
  setFontSize(px) {
    this.fontSize = Math.min(FONT_SIZES.largest, Math.max(FONT_SIZES.smallest, px));
    store(FONT_KEY, String(this.fontSize));
    this.consoles.setFontSize(this.fontSize);
    this.styleLabPage();
    $('terminal-frame').focus();
  }

  // A lab page follows the font size and fits the navigator's width: its tables (the pages draw
  // their network pictures as tables) may be narrower than their cells' fixed widths, and a page
  // still too wide is shown somewhat smaller, down to LAB_PAGE_FIT.
  styleLabPage() {
    const doc = $('lab-page').contentDocument;
    if (!doc || !doc.head) return;
    let style = doc.getElementById('zorva-fit');
    if (!style) {
      style = doc.createElement('style');
      style.id = 'zorva-fit';
      doc.head.append(style);
    }
    const fit = (zoom) => {
      style.textContent = 'img, table { max-width: 100%; height: auto; } td { width: auto !important; } ' +
        `body { zoom: ${zoom}; }`;
    };
    const zoom = this.fontSize / FONT_SIZES.usual;
    fit(zoom);
    const page = doc.documentElement;
    if (page.scrollWidth > page.clientWidth)
      fit(zoom * Math.max(LAB_PAGE_FIT, page.clientWidth / page.scrollWidth));
  }

  // ---- Controls -----------------------------------------------------------------------------
  hookControls() {
    const frame = $('terminal-frame');
    frame.addEventListener('keydown', (e) => this.onKey(e), true);
    frame.addEventListener('paste', (e) => this.onPaste(e), true);
    frame.addEventListener('mousedown', () => setTimeout(() => frame.focus(), 0));
    // F-keys and Alt+digit work wherever the focus is, as in the other faces.
    document.addEventListener('keydown', (e) => {
      if (frame.contains(e.target) || this.dialogs.open) return;
      const action = keyAction(e);
      if (action && action.router) {
        e.preventDefault();
        this.goToRouter(action.router);
      }
    });
    $('router-picker').addEventListener('change', (e) => this.goToRouter(Number(e.target.value)));
    $('topology').addEventListener('change', (e) => this.chooseTopology(e.target.value));
    $('open-topology').addEventListener('click', () => $('pick-topology').click());
    $('open-lab').addEventListener('click', () => $('pick-lab').click());
    for (const [input, open] of [['pick-topology', 'openTopologyFile'], ['pick-lab', 'openLabFile']]) {
      $(input).addEventListener('change', async (e) => {
        const file = e.target.files[0];
        e.target.value = '';
        if (file) await this[open](file);
        $('terminal-frame').focus();
      });
    }
    $('save-lab').addEventListener('click', () => this.saveLab());
    $('student').addEventListener('click', () => this.editStudent());
    $('check').addEventListener('click', () => this.checkMyWork());
    $('behaviour').value = storedBehaviour();
    $('behaviour').addEventListener('change', (e) => {
      if (this.session.setBehaviour(e.target.value)) store(BEHAVIOUR_KEY, e.target.value);
    });
    $('font-smaller').addEventListener('click', () => this.setFontSize(this.fontSize - 1));
    $('font-larger').addEventListener('click', () => this.setFontSize(this.fontSize + 1));
    $('lab-page').addEventListener('load', () => this.styleLabPage());
    window.addEventListener('resize', () => this.styleLabPage());
    $('speed').addEventListener('change', (e) => {
      this.session.setSpeed(Number(e.target.value));
      this.apply();
      $('terminal-frame').focus();
    });
    for (const b of document.querySelectorAll('#bar .skip')) {
      b.addEventListener('click', () => {
        this.session.skipMinutes(Number(b.dataset.minutes));
        this.apply();
        $('terminal-frame').focus();
      });
    }
    $('nav-back').addEventListener('click', () => this.navigator.back());
    $('nav-home').addEventListener('click', () => this.navigator.open(HOME_PAGE));
    for (const b of $('side-tabs').children) {
      b.addEventListener('click', () => {
        for (const other of $('side-tabs').children) other.classList.toggle('on', other === b);
        for (const p of document.querySelectorAll('#side .panel'))
          p.classList.toggle('on', p.id === b.dataset.panel);
        this.diagram.setVisible(b.dataset.panel === 'diagram', () => this.session.diagram());
        this.consoles.onResize();
      });
    }
    window.addEventListener('beforeunload', (e) => {
      this.session.leaving();  // the recovery copy, when the lab changed since the last one
      if (!this.session.changed()) return;
      e.preventDefault();
      e.returnValue = '';
    });
  }
}

// A lab file handed over by the session: the browser saves it as a download.
function download(name, text) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(new Blob([text], { type: 'application/json' }));
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

function megabytes(bytes) {
  return `${(bytes / (1 << 20)).toFixed(1)} MB`;
}

// The core's module: with a separate .wasm from a web server, with the .wasm inside the script
// when the page is opened from a folder (browsers do not let a page fetch files there).
function loadCore() {
  const file = location.protocol === 'file:' ? 'zorva-core-file.js' : 'zorva-core.js';
  return new Promise((resolve, reject) => {
    const s = document.createElement('script');
    s.src = file;
    s.onload = () => window.createZorvaCore().then(resolve, reject);
    s.onerror = () => reject(new Error(`${file} could not be loaded`));
    document.head.append(s);
  });
}

loadCore().then((core) => {
  window.zorva = new Page(core);
  window.zorva.start();
}, (error) => {
  $('loading').textContent = `Zorva could not start: ${error.message}`;
});
