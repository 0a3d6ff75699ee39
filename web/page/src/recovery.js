// Where the lab session keeps its recovery copies in the browser: the local storage. Every tab has
// an id of its own (kept in the tab's session storage, so a reload keeps it) and its copy is kept
// under that id, so two tabs of the site never overwrite each other's. A tab says it is alive every
// few seconds; a copy whose tab has not said so for a while, or whose tab is this one reloaded, is
// left behind. When a copy is written, offered or dropped is the session's to decide.
const PREFIX = 'zorva.recovery.';
const ALIVE = 'zorva.alive.';
const ALIVE_EVERY_MS = 5000;
const GONE_AFTER_MS = 15000;

function newId() {
  return Date.now().toString(36) + Math.random().toString(36).slice(2, 8);
}

export class Recovery {
  // `host` is the window: its local and session storage, its timers and its pagehide event.
  constructor(host = window) {
    const storage = host.localStorage;
    const session = host.sessionStorage;
    this.storage = storage;
    let id = session.getItem('zorva.tab');
    // A duplicated tab inherits the session storage, id included, while the first tab still lives.
    if (!id || this.isAlive(id)) id = newId();
    session.setItem('zorva.tab', id);
    this.id = id;
    this.sayAlive();
    this.timer = host.setInterval(() => this.sayAlive(), ALIVE_EVERY_MS);
    host.addEventListener('pagehide', () => this.storage.setItem(ALIVE + this.id, '0'));
  }

  isAlive(id) {
    const t = Number(this.storage.getItem(ALIVE + id) || 0);
    return Date.now() - t < GONE_AFTER_MS;
  }

  sayAlive() {
    try {
      this.storage.setItem(ALIVE + this.id, String(Date.now()));
    } catch {
      // storage full or refused: recovery is a convenience, the page goes on
    }
  }

  // Copies left by tabs that are gone (and this tab's own, after a reload), newest first.
  orphans() {
    const found = [];
    for (let i = 0; i < this.storage.length; ++i) {
      const key = this.storage.key(i);
      if (!key || !key.startsWith(PREFIX)) continue;
      const id = key.slice(PREFIX.length);
      if (id !== this.id && this.isAlive(id)) continue;
      try {
        const copy = JSON.parse(this.storage.getItem(key));
        found.push({ id, saved: copy.saved, when: new Date(copy.saved).toLocaleString(), lab: copy.lab });
      } catch {
        this.storage.removeItem(key);  // damaged: nothing to offer
      }
    }
    return found.sort((a, b) => b.saved - a.saved);
  }

  forget(id) {
    this.storage.removeItem(PREFIX + id);
    if (id !== this.id) this.storage.removeItem(ALIVE + id);
  }

  // Keeps `lab` as this tab's copy; false when the storage refused it (too large, or full).
  write(lab) {
    try {
      this.storage.setItem(PREFIX + this.id, JSON.stringify({ saved: Date.now(), lab }));
      return true;
    } catch {
      return false;
    }
  }

  clear() {
    this.storage.removeItem(PREFIX + this.id);
  }
}
