// The site in Debian's headless Chromium: what the first visit transfers (before the atlas and the
// ephemeris), how soon the first reading is on screen after the page's load, and each later reading
// from the button to the drawn chart, read from the page's own Performance API marks.
// Usage: node bench/site_bench.mjs build-web/site [READINGS]   (figures in bench/README.md)
import { gzipSync } from 'node:zlib';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { serve, launch } from '../web/site-tests/serve.mjs';

const folder = process.argv[2] ?? 'build-web/site';
const readings = Number(process.argv[3] ?? 50);
const site = await serve(folder);
const browser = await launch();
const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
const page = await context.newPage();

const birth = { name: 'Asha', date: '1975-06-15', time: '10:30', lat: '28N37', lon: '77E13', city: 'Delhi', state: 'Delhi', country: 'India' };
async function read(time) {
  for (const [key, value] of Object.entries({ ...birth, time })) await page.fill(`#f-${key}`, value);
  await page.selectOption('#f-zone', '34');
  await page.click('#calculate');
  await page.waitForSelector('#main:not([aria-busy])');
}

// The form filled and the button pressed the moment the page is ready (no typing in the way).
await page.goto(site.url, { waitUntil: 'commit' });
await page.evaluate((form) => new Promise((resolve) => {
  const go = () => {
    for (const [key, value] of Object.entries(form)) document.querySelector(`#f-${key}`).value = value;
    document.querySelector('#f-zone').value = '34';
    document.querySelector('#calculate').click();
    resolve();
  };
  if (document.body.dataset.ready) go();
  else new MutationObserver((_, watch) => { if (document.body.dataset.ready) { watch.disconnect(); go(); } })
    .observe(document.body, { attributes: true });
}), birth);
await page.waitForSelector('#main:not([aria-busy])');
// The service worker's copy of the site, made after the first reading, is part of the first visit.
await page.evaluate(async () => { await navigator.serviceWorker.ready; });
await page.waitForTimeout(500);
const firstLoad = site.sent.map((s) => ({ ...s, gzip: gzipSync(readFileSync(join(folder, s.path === '/' ? 'index.html' : s.path))).length }));
for (let i = 0; i < readings; i++) await read(`${String(i % 24).padStart(2, '0')}:${String((i * 7) % 60).padStart(2, '0')}`);

const marks = await page.evaluate(() => ({
  load: performance.getEntriesByType('navigation')[0].loadEventEnd,
  start: performance.getEntriesByName('vela:start')[0],
  readings: performance.getEntriesByName('vela:reading').map((m) => ({ start: m.startTime, duration: m.duration })),
  frames: performance.getEntriesByName('vela:reading-frame').map((m) => m.duration),
}));
const [first, ...later] = marks.readings;
const sorted = later.map((m) => m.duration).sort((a, b) => a - b);
const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
const sum = (key) => firstLoad.reduce((total, s) => total + s[key], 0);

console.log('first visit, files served:');
for (const s of firstLoad) console.log(`  ${s.path.padEnd(24)} ${String(s.bytes).padStart(9)} B  gzip ${String(s.gzip).padStart(8)} B`);
console.log(`  total ${sum('bytes')} B as served, ${sum('gzip')} B gzip-compressed`);
console.log(`page load (loadEventEnd) ${marks.load.toFixed(1)} ms; module and texts ready ${(marks.start.startTime + marks.start.duration).toFixed(1)} ms after navigation`);
console.log(`first reading: button to chart ${first.duration.toFixed(1)} ms; on screen ${(first.start + first.duration).toFixed(1)} ms after navigation, ${(first.start + first.duration - marks.load).toFixed(1)} ms after the load event`);
console.log(`later readings (${later.length}): median ${at(0.5).toFixed(1)} ms, 90th ${at(0.9).toFixed(1)} ms, worst ${sorted.at(-1).toFixed(1)} ms`);
const frames = marks.frames.slice(1).sort((a, b) => a - b);
console.log(`the same to the frame that draws the chart: median ${frames[Math.floor(frames.length / 2)].toFixed(1)} ms, worst ${frames.at(-1).toFixed(1)} ms`);
await browser.close();
await site.close();
