// The network diagram as SVG: a node per router, a line per cable with the interface names and a
// dot at each end (green: line protocol up, red: down, grey: administratively down). The core
// gives the model (positions included, from the topology file or its automatic layout); this draws
// it, redraws only when the model changed, and brings a router's console forward on double-click.
// The wheel zooms around the pointer, dragging pans, Fit shows everything again; the view stays
// where the student put it while the states change. However far out the view is, names stay
// legible: nodes, dots and interface names grow with the view so that they never show smaller
// than LEGIBLE_PX on the screen (as long as they do not overlap), and a network wider than tall is
// drawn turned a quarter (across the diagonal) in a panel taller than wide, where it is larger.
const SVG = 'http://www.w3.org/2000/svg';
const NODE_W = 110;
const NODE_H = 44;
const REFRESH_MS = 250;  // states are read at most this often; the clock ticks far more often
const LEGIBLE_PX = 13;   // the smallest a router's name shows on the screen
const LABEL_UNITS = 16;  // a router's name in the diagram's units (page.css)
const DOT_OUT = 78;      // an end's dot: this far from its router's centre, then its name
const NAME_OUT = 18;
const NAME_SIDE = 16;
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

// How much larger than drawn a node may grow before it meets its nearest neighbour.
function roomPerNode(routers) {
  let nearest = Infinity;
  for (const a of routers)
    for (const b of routers)
      if (a !== b) nearest = Math.min(nearest, Math.max(Math.abs(a.x - b.x) / (NODE_W + 24), Math.abs(a.y - b.y) / (NODE_H + 24)));
  return nearest;
}

export class Diagram {
  constructor(box, onRouter) {
    this.box = box;
    this.onRouter = onRouter;
    this.visible = false;
    this.last = '';
    this.readAt = 0;
    this.view = null;  // the viewBox the student zoomed or panned to; null: fit everything
    this.nodes = [];   // {g, x, y}: drawn at a scale that keeps them legible
    this.ends = [];    // {dot, name, x, y, ux, uy}: a cable end at router (x, y), towards (ux, uy)
    this.turned = false;  // x and y swapped, to suit the panel's shape
    this.model = null;
    this.resized = new ResizeObserver(() => this.reshaped());
  }

  // The panel changed size: the view follows, and the drawing turns when the shape asks for it.
  reshaped() {
    if (!this.svg || !this.model) return;
    if (this.shouldTurn(this.model) !== this.turned) {
      this.view = null;
      this.draw(this.model);
    } else {
      this.showView();
    }
  }

  shouldTurn(m) {
    const r = this.box.getBoundingClientRect();
    const xs = m.routers.map((p) => p.x);
    const ys = m.routers.map((p) => p.y);
    const wide = Math.max(...xs) - Math.min(...xs) > Math.max(...ys) - Math.min(...ys);
    return r.height > r.width && wide;
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

  draw(model) {
    this.model = model;
    this.box.textContent = '';
    const tools = document.createElement('div');
    tools.className = 'tools';
    const fit = document.createElement('button');
    fit.textContent = 'Fit';
    fit.title = 'Show the whole network';
    fit.addEventListener('click', () => {
      this.view = null;
      this.last = '';
      this.draw(model);
    });
    tools.append(fit, legend());
    this.box.append(tools);
    if (!model.routers || model.routers.length === 0) {
      this.box.append(model.caption || 'No routers.');
      return;
    }
    if (!this.view) this.turned = this.shouldTurn(model);
    const m = this.turned ? { ...model, routers: model.routers.map((r) => ({ ...r, x: r.y, y: r.x })) } : model;
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
    this.nodes = [];
    this.ends = [];
    this.roomPerNode = roomPerNode(m.routers);
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
        const len = Math.hypot(to.x - from.x, to.y - from.y) || 1;
        const dot = el('circle', { fill: STATE_COLOUR[end.state] || '#9aa3ad', class: 'end' });
        dot.append(el('title', {}, `Router ${end.router} ${end.interface}: ${end.state}`));
        const name = el('text', { class: 'ifname' }, end.interface);
        svg.append(dot, name);
        this.ends.push({ dot, name, x: from.x, y: from.y, ux: (to.x - from.x) / len, uy: (to.y - from.y) / len });
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
      this.nodes.push({ g, x: r.x, y: r.y });
    }
    this.box.append(svg);
    this.showView();
    this.resized.disconnect();
    this.resized.observe(svg);
    if (m.caption) this.box.append(Object.assign(document.createElement('p'), { className: 'caption', textContent: m.caption }));
  }

  showView() {
    const v = this.view;
    this.svg.setAttribute('viewBox', `${v.x} ${v.y} ${v.w} ${v.h}`);
    this.keepLegible();
  }

  // Scales nodes and cable ends so that a router's name shows at LEGIBLE_PX at least.
  keepLegible() {
    const r = this.svg.getBoundingClientRect();
    if (!r.width || !r.height) return;
    const unitsPerPx = Math.max(this.view.w / r.width, this.view.h / r.height);
    const f = Math.max(1, Math.min((LEGIBLE_PX * unitsPerPx) / LABEL_UNITS, this.roomPerNode));
    for (const n of this.nodes)
      n.g.setAttribute('transform', `translate(${n.x} ${n.y}) scale(${f}) translate(${-n.x} ${-n.y})`);
    for (const e of this.ends) {
      // The dot just outside the node; the name beside the cable, off its line.
      const x = e.x + e.ux * DOT_OUT * f;
      const y = e.y + e.uy * DOT_OUT * f;
      e.dot.setAttribute('cx', x);
      e.dot.setAttribute('cy', y);
      e.dot.setAttribute('r', 7 * f);
      e.name.setAttribute('x', x + (e.ux * NAME_OUT - e.uy * NAME_SIDE) * f);
      e.name.setAttribute('y', y + (e.uy * NAME_OUT + e.ux * NAME_SIDE + 4) * f);
      e.name.setAttribute('font-size', 12 * f);
      // Beside a steep cable the name starts (or ends) off the line instead of straddling it.
      const side = -e.uy;
      e.name.setAttribute('text-anchor', Math.abs(side) < 0.5 ? 'middle' : side > 0 ? 'start' : 'end');
    }
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
