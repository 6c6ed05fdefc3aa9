// How far the library's built-in Moshier series lies from the .se1 files in the web module: the
// same seeded births under the precise profile with the grahas, read by a module without the files
// and by one with them; prints the largest difference of any longitude, in arcseconds.
//   node bench/web_moshier.mjs build-web/web [births]
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [webDir, countText = '2000'] = process.argv.slice(2);
const { loadVela } = await import(pathToFileURL(resolve(webDir, 'vela.mjs')).href);
const moshier = await loadVela();
const files = await loadVela();
const ephe = '/usr/share/libswe/ephe';
files.loadEphemeris(Object.fromEntries(['sepl_18.se1', 'semo_18.se1', 'seleapsec.txt'].map((f) => [f, readFileSync(join(ephe, f))])));

let seed = 11;
const next = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
const two = (n) => String(n).padStart(2, '0');
// Every number called "longitude" or "degrees" in the reading, by its path.
const longitudes = (value, path = '', out = new Map()) => {
  if (value && typeof value === 'object') for (const [k, v] of Object.entries(value)) longitudes(v, `${path}/${k}`, out);
  else if (typeof value === 'number' && /(longitude|degrees)$/.test(path) && !path.startsWith('/longitude')) out.set(path, value);
  return out;
};
const worst = {};  // by the first part of the path: grahas, upagrahas, ascendant, ...
for (let i = 0; i < Number(countText); ++i) {
  const birth = { name: 'Asha', date: `${1901 + next(150)}-${two(1 + next(12))}-${two(1 + next(28))}`,
    time: `${two(next(24))}:${two(next(60))}`, zone: '34', lat: `${next(60)}N${two(next(60))}`, lon: `${next(180)}E${two(next(60))}`,
    city: 'New Delhi', state: 'Delhi', country: 'India', profile: 'precise', grahas: true };
  const a = longitudes(moshier.reading(birth));
  for (const [path, b] of longitudes(files.reading(birth))) {
    const d = Math.abs(((a.get(path) - b + 540) % 360) - 180) * 3600;
    const part = path.split('/')[1];
    if (d >= (worst[part]?.arcseconds ?? 0)) worst[part] = { arcseconds: d, path, date: birth.date };
  }
}
for (const [part, w] of Object.entries(worst))
  console.log(`Moshier against the files, ${countText} births 1901-2050, ${part}: largest ${w.arcseconds.toFixed(3)}″ (${w.path}, ${w.date})`);
