// The web module beside the native command line, in one run on one core: the time from
// instantiating the module to its first reading, a reading through the module's API, the same
// readings through `vela-upagrahas-cli --batch` (the command line's JSON lines, on one core), and
// the module's size as served (gzip -9 and brotli, without the ephemeris files).
//   taskset -c 1 node bench/web_bench.mjs build-web/web build/vela-upagrahas-cli [readings]
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync, writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { performance } from 'node:perf_hooks';
import { brotliCompressSync, gzipSync, constants } from 'node:zlib';

const [webDir, cli, countText = '20000'] = process.argv.slice(2);
const count = Number(countText);

const started = performance.now();
const { loadVela } = await import(resolve(webDir, 'vela.mjs'));
const vela = await loadVela();
const loaded = performance.now() - started;
const asha = { name: 'Asha', date: '1975-06-15', time: '10:30', zone: '34', lat: '28N37', lon: '77E13',
  dst: false, city: 'New Delhi', state: 'Delhi', country: 'India' };
vela.reading(asha);
const firstReading = performance.now() - started;
// The ephemeris files the native programs read (Debian's swe-basic-data), as a page hands them over.
const ephe = '/usr/share/libswe/ephe';
vela.loadEphemeris(Object.fromEntries(readdirSync(ephe).filter((f) => /^(se.*\.se1|seleapsec\.txt)$/.test(f))
  .map((f) => [f, readFileSync(join(ephe, f))])));
// The native program's start to its first reading, for comparison (median of 5 runs).
const nativeFirst = [0, 1, 2, 3, 4].map(() => {
  const t = performance.now();
  execFileSync(cli, ['--name', 'Asha', '--date', '1975-06-15', '--time', '10:30', '--zone', '34', '--lat', '28N37',
    '--lon', '77E13', '--city', 'New Delhi', '--state', 'Delhi', '--country', 'India', '--json']);
  return performance.now() - t;
}).sort((a, b) => a - b)[2];

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
const timeModule = (call) => {
  const t = performance.now();
  for (const b of births) call(b);
  return ((performance.now() - t) * 1e6) / count;
};
const timeNative = () => {
  const t = performance.now();
  execFileSync(cli, ['--batch', csv], { maxBuffer: 1 << 30 });
  return ((performance.now() - t) * 1e6) / count;
};
const text = (b) => vela.readingText(b);
const object = (b) => vela.reading(b);
timeModule(text);
const module = median([timeModule(text), timeModule(text), timeModule(text)]);
const moduleObject = median([timeModule(object), timeModule(object), timeModule(object)]);
const native = median([timeNative(), timeNative(), timeNative()]);
// The module's own call alone: the request's JSON in, the reading's JSON text out, in its memory.
const timeCore = () => (vela.timeCore(births) * 1e6) / count;
const core = median([timeCore(), timeCore(), timeCore()]);

const served = ['vela-core.wasm', 'vela-core.js', 'vela.mjs'].map((f) => readFileSync(join(webDir, f)));
const total = (squeeze) => served.reduce((sum, bytes) => sum + squeeze(bytes).length, 0);
const gzip = total((b) => gzipSync(b, { level: 9 }));
const brotli = total((b) => brotliCompressSync(b, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }));

console.log(`import + instantiate           ${loaded.toFixed(1)} ms`);
console.log(`instantiate to first reading   ${firstReading.toFixed(1)} ms (the program's own profile)`);
console.log(`native start to first reading  ${nativeFirst.toFixed(1)} ms`);
console.log(`a reading, module's call alone  ${Math.round(core)} ns`);
console.log(`a reading, module, JSON text    ${Math.round(module)} ns`);
console.log(`a reading, module, parsed      ${Math.round(moduleObject)} ns`);
console.log(`a reading, native --batch      ${Math.round(native)} ns`);
console.log(`module call / native            ${(core / native).toFixed(2)}`);
console.log(`module (text) / native         ${(module / native).toFixed(2)}`);
console.log(`module + loader + wrapper       ${served.reduce((s, b) => s + b.length, 0)} bytes, ${gzip} gzip -9, ${brotli} brotli`);
