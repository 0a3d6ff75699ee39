// Serves the site folder on this machine only: `node serve.mjs SITE_DIR [PORT]` (port 8080 by
// default, 0 for any free one). The .wasm goes out as application/wasm so that browsers compile it
// while it downloads. Also used by the browser test, through `serve`.
import { createServer } from 'node:http';
import { createReadStream, statSync } from 'node:fs';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
};

// Starts the server and resolves with it once it listens; `server.address().port` is its port.
export function serve(siteDir, port = 0) {
  const root = resolve(siteDir);
  const server = createServer((req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    let stat = null;
    try {
      if (file === root || file.startsWith(root + sep)) stat = statSync(file);
    } catch {
      stat = null;
    }
    if (!stat || !stat.isFile()) {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found\n');
      return;
    }
    res.writeHead(200, {
      'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
      'Content-Length': stat.size,
      'Cache-Control': 'no-cache',
    });
    createReadStream(file).pipe(res);
  });
  return new Promise((ok) => server.listen(port, '127.0.0.1', () => ok(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [site, port] = process.argv.slice(2);
  if (!site) {
    console.error('usage: node serve.mjs SITE_DIR [PORT]');
    process.exit(2);
  }
  const server = await serve(site, port === undefined ? 8080 : Number(port));
  console.log(`Zorva is served at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops it)`);
}
