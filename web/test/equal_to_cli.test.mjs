// The web module against the command line: 10,000 seeded readings over every profile, 200 days,
// 24 months and the saved files, each asked of both; the answers must be the same JSON and the
// same bytes. VELA_CLI names the command line, VELA_WEB_DIR the built module (build-web/web).
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { test } from 'node:test';
import assert from 'node:assert/strict';

const cli = process.env.VELA_CLI;
if (!existsSync(join(process.env.VELA_WEB_DIR, 'vela.mjs'))) {
  console.log(`skipped: no web module in ${process.env.VELA_WEB_DIR} (cmake --preset web && cmake --build --preset web)`);
  process.exit(77);
}
const { loadVela } = await import(pathToFileURL(resolve(process.env.VELA_WEB_DIR, 'vela.mjs')).href);
const vela = await loadVela();
const ephe = '/usr/share/libswe/ephe';
vela.loadEphemeris(Object.fromEntries(readdirSync(ephe).map((f) => [f, readFileSync(join(ephe, f))])));
const work = mkdtempSync(join(tmpdir(), 'vela-web-'));

// A small seeded generator (mulberry32): the same births on every run.
let seed = 20240403;
const random = () => {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
const pick = (list) => list[Math.floor(random() * list.length)];
const whole = (low, high) => low + Math.floor(random() * (high - low + 1));
const two = (n) => String(n).padStart(2, '0');

const profiles = vela.profiles().profiles.map((p) => p.name);
const birth = () => ({
  name: pick(['Asha', 'Ravi Kumar', "Jean-Pierre D'Souza", 'Meena', 'Tamil Selvi']),
  date: `${whole(1901, 2050)}-${two(whole(1, 12))}-${two(whole(1, 31))}`,
  time: `${two(whole(0, 23))}:${two(whole(0, 59))}`,
  zone: String(whole(0, 80)),
  lat: `${whole(0, 66)}${pick('NS')}${two(whole(0, 59))}`,
  lon: `${whole(0, 179)}${pick('EW')}${two(whole(0, 59))}`,
  dst: random() < 0.2,
  city: pick(['New Delhi', 'Chennai', "St. John's"]),
  state: pick(['Delhi', 'Tamil Nadu', 'Newfoundland']),
  country: pick(['India', 'Canada']),
});
const fields = ['name', 'date', 'time', 'zone', 'lat', 'lon', 'dst', 'city', 'state', 'country'];
const csvLine = (b) => fields.map((f) => `"${String(b[f])}"`).join(',');
const flagsOf = (b) => fields.flatMap((f) => (f === 'dst' ? (b.dst ? ['--dst'] : []) : [`--${f}`, b[f]]));

// The module's answer as the command line prints it: the JSON object, or its refusal's message
// (a usage error, status 2, with the program's name; a refused field named after the message).
const moduleAnswer = (call, batch = false) => {
  try {
    return call();
  } catch (e) {
    if (batch) return { error: e.message };
    if (e.status === 2) return { error: `vela-upagrahas-cli: ${e.message} (see vela-upagrahas-cli --help)` };
    return { error: e.field ? `${e.message} (--${e.field})` : e.message };
  }
};
const run = (args) => {
  try {
    return { out: execFileSync(cli, args, { stdio: ['ignore', 'pipe', 'pipe'], maxBuffer: 1 << 30 }) };
  } catch (e) {
    return { out: e.stdout, error: e.stderr.toString().trim() };
  }
};

// The module's numbers may differ from the command line's in their last digits: the two builds'
// mathematical libraries (glibc's, emscripten's musl) round sines and arctangents apart. A number
// within 1e-9 of its size (1.3 milliarcseconds of a longitude) counts as the same; every text,
// every whole number and every byte of a file must be the same.
let inexact = 0;
let refused = 0;
const within = (ours, theirs) => {
  if (typeof ours === 'number' && typeof theirs === 'number' && ours !== theirs) {
    inexact += 1;
    return Math.abs(ours - theirs) <= 1e-9 * Math.max(1, Math.abs(theirs)) ? theirs : ours;
  }
  if (!ours || !theirs || typeof ours !== 'object' || typeof theirs !== 'object') return ours;
  const out = Array.isArray(ours) ? [] : {};
  for (const key of Object.keys(ours)) out[key] = within(ours[key], theirs[key]);
  return out;
};
const same = (ours, theirs, message) => assert.deepEqual(within(ours, theirs), theirs, message);
const cliJson = (args) => {
  const r = run(args);
  return r.error !== undefined ? { error: r.error } : JSON.parse(r.out.toString());
};

test('the zone rows and the profiles in each language, as --zones and --profiles list them', () => {
  const rows = (args) => run(args).out.toString().split('\n\n')[0].trim().split('\n').map((l) => l.split('\t'));
  assert.deepEqual(vela.zones().map((z) => [String(z.row), z.text, z.offset]), rows(['--zones']));
  for (const lang of ['en', 'hi', 'ta']) {
    const listed = vela.profiles({ lang }).profiles.map((p) => [p.name, p.description,
      Object.entries(p.axes).map(([axis, value]) => `${axis}=${value}`).join(';')]);
    assert.deepEqual(listed, rows(['--profiles', '--lang', lang]), lang);
  }
});

test('10,000 readings over every profile, with and without the grahas, as the batch gives them', () => {
  for (const grahas of [false, true]) {
    const births = Array.from({ length: 5000 }, () => ({ ...birth(), profile: pick(profiles) }));
    const file = join(work, `batch-${grahas}.csv`);
    writeFileSync(file, `${fields.join(',')},profile\n${births.map((b) => `${csvLine(b)},${b.profile}`).join('\n')}\n`);
    const lines = run(['--batch', file, ...(grahas ? ['--grahas'] : [])]).out.toString().trim().split('\n');
    births.forEach((b, i) => {
      const expected = JSON.parse(lines[i]);
      const ours = moduleAnswer(() => vela.reading({ ...b, grahas }), true);
      refused += ours.error !== undefined;
      // The form's check refuses only what the command line refuses, with the same message.
      const message = grahas ? null : vela.validate(b);
      if (message) assert.ok(expected.error?.endsWith(message.text), `${csvLine(b)}: ${message.text}`);
      same(ours.error !== undefined ? { row: i + 1, error: ours.error } : ours, expected, csvLine(b));
    });
  }
});

test('the working, the languages, the comparison and ghatis, as single readings give them', () => {
  // A field without a flag, or of the wrong kind, is a usage error, not passed over.
  for (const wrong of [{ grahs: true }, { dst: 'true' }, { zone: 34 }])
    assert.throws(() => vela.reading({ ...birth(), ...wrong }), { status: 2 }, JSON.stringify(wrong));
  const variants = [['--working', { working: true }], ['--lang', 'hi', { lang: 'hi' }], ['--lang', 'ta', { lang: 'ta' }],
    ['--compare', { compare: true }], ['--grahas', '--true-node', { grahas: true, trueNode: true }]];
  for (let k = 0; k < 60; ++k) {
    const b = birth();
    const variant = variants[k % variants.length];
    const options = variant.at(-1);
    same(moduleAnswer(() => vela.reading({ ...b, ...options })),
      cliJson([...flagsOf(b), '--json', ...variant.slice(0, -1)]), JSON.stringify(b));
  }
});

test('200 days and 24 months at seeded places', () => {
  for (let k = 0; k < 224; ++k) {
    const place = { lat: birth().lat, lon: birth().lon, zone: birth().zone, dst: random() < 0.2, profile: pick(profiles) };
    const month = `${whole(1901, 2050)}-${two(whole(1, 12))}`;
    const asked = k < 200 ? { day: `${month}-${two(whole(1, 28))}`, choghadiya: k % 2 === 0 } : { month };
    const args = ['--lat', place.lat, '--lon', place.lon, '--zone', place.zone, '--profile', place.profile, '--json',
      ...(place.dst ? ['--dst'] : []), ...(k < 200 ? ['--day', asked.day, ...(asked.choghadiya ? ['--choghadiya'] : [])] : ['--month', month])];
    same(moduleAnswer(() => (k < 200 ? vela.day : vela.month).call(vela, { ...place, ...asked })),
      cliJson(args), args.join(' '));
  }
});

test('saved files: the same bytes written, the same reading when opened', () => {
  for (let k = 0; k < 30; ++k) {
    const b = birth();
    for (const kind of ['.ved', '.vela', '.jhd']) {
      const path = join(work, `saved${kind}`);
      const saved = run([...flagsOf(b), '--json', '--save', path]);
      const ours = moduleAnswer(() => vela.save(b, kind));
      if (saved.error !== undefined) {
        assert.deepEqual(ours, { error: saved.error }, JSON.stringify(b));
        continue;
      }
      const bytes = readFileSync(path);
      assert.deepEqual(Buffer.from(ours), bytes, `${kind} ${JSON.stringify(b)}`);
      same(moduleAnswer(() => vela.open(bytes, `saved${kind}`)), cliJson([path, '--json']), kind);
    }
  }
});

test('the report, the working and the sheets as text; a date its month lacks; the form of an opened file', () => {
  const text = (args) => {
    const r = run(args);
    return r.error !== undefined ? { error: r.error } : r.out.toString();
  };
  for (let k = 0; k < 24; ++k) {
    const b = birth();
    const lang = ['en', 'hi', 'ta'][k % 3];
    const more = [...(k % 2 ? ['--working'] : []), ...(k % 4 === 1 ? ['--grahas'] : [])];
    const asked = { lang, working: k % 2 === 1, grahas: k % 4 === 1 };
    assert.deepEqual(moduleAnswer(() => vela.reportText({ ...b, ...asked })), text([...flagsOf(b), '--lang', lang, ...more]), JSON.stringify(b));
    const place = ['--lat', b.lat, '--lon', b.lon, '--zone', b.zone, '--lang', lang];
    const day = b.date.slice(0, 8) + two(whole(1, 28));
    assert.deepEqual(moduleAnswer(() => vela.dayText({ lat: b.lat, lon: b.lon, zone: b.zone, day, choghadiya: true, lang })),
      text([...place, '--day', day, '--choghadiya']), day);
    // 30 February comes back on the date, with the command line's message.
    const missing = { ...b, name: 'Asha', city: 'Chennai', state: 'Tamil Nadu', country: 'India', date: `${b.date.slice(0, 4)}-02-30` };
    assert.deepEqual(vela.validate({ ...missing, lang }), { field: 'date', text: run([...flagsOf(missing), '--lang', lang]).error }, missing.date);
    // A saved reading opened gives back the notations it was typed with.
    const kind = k % 2 ? '.vela' : '.ved';
    const path = join(work, `form${kind}`);
    if (run([...flagsOf(b), '--save', path]).error !== undefined) continue;
    const opened = vela.open(readFileSync(path), `form${kind}`, { form: true });
    assert.deepEqual(opened.form, Object.fromEntries(fields.map((f) => [f, b[f]])), `${kind} ${JSON.stringify(b)}`);
    same(opened.reading, cliJson([path, '--json']), kind);
  }
  assert.deepEqual(moduleAnswer(() => vela.monthText({ lat: '28N37', lon: '77E13', zone: '34', month: '2024-02', lang: 'ta' })),
    text(['--lat', '28N37', '--lon', '77E13', '--zone', '34', '--month', '2024-02', '--lang', 'ta']));
});

test.after(() => console.log(`# numbers within the tolerance but not equal: ${inexact}; batch rows refused: ${refused}`));
