// Every scenario script of tests/scenarios, run through the native script runner and through the
// WebAssembly one under Node.js: the two must print the same, byte for byte. (The native run is
// itself compared with the expected transcripts by the C++ scenario tests.)
// Usage: node scenarios.mjs NATIVE_ZORVA_TERM WASM_ZORVA_SCRIPT_JS
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const [nativeTerm, wasmScript] = process.argv.slice(2).map((p) => p && resolve(p));
if (!nativeTerm || !wasmScript) {
  console.error('usage: node scenarios.mjs NATIVE_ZORVA_TERM WASM_ZORVA_SCRIPT_JS');
  process.exit(2);
}
const scenarios = resolve(dirname(fileURLToPath(import.meta.url)), '../../tests/scenarios');
const appDir = dirname(nativeTerm);  // the native program folder: topologies and lab data

// The arguments of a run: the script, the program folder and the topology its header names.
function argsFor(script) {
  const args = ['--script', script, '--app-dir', appDir];
  const header = /^# topology: (.+)$/m.exec(readFileSync(script, 'utf8'));
  if (header) {
    const own = join(scenarios, header[1].trim());
    args.push('--topology', existsSync(own) ? own : join(appDir, header[1].trim()));
  }
  return args;
}

// Runs a program in a folder of its own (a script may save lab files; the log goes there too).
function run(command, args) {
  const dir = mkdtempSync(join(tmpdir(), 'zorva-web-'));
  try {
    const r = spawnSync(command, args, { cwd: dir, encoding: 'buffer', maxBuffer: 1 << 28 });
    return { status: r.status, out: r.stdout, err: r.stderr.toString() };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

function firstDifference(a, b) {
  const la = a.toString('latin1').split('\n');
  const lb = b.toString('latin1').split('\n');
  for (let i = 0; i < Math.max(la.length, lb.length); ++i)
    if (la[i] !== lb[i]) return `line ${i + 1}:\n  native: ${JSON.stringify(la[i])}\n  wasm:   ${JSON.stringify(lb[i])}`;
  return 'none';
}

const names = readdirSync(scenarios).filter((f) => f.endsWith('.zs')).sort();
let failed = 0;
for (const name of names) {
  const args = argsFor(join(scenarios, name));
  const native = run(nativeTerm, args);
  const wasm = run(process.execPath, [wasmScript, ...args]);
  const same = native.status === wasm.status && Buffer.compare(native.out, wasm.out) === 0;
  if (same && native.status === 0) {
    console.log(`ok   ${name}`);
    continue;
  }
  ++failed;
  console.log(`FAIL ${name}: exit ${native.status} native, ${wasm.status} wasm`);
  if (wasm.err) console.log(`  wasm said: ${wasm.err.trim()}`);
  console.log(`  first difference at ${firstDifference(native.out, wasm.out)}`);
}
console.log(`${names.length - failed} of ${names.length} scenario scripts print the same in both builds`);
process.exit(failed === 0 && names.length > 0 ? 0 : 1);
