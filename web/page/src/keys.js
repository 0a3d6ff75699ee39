// Browser key events as the consoles take them: the same character codes the desktop and the
// terminal face send (arrows as Ctrl+B/F/P/N, Home and End as Ctrl+A/E), F1…F12 and Alt+digit
// bringing a router forward, Alt+0 the router picker.

const CTRL = { A: 1, B: 2, E: 5, F: 6, N: 14, P: 16 };

const NAMED = {
  Enter: 13,
  Backspace: 8,
  Tab: 9,
  Escape: 27,
  ArrowLeft: CTRL.B,
  ArrowRight: CTRL.F,
  ArrowUp: CTRL.P,
  ArrowDown: CTRL.N,
  Home: CTRL.A,
  End: CTRL.E,
};

// What a keydown means: {code}, {text}, {router: n}, {picker: true}, {page: ±1}, or null when the
// browser should keep the key (Ctrl+V pastes, Ctrl+Shift+C copies, modifier keys alone).
export function keyAction(e) {
  const fn = /^F([1-9]|1[0-2])$/.exec(e.key);
  if (fn && !e.ctrlKey && !e.altKey && !e.metaKey) return { router: Number(fn[1]) };
  if (e.altKey && !e.ctrlKey && !e.metaKey && /^Digit[0-9]$/.test(e.code)) {
    const n = Number(e.code.slice(5));
    return n === 0 ? { picker: true } : { router: n };
  }
  if (e.key === 'PageUp') return { page: -1 };
  if (e.key === 'PageDown') return { page: 1 };
  if (e.metaKey) return null;
  if (e.ctrlKey && !e.altKey) {
    if (e.shiftKey && (e.key === 'C' || e.key === 'c')) return null;
    if (!e.shiftKey && (e.key === 'v' || e.key === 'V')) return null;
    if (e.key.length === 1) {
      const c = e.key.toUpperCase().charCodeAt(0);
      if (c >= 64 && c <= 95) return { code: c - 64 };
    }
    return null;
  }
  if (e.key in NAMED) return { code: NAMED[e.key] };
  if (e.key === 'Delete') return null;
  if (e.key.length >= 1 && [...e.key].length === 1 && !e.ctrlKey) return { text: e.key };
  return null;
}
