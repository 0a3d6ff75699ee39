// Bundles the page into the site folder: index.html, zorva-page.js and zorva-page.css (the page's
// code with xterm.js, and the lab pages the program ships). Nothing is fetched from another site
// when the page runs. Usage: node build.mjs SITE_DIR LABS_DIR
import { build } from 'esbuild';
import { copyFileSync, mkdirSync, readdirSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [site, labsDir] = process.argv.slice(2);
if (!site || !labsDir) {
  console.error('usage: node build.mjs SITE_DIR LABS_DIR');
  process.exit(2);
}

// `import labs from 'zorva:labs'`: every lab page, style sheet and check file, by name.
const labsPlugin = {
  name: 'zorva-labs',
  setup(b) {
    b.onResolve({ filter: /^zorva:labs$/ }, () => ({ path: 'labs', namespace: 'zorva-labs' }));
    b.onLoad({ filter: /.*/, namespace: 'zorva-labs' }, () => {
      const files = {};
      for (const name of readdirSync(labsDir).sort())
        if (/\.(htm|html|css|checks)$/i.test(name)) files[name] = readFileSync(join(labsDir, name), 'utf8');
      return { contents: JSON.stringify(files), loader: 'json', watchFiles: Object.keys(files).map((f) => join(labsDir, f)) };
    });
  },
};

mkdirSync(site, { recursive: true });
await build({
  entryPoints: { 'zorva-page': join(here, 'src/main.js') },
  bundle: true,
  minify: true,
  format: 'iife',
  target: ['es2020'],
  outdir: site,
  plugins: [labsPlugin],
  logLevel: 'warning',
});
copyFileSync(join(here, 'index.html'), join(site, 'index.html'));
