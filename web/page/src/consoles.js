// One console per router: its transcript in an xterm.js terminal (created when the router is first
// shown; text for a hidden router waits in a buffer) and its input line below it, with the caret,
// as the desktop's console window has them. A router's console is 80 columns wide: the consoles
// take the width that needs at the student's font size, and where the window is too narrow for
// that beside the Lab Navigator, the font shrinks rather than the columns.
import { Terminal } from '@xterm/xterm';
import { FitAddon } from '@xterm/addon-fit';

const COLUMNS = 80;
const SMALLEST_FONT = 9;     // px; below this the console is not worth keeping at 80 columns
const SIDE_AT_LEAST = 260;   // px the Lab Navigator keeps beside the consoles
// Around the characters: the section's padding, the frame's border, the terminal's padding and
// its scroll bar.
const AROUND_COLUMNS = 12 + 4 + 8 + 16;
const FONT = '"DejaVu Sans Mono", "Liberation Mono", monospace';
// Taller lines than the font's own, so that underscores are not cut off at the line's bottom.
const LINE_HEIGHT = 1.2;

let measure = null;
function cellWidth(px) {
  measure = measure || document.createElement('canvas').getContext('2d');
  measure.font = `${px}px ${FONT}`;
  return measure.measureText('W').width;
}

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
    this.fontSize = 14;   // the student's choice
    this.shownFont = 14;  // what the terminal uses: the choice, or less to keep 80 columns
    this.onResize = () => this.layout();
    window.addEventListener('resize', this.onResize);
  }

  setFontSize(px) {
    this.fontSize = px;
    this.layout();
  }

  // The consoles' width and font: 80 columns at the student's size when the window has room beside
  // the side panel; else the largest size that fits.
  layout() {
    if (!this.term) return;
    const section = this.frame.parentElement;
    const room = section.parentElement.clientWidth - SIDE_AT_LEAST;
    const needs = (px) => Math.ceil(COLUMNS * cellWidth(px)) + AROUND_COLUMNS;
    let px = this.fontSize;
    while (px > SMALLEST_FONT && needs(px) > room) px -= 0.5;
    section.style.flex = `0 0 ${Math.min(needs(px), Math.max(room, 0))}px`;
    this.useFont(px);
    // The measure is the canvas's; the terminal rounds its cells to whole pixels.
    while (this.term.cols < COLUMNS && px > SMALLEST_FONT) this.useFont((px -= 0.5));
  }

  useFont(px) {
    this.shownFont = px;
    this.term.options.fontSize = px;
    document.documentElement.style.setProperty('--console-font', `${px}px`);
    this.fit.fit();
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
      fontFamily: FONT,
      fontSize: this.shownFont,
      lineHeight: LINE_HEIGHT,
      theme: { background: '#101820', foreground: '#d8e0e8' },
    });
    this.fit = new FitAddon();
    this.term.loadAddon(this.fit);
    this.term.open(this.terminalBox);
    this.layout();
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
