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
const RECOVERY_EVERY_MS = 60000;   // a changed lab is copied to local storage this often
const TOPOLOGY_LIMIT = 1 << 20;    // the largest topology file the core reads
const LAB_LIMIT = 64 << 20;        // the largest lab file the core opens

const $ = (id) => document.getElementById(id);
const BEHAVIOUR_KEY = 'zorva.behaviour';  // the behaviour of new labs, kept in local storage

function storedBehaviour() {
  try {
    return localStorage.getItem(BEHAVIOUR_KEY) || 'classic';
  } catch {
    return 'classic';  // storage refused: the default
  }
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
    this.recovery = new Recovery();
    this.studentAsked = false;  // the name was asked for this lab (once is enough)
    this.lastTick = performance.now();
    this.lastRecovery = 0;
  }

  start() {
    this.fillTopologies();
    this.session.start('');
    this.apply();
    this.hookControls();
    this.navigator.open(HOME_PAGE);
    this.offerRecovery().then(() => this.openLabFromAddress());
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
    $('terminal-frame').focus();
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
    this.session.runReal(real);
    this.apply();
    if (Date.now() - this.lastRecovery >= RECOVERY_EVERY_MS) this.writeRecovery();
  }

  writeRecovery() {
    this.lastRecovery = Date.now();
    if (!this.session.changed()) return;
    this.recovery.write(() => this.session.labText(true), () => this.session.labText(false));
  }

  async offerRecovery() {
    for (const copy of this.recovery.orphans()) {
      const when = new Date(copy.saved).toLocaleString();
      const answer = await this.dialogs.show('Zorva',
        `Zorva was closed without saving the lab (last recovery copy ${when}). ` +
        'Restore the lab as it was then?', 'yesnocancel');
      if (answer === 'cancel') return;
      this.recovery.forget(copy);
      if (answer === 'yes') {
        const error = this.session.openLab(copy.lab);
        if (error) await this.dialogs.show('Zorva', `The recovery copy cannot be opened: ${error}`);
        this.apply();
        if (!error) this.showLabPage();
        return;
      }
    }
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

  // Starting anew throws the routers' configuration away: asked first when there is some.
  async mayReplace(what) {
    if (!this.session.changed()) return true;
    const answer = await this.dialogs.show(what,
      'The routers will start anew and the changes to this lab will be lost. Go on?', 'okcancel');
    return answer === 'ok';
  }

  async chooseTopology(name) {
    if (!(await this.mayReplace('Open Topology'))) {
      this.apply();  // puts the chooser back
      return;
    }
    this.session.start(name);
    this.recovery.clear();
    this.apply();
  }

  async openTopologyFile(file) {
    if (file.size > TOPOLOGY_LIMIT) {
      return this.dialogs.show('Open Topology',
        `${file.name} is ${megabytes(file.size)}; a topology file is at most 1 MB. Nothing was opened.`);
    }
    if (!(await this.mayReplace('Open Topology'))) return;
    const error = this.session.openTopology(file.name, await file.text());
    if (error) return this.dialogs.show('Open Topology', `${file.name} cannot be opened: ${error}.`);
    this.recovery.clear();
    this.apply();
  }

  async openLabFile(file) {
    if (file.size > LAB_LIMIT) {
      return this.dialogs.show('Open Lab', `${file.name} is too large to be a lab file (${megabytes(file.size)}).`);
    }
    if (!(await this.mayReplace('Open Lab'))) return;
    const error = this.session.openNamedLab(file.name, await file.text());
    if (error) return this.dialogs.show('Open Lab', `${file.name} cannot be opened: ${error}.`);
    this.recovery.clear();
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
    if (!(await this.mayReplace('Open Lab'))) return;
    const name = decodeURIComponent(url.pathname.split('/').pop() || 'lab.zlab');
    const error = this.session.openNamedLab(name, text);
    if (error) return this.dialogs.show('Open Lab', `${wanted} cannot be opened: ${error}.`);
    this.recovery.clear();
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

  saveLab() {
    if (!this.session.student() && !this.studentAsked && !this.editStudent()) return;
    const blob = new Blob([this.session.labText(true)], { type: 'application/json' });
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    // A lab opened from a file is downloaded under a name of its own, LAB-STUDENT.zlab.
    const name = this.session.suggestedName();
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
    this.session.markSaved(name);
    this.recovery.clear();
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
      if (!this.session.setBehaviour(e.target.value)) return;
      try {
        localStorage.setItem(BEHAVIOUR_KEY, e.target.value);
      } catch {
        // storage refused: the choice holds until the page closes
      }
    });
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
      if (!this.session.changed()) return;
      this.writeRecovery();
      e.preventDefault();
      e.returnValue = '';
    });
  }
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
