// The page's own message boxes: one at a time, modal over the page, answered by a button, Enter
// (the first button) or Esc (the last). `show` resolves with the chosen button's answer.
const BUTTONS = {
  ok: [['OK', 'ok']],
  okcancel: [['OK', 'ok'], ['Cancel', 'cancel']],
  yesnocancel: [['Yes', 'yes'], ['No', 'no'], ['Cancel', 'cancel']],
};

export class Dialogs {
  constructor(layer) {
    this.layer = layer;
    this.title = layer.querySelector('#dialog-title');
    this.text = layer.querySelector('#dialog-text');
    this.buttons = layer.querySelector('#dialog-buttons');
    this.queue = Promise.resolve();
    this.open = false;
  }

  // Queued behind any box already showing. `body` is text, or a node for richer content.
  show(title, body, kind = 'ok') {
    const shown = this.queue.then(() => this.display(title, body, kind));
    this.queue = shown.catch(() => {});
    return shown;
  }

  display(title, body, kind) {
    return new Promise((resolve) => {
      this.open = true;
      this.title.textContent = title;
      this.text.textContent = '';
      if (typeof body === 'string') this.text.textContent = body;
      else this.text.append(body);
      this.buttons.textContent = '';
      const choices = BUTTONS[kind] || BUTTONS.ok;
      const finish = (answer) => {
        this.layer.hidden = true;
        this.open = false;
        document.removeEventListener('keydown', onKey, true);
        resolve(answer);
      };
      const onKey = (e) => {
        if (e.key === 'Enter') finish(choices[0][1]);
        else if (e.key === 'Escape') finish(choices[choices.length - 1][1]);
        else return;
        e.preventDefault();
        e.stopPropagation();
      };
      for (const [label, answer] of choices) {
        const b = document.createElement('button');
        b.textContent = label;
        b.dataset.answer = answer;
        b.addEventListener('click', () => finish(answer));
        this.buttons.append(b);
      }
      document.addEventListener('keydown', onKey, true);
      this.layer.hidden = false;
      this.buttons.firstChild.focus();
    });
  }
}
