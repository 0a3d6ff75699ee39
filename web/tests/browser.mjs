// A student's session in a real browser: headless Chromium (the system's own, driven by
// puppeteer-core) loads the page from a local server; a student types into router 1, pages through
// the running configuration, goes to router 2 with F2, saves the lab and opens it again, checks
// the work, opens a lab bundle by its address, is asked before another topology replaces the
// changed lab; then the bad inputs: oversized and binary topology files, damaged and foreign lab
// files, a 100 000-character paste, two tabs' recovery copies and the offer after a closed tab.
// Usage: node browser.mjs SITE_DIR
import puppeteer from '../page/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { serve } from '../page/serve.mjs';

const args = process.argv.slice(2);
const site = args[0] && resolve(args[0]);
if (!site) {
  console.error('usage: node browser.mjs SITE_DIR');
  process.exit(2);
}

const work = mkdtempSync(join(tmpdir(), 'zorva-browser-'));
const server = await serve(site, 0);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: join(work, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--window-size=1280,800'],
  defaultViewport: { width: 1280, height: 800 },
});

let step = '';
function section(name) {
  step = name;
  console.log(`-- ${name}`);
}

// ---- Helpers that act and look as a student does --------------------------------------------
const text = (page, n) => page.evaluate((r) => window.zorva.consoles.textOf(r), n);
const input = (page) => page.evaluate(() => document.getElementById('input-line').textContent);
const active = (page) => page.evaluate(() => window.zorva.consoles.active);
const dialogText = (page) => page.evaluate(() =>
  document.getElementById('dialog-layer').hidden ? null : document.getElementById('dialog').innerText);

async function waitFor(page, what, test, timeout = 15000) {
  const until = Date.now() + timeout;
  for (;;) {
    const value = await test();
    if (value) return value;
    if (Date.now() > until) throw new Error(`waited in vain for ${what}`);
    await new Promise((r) => setTimeout(r, 50));
  }
}

const textShows = (page, n, wanted) =>
  waitFor(page, `router ${n} to show ${JSON.stringify(wanted)}`, async () => (await text(page, n)).includes(wanted));

// The input line of the console shown: the prompt and what is being typed.
const inputShows = (page, wanted) =>
  waitFor(page, `the input line to show ${JSON.stringify(wanted)}`, async () => (await input(page)).trimEnd() === wanted);

async function line(page, typed) {
  await page.keyboard.type(typed);
  await page.keyboard.press('Enter');
}

async function answerDialog(page, wanted, button) {
  const shown = await waitFor(page, `a box saying ${JSON.stringify(wanted)}`, async () => {
    const t = await dialogText(page);
    return t && t.includes(wanted) ? t : null;
  });
  await page.click(`#dialog-buttons button[data-answer="${button}"]`);
  return shown;
}

async function pick(page, button, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(button)]);
  await chooser.accept([file]);
}

async function openPage(address = url) {
  const page = await browser.newPage();
  page.on('pageerror', (e) => {
    console.log(`page error: ${e.message}`);
    process.exitCode = 1;
  });
  // The student's name, asked before a lab's first save.
  page.on('dialog', (d) => d.accept('Ann Example'));
  await page.goto(address);
  await page.waitForFunction(() => performance.getEntriesByName('zorva-first-prompt').length > 0);
  return page;
}

let bundleFile = null;  // written into the site for the bundle's address, removed at the end
try {
  section('start-up');
  const page = await openPage();
  const firstPrompt = await page.evaluate(() => performance.getEntriesByName('zorva-first-prompt')[0].startTime);
  console.log(`   first prompt ${firstPrompt.toFixed(0)} ms after the page started loading`);
  await textShows(page, 1, 'Press Enter to Start');

  section('a student configures router 1');
  await page.keyboard.press('Enter');
  await inputShows(page, 'Router>');
  await line(page, 'enable');
  await line(page, 'configure terminal');
  await line(page, 'hostname Paris');
  await line(page, 'interface serial 0');
  await line(page, 'ip address 10.1.1.1 255.255.255.0');
  await line(page, 'no shutdown');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  await inputShows(page, 'Paris#');
  await page.keyboard.type('sh');
  await page.keyboard.press('Tab');
  await page.keyboard.type('run');
  await page.keyboard.press('Enter');
  await inputShows(page, '--MORE--');
  let pages = 1;
  while ((await input(page)).trim() === '--MORE--') {
    await page.keyboard.press('Space');
    ++pages;
  }
  assert.ok(pages >= 2, 'the configuration is longer than a screen');
  await inputShows(page, 'Paris#');
  const config = await text(page, 1);
  assert.match(config, /Paris#show run\r\n/);
  assert.match(config, /hostname Paris/);
  assert.match(config, / ip address 10\.1\.1\.1 255\.255\.255\.0/);

  section('F2 brings router 2 forward');
  await page.keyboard.press('F2');
  assert.equal(await active(page), 2);
  await textShows(page, 2, 'Press Enter to Start');
  await page.keyboard.press('Enter');
  await inputShows(page, 'Router>');
  assert.match(await text(page, 1), /hostname Paris/, 'router 1 kept its own text');
  await page.keyboard.press('F1');
  assert.equal(await active(page), 1);

  section('the clock: speed and skips');
  await page.select('#speed', '60');
  await page.click('#bar .skip[data-minutes="5"]');
  const clock = await page.evaluate(() => document.getElementById('clock').textContent);
  assert.ok(clock >= '00:05:00', `the clock skipped five minutes (${clock})`);
  await page.select('#speed', '1');

  section('a hidden tab stops the clock, and showing it again makes no jump');
  // The page's clock reads performance.now() and document.hidden; the test moves both by hand.
  const clockSeconds = async () => {
    const [h, m, sec] = (await page.evaluate(() => document.getElementById('clock').textContent)).split(':').map(Number);
    return h * 3600 + m * 60 + sec;
  };
  const ticks = () => page.evaluate(() => new Promise((r) => setTimeout(r, 200)));
  await page.evaluate(() => {
    window.zorvaTest = { hidden: false, offset: 0 };
    const now = performance.now.bind(performance);
    performance.now = () => now() + window.zorvaTest.offset;
    Object.defineProperty(document, 'hidden', { configurable: true, get: () => window.zorvaTest.hidden });
  });
  await page.select('#speed', '60');
  await page.evaluate(() => {
    window.zorvaTest.hidden = true;
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await ticks();
  const before = await clockSeconds();
  await page.evaluate(() => {
    window.zorvaTest.offset += 10 * 60 * 1000;  // ten minutes in another tab
  });
  await ticks();
  assert.equal(await clockSeconds(), before, 'the clock stood still while hidden');
  await page.evaluate(() => {
    window.zorvaTest.hidden = false;
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await ticks();
  // At 60x, 0.2 s of real time is 12 simulated seconds; ten minutes at 60x would be ten hours.
  const after = await clockSeconds();
  assert.ok(after >= before && after - before < 120, `no jump: ${before} s, then ${after} s`);
  await page.select('#speed', '1');

  section('a router:N link in a lab page brings that router forward');
  await page.evaluate(() => window.zorva.navigator.open('lab02_interfaces.htm'));
  await waitFor(page, 'lab 2 in the navigator', () =>
    page.evaluate(() => document.getElementById('nav-title').textContent.startsWith('Lab 2')));
  const frame = await (await page.$('#lab-page')).contentFrame();
  await frame.click('a[href="router:2"]');
  assert.equal(await active(page), 2);
  await page.keyboard.press('F1');

  section('the Topology page describes the loaded topology');
  await page.evaluate(() => window.zorva.navigator.open('topology.htm'));
  const topologyFrame = await (await page.$('#lab-page')).contentFrame();
  await waitFor(page, 'the generated Topology page', async () =>
    (await topologyFrame.evaluate(() => document.body ? document.body.innerText : '')).includes('default.ini: 3 routers, 2 cables'));

  section('Check My Work with the lab page of lab 1');
  await page.evaluate(() => window.zorva.navigator.open('lab01_basic.htm'));
  await page.click('#check');
  await answerDialog(page, 'checks passed', 'ok');

  section('the lab is saved by download and opened again by upload');
  const client = await page.target().createCDPSession();
  await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: work });
  await page.click('#save-lab');
  const saved = await waitFor(page, 'the downloaded lab', async () =>
    readdirSync(work).find((f) => f.endsWith('.zlab')));
  const labFile = join(work, saved);
  await waitFor(page, 'the whole download', async () => {
    try {
      return JSON.parse(readFileSync(labFile, 'utf8')).format === 'zorva-lab';
    } catch {
      return false;
    }
  });
  await page.select('#topology', 'topologies/two_routers.ini');
  await waitFor(page, 'the new topology', async () => !(await text(page, 1)).includes('Paris'));
  await pick(page, '#open-lab', labFile);
  await textShows(page, 1, 'Paris#show run');
  await page.keyboard.press('Enter');
  await textShows(page, 1, 'hostname Paris');

  section('a bundle opened by its address shows its page, checks its own checks, saves beside it');
  const bundle = JSON.parse(readFileSync(labFile, 'utf8'));
  delete bundle.student;  // a teacher's bundle names no student
  Object.assign(bundle, {
    version: 2,
    title: 'Lab 6',
    page: '<html><body><h1>Lab six: Paris</h1></body></html>',
    practice_checks: 'router 1 running-config has exactly "hostname Paris"\nrouter 1 running-config has exactly "hostname Rome"\n',
  });
  bundleFile = join(site, 'test-bundle.zlab');
  writeFileSync(bundleFile, JSON.stringify(bundle));
  const student = await openPage(`${url}index.html?lab=test-bundle.zlab`);
  const bundleFrame = await (await student.$('#lab-page')).contentFrame();
  await waitFor(student, 'the bundle\'s page', async () =>
    (await bundleFrame.evaluate(() => document.body ? document.body.innerText : '')).includes('Lab six: Paris'));
  await student.click('#check');
  await answerDialog(student, '1 of 2 checks passed', 'ok');
  const studentWork = mkdtempSync(join(work, 'student-'));
  const studentClient = await student.target().createCDPSession();
  await studentClient.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: studentWork });
  await student.click('#save-lab');
  await waitFor(student, 'the student\'s download', async () =>
    readdirSync(studentWork).includes('test-bundle-Ann_Example.zlab'));
  await student.close();

  section('another topology over the changed lab: the session\'s question reaches the student');
  const shownTopology = await page.evaluate(() => document.getElementById('topology').value);
  await page.select('#topology', 'default.ini');
  await answerDialog(page, 'Save it before the other one is opened?', 'cancel');
  assert.match(await text(page, 1), /hostname Paris/, 'Cancel kept the lab');
  assert.equal(await page.evaluate(() => document.getElementById('topology').value), shownTopology,
    'the chooser went back to the running lab\'s topology');

  section('bad input: topology files of 10 MB and of binary junk');
  const big = join(work, 'big.ini');
  writeFileSync(big, Buffer.alloc(10 << 20, 'x'));
  await pick(page, '#open-topology', big);
  await answerDialog(page, 'at most 1 MB', 'ok');
  const junk = join(work, 'junk.ini');
  writeFileSync(junk, Buffer.from(Array.from({ length: 4096 }, (_, i) => (i * 7919 + 13) % 256)));
  await pick(page, '#open-topology', junk);
  await answerDialog(page, 'junk.ini cannot be opened', 'ok');
  assert.match(await text(page, 1), /hostname Paris/, 'the lab in use stayed');

  section('bad input: a damaged lab file and a lab file of another program');
  const damaged = join(work, 'damaged.zlab');
  writeFileSync(damaged, readFileSync(labFile, 'utf8').slice(0, 500));
  await pick(page, '#open-lab', damaged);
  await answerDialog(page, 'damaged.zlab cannot be opened', 'ok');
  const foreign = join(work, 'foreign.zlab');
  writeFileSync(foreign, JSON.stringify({ format: 'some-other-program', version: 3, data: [1, 2] }));
  await pick(page, '#open-lab', foreign);
  await answerDialog(page, 'foreign.zlab cannot be opened', 'ok');
  assert.match(await text(page, 1), /hostname Paris/, 'the lab in use stayed');

  section('bad input: 100 000 characters pasted into a terminal');
  await page.evaluate(() => {
    const data = new DataTransfer();
    data.setData('text/plain', 'x'.repeat(100000));
    document.getElementById('terminal-frame')
      .dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  });
  await page.keyboard.press('Enter');
  await page.keyboard.type('show clock');
  await page.keyboard.press('Enter');
  await textShows(page, 1, 'show clock\r\n*');

  section('two tabs keep recovery copies of their own');
  const second = await openPage();
  await second.bringToFront();
  await second.keyboard.press('Enter');
  await line(second, 'enable');
  await textShows(second, 1, 'Router>enable');
  const ids = [];
  for (const p of [page, second]) {
    ids.push(await p.evaluate(() => {
      window.zorva.session.leaving();
      return window.zorva.recovery.id;
    }));
  }
  assert.notEqual(ids[0], ids[1]);
  // Each tab writes in its own renderer; the storage reaches the other tab a moment later.
  const wanted = ids.map((id) => `zorva.recovery.${id}`).sort();
  await waitFor(page, 'both recovery copies', async () => {
    const copies = await page.evaluate(() =>
      Object.keys(localStorage).filter((k) => k.startsWith('zorva.recovery.')).sort());
    return JSON.stringify(copies) === JSON.stringify(wanted);
  });

  section('the site opened from a folder');
  const local = await browser.newPage();
  await local.goto(`file://${join(site, 'index.html')}`);
  await local.waitForFunction(() => performance.getEntriesByName('zorva-first-prompt').length > 0);
  await textShows(local, 1, 'Press Enter to Start');
  await waitFor(local, 'the lab page in the navigator', () =>
    local.evaluate(() => document.getElementById('nav-title').textContent.length > 0));
  await local.close({ runBeforeUnload: false });

  section('a closed tab\'s lab is offered to the next one');
  await second.close({ runBeforeUnload: false });
  const third = await browser.newPage();
  await third.goto(url);
  await answerDialog(third, 'Zorva was closed without saving', 'yes');
  await textShows(third, 1, 'Router>enable');

  console.log('browser session: every step as expected');
} catch (e) {
  console.log(`FAIL in "${step}": ${e.message}`);
  process.exitCode = 1;
} finally {
  if (bundleFile) rmSync(bundleFile, { force: true });
  await browser.close();
  server.close();
  rmSync(work, { recursive: true, force: true });
}
