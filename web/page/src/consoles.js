// One console per router: its transcript in an xterm.js terminal (created when the router is first
// shown; text for a hidden router waits in a buffer) and its input line below it, with the caret,
// as the desktop's console window has them.
import { Terminal } from '@xterm/xterm';
import { FitAddon } from '@xterm/addon-fit';

// Control characters other than CR, LF, TAB and BS would be commands to the terminal, not text: a
// typed Esc must not start an escape sequence. They are shown as nothing, as the terminal face does.
const CONTROLS = /[\x00-\x07\x0b\x0c\x0e-\x1f\x7f-\x9f]/g;

export function printable(text) {
  return text.replace(CONTROLS, '');
}

export class Consoles {
  constructor(frame, terminalBox, inputLine) {
    this.frame = frame;
    this.terminalBox = terminalBox;
    this.inputLine = inputLine;
    this.routers = [];  // per router: {caption, pending, term, input, caret}
    this.active = 0;
    this.term = null;
    this.fit = null;
    this.onResize = () => this.fit && this.fit.fit();
    window.addEventListener('resize', this.onResize);
  }

  // A new simulation: every console starts empty.
  reset(captions) {
    this.routers = captions.map((caption) => ({ caption, pending: '', text: '', input: '', caret: 0 }));
    this.active = 0;
    this.showTerminal();
  }

  router(n) {
    return this.routers[n - 1];
  }

  append(n, text) {
    const r = this.router(n);
    if (!r) return;
    const shown = printable(text);
    r.text += shown;
    if (n === this.active && this.term) this.term.write(shown);
  }

  setInput(n, input, caret) {
    const r = this.router(n);
    if (!r) return;
    r.input = input;
    r.caret = caret;
    if (n === this.active) this.drawInput();
  }

  // Router n comes forward: its whole transcript is written into a fresh terminal.
  show(n) {
    if (!this.router(n)) return;
    this.active = n;
    this.showTerminal();
    this.term.write(this.router(n).text);
    this.drawInput();
  }

  showTerminal() {
    if (this.term) this.term.dispose();
    this.terminalBox.textContent = '';
    this.term = new Terminal({
      convertEol: true,
      disableStdin: true,
      scrollback: 5000,
      cursorStyle: 'bar',
      cursorInactiveStyle: 'none',
      fontFamily: '"DejaVu Sans Mono", "Liberation Mono", monospace',
      fontSize: 14,
      theme: { background: '#101820', foreground: '#d8e0e8' },
    });
    this.fit = new FitAddon();
    this.term.loadAddon(this.fit);
    this.term.open(this.terminalBox);
    this.fit.fit();
    this.drawInput();
  }

  // The input line: the typed text with the caret as a block on its character.
  drawInput() {
    const r = this.router(this.active);
    const input = r ? printable(r.input) : '';
    const caret = r ? Math.min(r.caret, input.length) : 0;
    this.inputLine.textContent = '';
    const before = document.createElement('span');
    before.textContent = input.slice(0, caret);
    const at = document.createElement('span');
    at.className = 'caret';
    at.textContent = input.slice(caret, caret + 1) || ' ';
    const after = document.createElement('span');
    after.textContent = input.slice(caret + 1);
    this.inputLine.append(before, at, after);
    at.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }

  scrollPage(direction) {
    if (this.term) this.term.scrollPages(direction);
  }

  // The text a terminal holds, as the browser test reads it.
  textOf(n) {
    const r = this.router(n);
    return r ? r.text : '';
  }
}
