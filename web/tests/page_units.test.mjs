// The page's own rules, without a browser: which key does what, and how recovery copies of
// several tabs keep out of each other's way. Run with `node --test`.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { keyAction } from '../page/src/keys.js';
import { Recovery } from '../page/src/recovery.js';

const key = (k, more = {}) => keyAction({ key: k, code: more.code || '', ctrlKey: false, altKey: false, shiftKey: false, metaKey: false, ...more });

test('keys: the consoles get the codes the other faces send', () => {
  assert.deepEqual(key('Enter'), { code: 13 });
  assert.deepEqual(key('Backspace'), { code: 8 });
  assert.deepEqual(key('Tab'), { code: 9 });
  assert.deepEqual(key('ArrowUp'), { code: 16 });
  assert.deepEqual(key('ArrowDown'), { code: 14 });
  assert.deepEqual(key('ArrowLeft'), { code: 2 });
  assert.deepEqual(key('Home'), { code: 1 });
  assert.deepEqual(key('z', { ctrlKey: true }), { code: 26 });
  assert.deepEqual(key('?'), { text: '?' });
  assert.deepEqual(key('é'), { text: 'é' });
});

test('keys: routers come forward by F-key and Alt+digit; Alt+0 is the picker', () => {
  assert.deepEqual(key('F1'), { router: 1 });
  assert.deepEqual(key('F12'), { router: 12 });
  assert.equal(key('F13'), null);
  assert.deepEqual(key('2', { altKey: true, code: 'Digit2' }), { router: 2 });
  assert.deepEqual(key('à', { altKey: true, code: 'Digit0' }), { picker: true });
  assert.deepEqual(key('PageUp'), { page: -1 });
});

test('keys: the browser keeps paste, copy, modifiers alone and keys it cannot name', () => {
  assert.equal(key('v', { ctrlKey: true }), null);
  assert.equal(key('C', { ctrlKey: true, shiftKey: true }), null);
  assert.equal(key('Shift', { shiftKey: true }), null);
  assert.equal(key('Dead'), null);
  assert.equal(key('Unidentified'), null);
  assert.equal(key('a', { metaKey: true }), null);
});

// A window with storages of its own; `shared` is the local storage all tabs of a site share.
class Storage {
  constructor(limit = Infinity) {
    this.items = new Map();
    this.limit = limit;
  }
  get length() { return this.items.size; }
  key(i) { return [...this.items.keys()][i] ?? null; }
  getItem(k) { return this.items.has(k) ? this.items.get(k) : null; }
  setItem(k, v) {
    if (String(v).length > this.limit) throw new Error('QuotaExceededError');
    this.items.set(k, String(v));
  }
  removeItem(k) { this.items.delete(k); }
}

function tab(shared, session = new Storage()) {
  const listeners = {};
  const host = {
    localStorage: shared,
    sessionStorage: session,
    setInterval: () => 0,
    addEventListener: (name, f) => { listeners[name] = f; },
  };
  const recovery = new Recovery(host);
  return { recovery, session, close: () => listeners.pagehide() };
}

test('recovery: two tabs write two copies, and neither offers the other\'s while it lives', () => {
  const shared = new Storage();
  const a = tab(shared);
  const b = tab(shared);
  assert.notEqual(a.recovery.id, b.recovery.id);
  a.recovery.write('lab A');
  b.recovery.write('lab B');
  assert.equal(a.recovery.orphans().length, 1, 'a tab is offered its own copy after a reload');
  assert.equal(a.recovery.orphans()[0].lab, 'lab A');
});

test('recovery: a duplicated tab takes a new id; a reloaded one keeps its own', () => {
  const shared = new Storage();
  const first = tab(shared);
  const copied = new Storage();  // the browser copies the session storage into the duplicate
  copied.items = new Map(first.session.items);
  const duplicate = tab(shared, copied);
  assert.notEqual(duplicate.recovery.id, first.recovery.id);
  first.close();
  const reloaded = tab(shared, first.session);
  assert.equal(reloaded.recovery.id, first.recovery.id);
});

test('recovery: a closed tab\'s copy is offered; damaged copies are dropped', () => {
  const shared = new Storage();
  const gone = tab(shared);
  gone.recovery.write('lab');
  gone.close();
  shared.setItem('zorva.recovery.broken', '{not json');
  const next = tab(shared);
  const offered = next.recovery.orphans();
  assert.deepEqual(offered.map((c) => c.lab), ['lab']);
  assert.equal(shared.getItem('zorva.recovery.broken'), null);
  next.recovery.forget(offered[0].id);
  assert.deepEqual(next.recovery.orphans(), []);
});

test('recovery: a copy too large for the storage is refused and the last one stays', () => {
  const shared = new Storage(200);
  const t = tab(shared);
  assert.equal(t.recovery.write('small'), true);
  assert.equal(t.recovery.write('x'.repeat(500)), false);
  assert.equal(t.recovery.orphans()[0].lab, 'small');
});
