// The Lab Navigator: the lab pages the program ships, bundled into the page so that they show the
// same from a web server and from a folder. A page is written into a sandboxed frame (no scripts);
// its links are followed here: another lab page opens in the frame, `router:N` brings router N's
// console forward, and any other address opens in a new browser tab. The Topology page is written
// for the loaded topology, as on the desktop, and a lab that came with a page of its own (a bundle)
// shows it under BUNDLE_PAGE.
import labs from 'zorva:labs';

export const HOME_PAGE = 'ccna_home.htm';
export const TOPOLOGY_PAGE = 'topology.htm';
export const BUNDLE_PAGE = 'this-lab.htm';

export class Navigator {
  // `generated(name)` gives the HTML of a page the program writes itself, or null.
  constructor(frame, title, onRouter, generated = () => null) {
    this.frame = frame;
    this.generated = generated;
    this.title = title;
    this.onRouter = onRouter;
    this.history = [];
    this.page = '';
    frame.addEventListener('load', () => this.hookLinks());
  }

  // The page's HTML with its style sheet written inline (the frame has no address to load from).
  html(name) {
    const text = this.generated(name) ?? labs[name];
    if (text === undefined) return null;
    return text.replace(/<link[^>]*href="([^"]+\.css)"[^>]*>/gi, (whole, css) =>
      labs[css] !== undefined ? `<style>${labs[css]}</style>` : '');
  }

  open(name, remember = true) {
    const html = this.html(name);
    if (html === null) return false;
    if (remember && this.page) this.history.push(this.page);
    this.page = name;
    this.frame.srcdoc = html;
    return true;
  }

  back() {
    const previous = this.history.pop();
    if (previous) this.open(previous, false);
  }

  // The checks of the page shown: the .checks file of the page's own name, or null.
  checksOfPage() {
    const name = this.page.replace(/\.html?$/i, '.checks');
    return labs[name] === undefined ? null : { name, text: labs[name] };
  }

  hookLinks() {
    const doc = this.frame.contentDocument;
    if (!doc) return;
    this.title.textContent = doc.title || this.page;
    doc.addEventListener('click', (e) => {
      const a = e.target.closest && e.target.closest('a[href]');
      if (!a) return;
      e.preventDefault();
      this.follow(a.getAttribute('href'));
    });
  }

  follow(href) {
    const router = /^router:(\d+)$/i.exec(href);
    if (router) {
      this.onRouter(Number(router[1]));
    } else if (/^[a-z][a-z0-9+.-]*:/i.test(href)) {
      window.open(href, '_blank', 'noopener');
    } else {
      const [name, anchor] = href.split('#');
      if (name && !this.open(name)) return;
      if (anchor) this.frame.contentDocument?.getElementById(anchor)?.scrollIntoView();
    }
  }
}
