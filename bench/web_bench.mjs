// The web module beside the native command line, in one run on one core: the time from
// instantiating the module to its first reading, a reading through the module's API, the same
// readings through `vela-upagrahas-cli --batch` (the command line's JSON lines, on one core), and
// the module's size as served (gzip -9 and brotli, without the ephemeris files).
//   taskset -c 1 node bench/web_bench.mjs build-web/web build/vela-upagrahas-cli [readings]
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { performance } from 'node:perf_hooks';
import { brotliCompressSync, gzipSync, constants } from 'node:zlib';

const [webDir, cli, countText = '20000'] = process.argv.slice(2);
const count = Number(countText);

const started = performance.now();
const { loadVela } = await import(resolve(webDir, 'vela.mjs'));
const vela = await loadVela();
const asha = { name: 'Asha', date: '1975-06-15', time: '10:30', zone: '34', lat: '28N37', lon: '77E13',
  dst: false, city: 'New Delhi', state: 'Delhi', country: 'India' };
vela.reading(asha);
const firstReading = performance.now() - started;

// Seeded births over the years and the zone table (the same on every run).
let seed = 7;
const next = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
const two = (n) => String(n).padStart(2, '0');
const births = Array.from({ length: count }, () => ({ ...asha, date: `${1901 + next(150)}-${two(1 + next(12))}-${two(1 + next(28))}`,
  time: `${two(next(24))}:${two(next(60))}`, zone: String(next(81)), lat: `${next(60)}N${two(next(60))}`, lon: `${next(180)}E${two(next(60))}` }));

const fields = ['name', 'date', 'time', 'zone', 'lat', 'lon', 'dst', 'city', 'state', 'country'];
const csv = join(mkdtempSync(join(tmpdir(), 'vela-bench-')), 'births.csv');
writeFileSync(csv, `${fields.join(',')}\n${births.map((b) => fields.map((f) => String(b[f])).join(',')).join('\n')}\n`);

const median = (runs) => runs.sort((a, b) => a - b)[Math.floor(runs.length / 2)];
const timeModule = () => {
  const t = performance.now();
  for (const b of births) vela.reading(b);
  return ((performance.now() - t) * 1e6) / count;
};
const timeNative = () => {
  const t = performance.now();
  execFileSync(cli, ['--batch', csv], { maxBuffer: 1 << 30 });
  return ((performance.now() - t) * 1e6) / count;
};
timeModule();
const module = median([timeModule(), timeModule(), timeModule()]);
const native = median([timeNative(), timeNative(), timeNative()]);

const served = ['vela-core.wasm', 'vela-core.js', 'vela.mjs'].map((f) => readFileSync(join(webDir, f)));
const total = (squeeze) => served.reduce((sum, bytes) => sum + squeeze(bytes).length, 0);
const gzip = total((b) => gzipSync(b, { level: 9 }));
const brotli = total((b) => brotliCompressSync(b, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }));

console.log(`instantiate to first reading   ${firstReading.toFixed(1)} ms`);
console.log(`a reading, module (API, JSON)   ${Math.round(module)} ns`);
console.log(`a reading, native --batch      ${Math.round(native)} ns`);
console.log(`module / native                 ${(module / native).toFixed(2)}`);
console.log(`module + loader + wrapper       ${served.reduce((s, b) => s + b.length, 0)} bytes, ${gzip} gzip -9, ${brotli} brotli`);
