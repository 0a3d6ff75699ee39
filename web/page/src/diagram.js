// The network diagram as SVG: a node per router, a line per cable with the interface names and a
// dot at each end (green: line protocol up, red: down, grey: administratively down). The core
// gives the model (positions included, from the topology file or its automatic layout); this draws
// it, redraws only when the model changed, and brings a router's console forward on double-click.
// The wheel zooms around the pointer, dragging pans, Fit shows everything again; the view stays
// where the student put it while the states change.
const SVG = 'http://www.w3.org/2000/svg';
const NODE_W = 110;
const NODE_H = 44;
const REFRESH_MS = 250;  // states are read at most this often; the clock ticks far more often
const STATE_COLOUR = { up: '#2e9d4a', down: '#d23c3c', 'administratively down': '#9aa3ad' };

function el(name, attrs, text) {
  const e = document.createElementNS(SVG, name);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
  if (text !== undefined) e.textContent = text;
  return e;
}

function legend() {
  const p = document.createElement('span');
  p.className = 'legend';
  for (const [state, colour] of Object.entries(STATE_COLOUR)) {
    const dot = document.createElement('span');
    dot.className = 'dot';
    dot.style.background = colour;
    p.append(dot, ` ${state}  `);
  }
  return p;
}

export class Diagram {
  constructor(box, onRouter) {
    this.box = box;
    this.onRouter = onRouter;
    this.visible = false;
    this.last = '';
    this.readAt = 0;
    this.view = null;  // the viewBox the student zoomed or panned to; null: fit everything
  }

  setVisible(on, model) {
    this.visible = on;
    this.last = '';
    this.readAt = 0;
    if (on) this.refresh(model);
  }

  rebuild(model) {
    this.last = '';
    this.readAt = 0;
    this.view = null;
    this.refresh(model);
  }

  refresh(model) {
    if (!this.visible || performance.now() - this.readAt < REFRESH_MS) return;
    this.readAt = performance.now();
    const text = model();
    if (text === this.last) return;
    this.last = text;
    this.draw(JSON.parse(text));
  }

  draw(m) {
    this.box.textContent = '';
    const tools = document.createElement('div');
    tools.className = 'tools';
    const fit = document.createElement('button');
    fit.textContent = 'Fit';
    fit.title = 'Show the whole network';
    fit.addEventListener('click', () => {
      this.view = null;
      this.last = '';
      this.draw(m);
    });
    tools.append(fit, legend());
    this.box.append(tools);
    if (!m.routers || m.routers.length === 0) {
      this.box.append(m.caption || 'No routers.');
      return;
    }
    const xs = m.routers.map((r) => r.x);
    const ys = m.routers.map((r) => r.y);
    const pad = 90;
    const minX = Math.min(...xs) - pad;
    const minY = Math.min(...ys) - pad;
    const w = Math.max(...xs) - minX + pad;
    const h = Math.max(...ys) - minY + pad;
    if (!this.view) this.view = { x: minX, y: minY, w, h };
    const svg = el('svg', { class: 'diagram', role: 'img' });
    this.svg = svg;
    this.showView();
    this.hookZoomAndPan(svg);
    const at = new Map(m.routers.map((r) => [r.number, r]));
    for (const c of m.cables) {
      const a = at.get(c.a.router);
      const b = at.get(c.b.router);
      if (!a || !b) continue;
      // A cable whose two ends are up is drawn solid, any other dashed, as on the desktop.
      const up = c.a.state === 'up' && c.b.state === 'up';
      svg.append(el('line', { x1: a.x, y1: a.y, x2: b.x, y2: b.y, class: up ? 'cable up' : 'cable' }));
      for (const [end, from, to] of [[c.a, a, b], [c.b, b, a]]) {
        const dx = to.x - from.x;
        const dy = to.y - from.y;
        const len = Math.hypot(dx, dy) || 1;
        // The dot just outside the node; the name beside the cable, off its line.
        const x = from.x + (dx / len) * 78;
        const y = from.y + (dy / len) * 78;
        const nx = (-dy / len) * 16;
        const ny = (dx / len) * 16;
        const dot = el('circle', { cx: x, cy: y, r: 7, fill: STATE_COLOUR[end.state] || '#9aa3ad', class: 'end' });
        dot.append(el('title', {}, `Router ${end.router} ${end.interface}: ${end.state}`));
        svg.append(dot);
        svg.append(el('text', { x: x + (dx / len) * 18 + nx, y: y + (dy / len) * 18 + ny + 4, class: 'ifname' }, end.interface));
      }
    }
    for (const r of m.routers) {
      const g = el('g', { class: 'node', 'data-router': r.number });
      g.append(el('rect', { x: r.x - NODE_W / 2, y: r.y - NODE_H / 2, width: NODE_W, height: NODE_H, rx: 8 }));
      g.append(el('text', { x: r.x, y: r.y + 6, class: 'label' }, r.label));
      g.append(el('text', { x: r.x - NODE_W / 2 + 6, y: r.y - NODE_H / 2 + 12, class: 'number' }, String(r.number)));
      g.append(el('title', {}, `Router ${r.number}: double-click for its console`));
      g.addEventListener('dblclick', () => this.onRouter(r.number));
      svg.append(g);
    }
    this.box.append(svg);
    if (m.caption) this.box.append(Object.assign(document.createElement('p'), { className: 'caption', textContent: m.caption }));
  }

  showView() {
    const v = this.view;
    this.svg.setAttribute('viewBox', `${v.x} ${v.y} ${v.w} ${v.h}`);
  }

  // The diagram's point under a point of the page.
  toDiagram(svg, clientX, clientY) {
    const r = svg.getBoundingClientRect();
    const scale = Math.max(this.view.w / r.width, this.view.h / r.height);
    // The viewBox is centred in the element (preserveAspectRatio's default).
    const x0 = this.view.x - (r.width * scale - this.view.w) / 2;
    const y0 = this.view.y - (r.height * scale - this.view.h) / 2;
    return { x: x0 + (clientX - r.left) * scale, y: y0 + (clientY - r.top) * scale, scale };
  }

  hookZoomAndPan(svg) {
    svg.addEventListener('wheel', (e) => {
      e.preventDefault();
      const p = this.toDiagram(svg, e.clientX, e.clientY);
      const f = e.deltaY < 0 ? 1 / 1.2 : 1.2;
      const v = this.view;
      this.view = { x: p.x - (p.x - v.x) * f, y: p.y - (p.y - v.y) * f, w: v.w * f, h: v.h * f };
      this.showView();
    }, { passive: false });
    svg.addEventListener('pointerdown', (e) => {
      if (e.target.closest('.node')) return;
      const start = this.toDiagram(svg, e.clientX, e.clientY);
      const from = { ...this.view };
      const move = (ev) => {
        const dx = (ev.clientX - e.clientX) * start.scale;
        const dy = (ev.clientY - e.clientY) * start.scale;
        this.view = { ...from, x: from.x - dx, y: from.y - dy };
        this.showView();
      };
      const up = () => {
        svg.removeEventListener('pointermove', move);
        svg.removeEventListener('pointerup', up);
      };
      svg.setPointerCapture(e.pointerId);
      svg.addEventListener('pointermove', move);
      svg.addEventListener('pointerup', up);
    });
  }
}
