// Pictures of the page for review: headless Chromium at a window size, a student who pressed Enter
// on every router's console, then the page with the Lab Navigator and with the network diagram.
// Also says how many columns the console has, since a console narrower than 80 breaks lines.
// Usage: node screenshot.mjs SITE_DIR WIDTHxHEIGHT FILE.png (the diagram goes to FILE-diagram.png)
import puppeteer from '../page/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { serve } from '../page/serve.mjs';

const [siteArg, size, fileArg] = process.argv.slice(2);
const match = /^(\d+)x(\d+)$/.exec(size || '');
if (!siteArg || !match || !fileArg) {
  console.error('usage: node screenshot.mjs SITE_DIR WIDTHxHEIGHT FILE.png');
  process.exit(2);
}
const [width, height] = [Number(match[1]), Number(match[2])];
const file = resolve(fileArg);
const work = mkdtempSync(join(tmpdir(), 'zorva-shot-'));
const server = await serve(resolve(siteArg), 0);
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: join(work, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', `--window-size=${width},${height}`],
  defaultViewport: { width, height },
});
try {
  const page = await browser.newPage();
  if (process.env.ZORVA_DARK) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForFunction(() => performance.getEntriesByName('zorva-first-prompt').length > 0);
  const routers = await page.evaluate(() => window.zorva.consoles.routers.length);
  for (let n = routers; n >= 1; --n) {
    await page.keyboard.press(`F${n}`);
    await page.keyboard.press('Enter');
    await page.keyboard.type('enable');
    await page.keyboard.press('Enter');
  }
  // "%SYS-5-CONFIG_I" shows whether underscores survive the console's line height.
  await page.keyboard.type('configure terminal');
  await page.keyboard.press('Enter');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  await new Promise((r) => setTimeout(r, 300));
  const cols = await page.evaluate(() => window.zorva.consoles.term.cols);
  await page.screenshot({ path: file });
  await page.click('#side-tabs button[data-panel="diagram"]');
  await page.waitForSelector('#diagram svg .node');
  await page.screenshot({ path: file.replace(/\.png$/, '-diagram.png') });
  console.log(`${width}x${height}: the console has ${cols} columns; pictures in ${file} and beside it`);
} finally {
  await browser.close();
  server.close();
  rmSync(work, { recursive: true, force: true });
}
