// The built site (VELA_SITE_DIR) in Debian's headless Chromium against the command line (VELA_CLI),
// the desktop's catalogues and messages; exits 77 (skipped) without the site or Chromium.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve, launch, haveChromium } from './serve.mjs';

const SITE = process.env.VELA_SITE_DIR;
const CLI = process.env.VELA_CLI;
const ARTIFACTS = process.env.VELA_ARTIFACTS || join(tmpdir(), 'vela-site-artifacts');
const CATALOGUES = new URL('../../translations/', import.meta.url);
const ASHA = { name: 'Asha', date: '1975-06-15', time: '10:30', zone: '34', lat: '28N37', lon: '77E13', city: 'Delhi', state: 'Delhi', country: 'India' };

if (!SITE || !existsSync(join(SITE, 'index.html')) || !CLI || !haveChromium()) {
  console.log('skipped: needs the built site (cmake --preset web), the command line and /usr/bin/chromium');
  process.exit(77);
}
mkdirSync(ARTIFACTS, { recursive: true });

let site;
let browser;
before(async () => { [site, browser] = await Promise.all([serve(SITE), launch()]); });
after(async () => { await browser?.close(); await site?.close(); });

// ---- the command line, the reference ----

function cli(args) {
  const run = spawnSync(CLI, args, { encoding: 'utf8' });
  return { status: run.status, out: run.stdout, err: run.stderr.trim() };
}

function flags(birth) {
  const args = [];
  for (const key of ['name', 'date', 'time', 'ghatis', 'zone', 'offset', 'lat', 'lon', 'city', 'state', 'country', 'profile'])
    if (birth[key] !== undefined) args.push(`--${key}`, birth[key]);
  for (const setting of birth.conventions ?? []) args.push('--convention', setting);
  if (birth.dst) args.push('--dst');
  return args;
}

// ---- the page ----

async function openPage(options = {}) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 }, acceptDownloads: true, ...options });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(site.url);
  await page.waitForSelector('body[data-ready=true]');
  return { context, page, errors };
}

const settled = (page) => page.waitForSelector('#main:not([aria-busy])');

async function type(page, birth) {
  await page.click('#new-reading');
  for (const key of ['name', 'date', 'lat', 'lon', 'city', 'state', 'country']) await page.fill(`#f-${key}`, birth[key] ?? '');
  if (birth.ghatis !== undefined) await page.fill('#f-ghatis', birth.ghatis);
  else await page.fill('#f-time', birth.time ?? '');
  await page.selectOption('#f-zone', birth.offset !== undefined ? 'offset' : birth.zone ?? '');
  if (birth.offset !== undefined) await page.fill('#f-offset', birth.offset);
  await page.setChecked('#f-dst', Boolean(birth.dst));
  await page.selectOption('#f-profile', birth.profile ?? 'original');
  if (birth.conventions && !(await page.$eval('details.axes', (d) => d.open))) await page.click('details.axes summary');
  for (const setting of birth.conventions ?? []) {
    const [axis, value] = setting.split('=');
    await page.selectOption(`#axis-${axis}`, value);
  }
  await page.click('#calculate');
  await settled(page);
}

const rowsOf = (page, index) =>
  page.$$eval(`#table table:nth-of-type(${index}) tbody tr`, (rows) => rows.map((row) => [...row.children].map((cell) => cell.textContent)));

const shownMessages = (page) =>
  page.$$eval('.msg, #status', (boxes) => boxes.filter((box) => box.textContent).map((box) => ({ id: box.id, text: box.textContent })));

// ---- births: a seeded spread over dates, zones, offsets, ghatis, hemispheres, scripts and profiles ----

function births(count) {
  let seed = 20240405;
  const next = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
  const pad = (n) => String(n).padStart(2, '0');
  const names = ['Asha', 'Ravi Kumar', 'आशा', 'ரவி', "D'Souza", 'Jean-Luc', 'Zoë'];
  const profiles = ['original', 'gulika-start', 'seven-lords', 'all-at-start', 'kerala', 'precise'];
  const list = [];
  for (let i = 0; i < count; i++) {
    const birth = {
      name: names[next(names.length)], date: `${1901 + next(150)}-${pad(1 + next(12))}-${pad(1 + next(28))}`,
      lat: `${next(60)}${next(2) ? 'N' : 'S'}${pad(next(60))}`, lon: `${next(180)}${next(2) ? 'E' : 'W'}${pad(next(60))}`,
      city: 'Chennai', state: 'Tamil Nadu', country: 'India', dst: next(4) === 0, profile: profiles[i % profiles.length],
    };
    if (i % 7 === 3) birth.ghatis = `${next(60)}.${pad(next(60))}`;
    else birth.time = `${pad(next(24))}:${pad(next(60))}`;
    if (i % 5 === 4) birth.offset = `${next(2) ? '+' : '-'}${pad(next(12))}:${pad(next(60))}:${pad(next(60))}`;
    else birth.zone = String(next(81));
    if (i % 9 === 8) birth.conventions = ['maandi=ghatis', 'lords=seven'];
    list.push(birth);
  }
  return list;
}

test('30 births typed through the form equal the command line', async () => {
  const { context, page, errors } = await openPage();
  let refused = 0;
  for (const birth of births(30)) {
    await type(page, birth);
    const expected = cli([...flags(birth), '--json', '--grahas', '--lang', 'en']);
    const label = JSON.stringify(birth);
    if (expected.status !== 0) {
      refused++;
      const shown = await shownMessages(page);
      assert.ok(shown.some((m) => expected.err.includes(m.text)), `${label}: ${expected.err} / ${JSON.stringify(shown)}`);
      continue;
    }
    const reading = JSON.parse(expected.out);
    assert.deepEqual(await rowsOf(page, 1),
      reading.upagrahas.map((u) => [u.name, u.lord, u.longitude, u.nakshatra, String(u.pada), String(u.house)]), label);
    assert.deepEqual(await rowsOf(page, 2),
      reading.sun_upagrahas.map((u) => [u.name, u.sign, u.degrees, u.nakshatra, String(u.pada), String(u.house)]), label);
    assert.deepEqual(await rowsOf(page, 3), reading.grahas.map((g) =>
      [g.name, g.sign, g.degrees + (g.retrograde ? ' R' : ''), g.nakshatra, String(g.pada), String(g.house)]), label);
    const header = await page.$$eval('#result-header dd', (cells) => cells.map((cell) => cell.textContent));
    assert.ok(header.includes(`${reading.ascendant.text} · ${reading.ascendant.nakshatra} ${reading.ascendant.pada}`), label);
    assert.deepEqual(await page.$$eval('#warnings li', (items) => items.map((item) => item.textContent)), reading.warnings, label);
  }
  assert.ok(refused < 10, `${refused} of 30 births refused: the spread should mostly read`);
  assert.deepEqual(errors, []);
  await context.close();
});

// The window's messages, each on the field it names.
const REFUSALS = [
  ['no name', { name: '' }, 'name', 'Please Enter Your Name'],
  ['digits in the name', { name: 'Asha2' }, 'name', 'Please enter only letters'],
  ['no city', { city: '' }, 'city', 'Please Enter Your City name'],
  ['no state', { state: '' }, 'state', 'Please Enter Your State name'],
  ['no country', { country: '' }, 'country', 'Please Enter Your Country name'],
  ['latitude past 89', { lat: '95N00' }, 'lat', 'Please Enter Degree of Latitude from 0 to 89'],
  ['longitude past 180', { lon: '181E00' }, 'lon', 'Please Enter Degree of Longitude from 0 to 180'],
  ['an hour past 23', { time: '25:00' }, 'time', null],
  ['an offset past 16 hours', { zone: undefined, offset: '+17:00' }, 'offset', null],
  ['ghatis past 59', { time: undefined, ghatis: '70.00' }, 'ghatis', null],
];

test('each refusal shows its message on its field', async () => {
  const { context, page } = await openPage();
  for (const [what, change, field, message] of REFUSALS) {
    const birth = { ...ASHA, ...change };
    await type(page, birth);
    const shown = await shownMessages(page);
    assert.equal(shown.length, 1, `${what}: ${JSON.stringify(shown)}`);
    assert.equal(shown[0].id, `m-${field}`, what);
    // The window's own words where it has them; otherwise what the command line says of the same value.
    if (message) assert.equal(shown[0].text, message, what);
    else assert.ok(cli(flags(birth)).err.includes(shown[0].text.replace(/^--\w+ /, '')), `${what}: ${shown[0].text}`);
    assert.equal(await page.getAttribute(`#f-${field}`, 'aria-invalid'), 'true', what);
    assert.equal(await page.evaluate(() => document.activeElement.id), `f-${field}`, what);
    assert.equal(await page.isHidden('#result'), true, what);
  }
  await context.close();
});

test('a file opened (picked or dropped) and saved in each kind equals the command line\'s file', async () => {
  const { context, page } = await openPage();
  const folder = mkdtempSync(join(tmpdir(), 'vela-files-'));
  const files = [
    ['asha.ved', { name: 'Asha', zone: '34' }],
    ['asha.vela', { name: 'आशा देवी', offset: '+05:53:20' }],
    ['ravi.jhd', { name: 'Ravi', zone: '34', dst: true }],
  ];
  for (const [fileName, change] of files) {
    const birth = { date: '1975-06-15', time: '10:30', lat: '13N05', lon: '80E17', city: 'Chennai', state: 'Tamil Nadu', country: 'India', ...change };
    const path = join(folder, fileName);
    execFileSync(CLI, [...flags(birth), '--save', path]);
    await page.setInputFiles('#file-input', path);
    await settled(page);
    const opened = JSON.parse(cli([path, '--json']).out);
    assert.equal((await rowsOf(page, 1))[0][2], opened.upagrahas[0].longitude, fileName);
    // The form filled again with the file's notations.
    for (const key of ['lat', 'lon', 'date']) assert.equal(await page.inputValue(`#f-${key}`), birth[key], `${fileName} ${key}`);
    // Saved in each kind: the bytes the command line writes for the opened file, or its refusal.
    for (const kind of ['.ved', '.vela', '.jhd']) {
      const expected = join(folder, `expected${kind}`);
      const refused = cli([path, '--save', expected]).status !== 0;
      if (refused) {
        await page.click(`[data-save="${kind}"]`);
        assert.notEqual((await shownMessages(page)).length, 0, `${fileName} as ${kind}: no message`);
        continue;
      }
      const [download] = await Promise.all([page.waitForEvent('download'), page.click(`[data-save="${kind}"]`)]);
      assert.ok(readFileSync(await download.path()).equals(readFileSync(expected)), `${fileName} as ${kind} came back different`);
    }
  }
  // A file dropped on the page opens as one picked.
  await page.click('#new-reading');
  await page.evaluate(([bytes, name]) => {
    const dropped = new DataTransfer();
    dropped.items.add(new File([new Uint8Array(bytes)], name));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: dropped, bubbles: true }));
  }, [[...readFileSync(join(folder, 'asha.ved'))], 'asha.ved']);
  await page.waitForFunction(() => document.querySelector('#f-name').value === 'Asha');
  await context.close();
});

// The heading of the form in each catalogue, as the desktop shows it.
function catalogueText(lang, source) {
  const xml = readFileSync(new URL(`vela-upagrahas_${lang}.ts`, CATALOGUES), 'utf8');
  return xml.match(new RegExp(`<source>${source}</source>\\s*<translation>([^<]*)</translation>`))[1];
}

test('each language, switched without reloading and followed on a first visit', async () => {
  const { context, page } = await openPage({ locale: 'ta-IN' });
  assert.equal(await page.textContent('#form-title'), catalogueText('ta', 'Personal Details'));
  const birth = ASHA;
  await type(page, birth);
  await page.evaluate(() => { window.notReloaded = true; });
  for (const lang of ['hi', 'ta', 'en']) {
    await page.selectOption('#language', lang);
    await settled(page);
    assert.equal(await page.evaluate(() => window.notReloaded), true);
    assert.equal(await page.getAttribute('html', 'lang'), lang);
    const reading = JSON.parse(cli([...flags(birth), '--json', '--lang', lang]).out);
    assert.deepEqual((await rowsOf(page, 1)).map((row) => row[0]), reading.upagrahas.map((u) => (lang === 'en' ? u.name : u.name_local)), lang);
    if (lang !== 'en') assert.equal(await page.textContent('#form-title'), catalogueText(lang, 'Personal Details'));
    // The report and the working: the command line's text in the language.
    for (const [tab, more] of [['report', []], ['working', ['--working']]]) {
      await page.click(`#tab-${tab}`);
      assert.equal(await page.textContent(`#${tab} pre`), cli([...flags(birth), '--grahas', '--lang', lang, ...more]).out, `${lang} ${tab}`);
    }
    await page.click('#tab-table');
  }
  await context.close();
});

test('phone and desktop screens: nothing wider than the screen, chart labels legible, screenshots kept', async () => {
  for (const [name, viewport] of [['phone', { width: 390, height: 844 }], ['narrow', { width: 360, height: 740 }], ['desktop', { width: 1280, height: 900 }]]) {
    const { context, page } = await openPage({ viewport, isMobile: name !== 'desktop', hasTouch: name !== 'desktop' });
    await type(page, ASHA);
    for (const style of ['south', 'north']) {
      await page.check(`input[name=chart-style][value=${style}]`);
      const smallest = await page.$$eval('#chart svg text', (texts) => Math.min(...texts.map((t) => t.getBoundingClientRect().height)));
      assert.ok(smallest >= 10, `${name} ${style}: a chart label is ${smallest}px high`);
      await page.screenshot({ path: join(ARTIFACTS, `${name}-${style}.png`), fullPage: true });
    }
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${name}: the page scrolls sideways`);
    await context.close();
  }
});

test('recent readings are kept in the browser and deleted on request', async () => {
  const { context, page } = await openPage();
  const birth = { name: 'Ravi', date: '1980-01-02', time: '05:10', zone: '34', lat: '13N05', lon: '80E17', city: 'Chennai', state: 'Tamil Nadu', country: 'India' };
  await type(page, birth);
  await type(page, birth);
  assert.equal(await page.locator('#recent li').count(), 1);
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  await page.click('#recent li button.link');
  await settled(page);
  assert.equal(await page.inputValue('#f-name'), 'Ravi');
  await page.click('#recent li button:not(.link)');
  await page.waitForFunction(() => document.querySelectorAll('#recent li').length === 0);
  await context.close();
});

test('the keyboard alone gets a reading', async () => {
  const { context, page } = await openPage();
  const typed = { name: 'Asha', date: '06151975', time: '10:30', city: 'Delhi', state: 'Delhi', country: 'India', lat: '28N37', lon: '77E13' };
  await page.selectOption('#f-zone', '34');
  for (const [field, text] of Object.entries(typed)) {
    await page.focus(`#f-${field}`);
    await page.keyboard.type(text);
  }
  await page.keyboard.press('Enter');
  await settled(page);
  assert.equal(await page.isVisible('#result'), true);
  await page.focus('#tab-chart');
  await page.keyboard.press('ArrowRight');
  assert.equal(await page.getAttribute('#tab-table', 'aria-selected'), 'true');
  assert.notEqual(await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'none');
  await context.close();
});

test('installable, and offline after the first visit', async () => {
  const { context, page } = await openPage();
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  // Chromium's own installability check (a test browser's private window aside).
  const { installabilityErrors } = await (await context.newCDPSession(page)).send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.filter((e) => e.errorId !== 'in-incognito'), []);
  await context.setOffline(true);
  const before = site.sent.length;
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  await type(page, ASHA);
  assert.equal(await page.isVisible('#result'), true);
  assert.equal(site.sent.length, before, 'the offline page asked the server');
  await context.close();
});

test('no serious or critical accessibility finding, light and dark', async () => {
  const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
  for (const colorScheme of ['light', 'dark']) {
    const { context, page } = await openPage({ colorScheme });
    await type(page, ASHA);
    await page.click('#show-day');
    await page.addScriptTag({ path: axe });
    for (const tab of ['chart', 'table', 'report', 'working', 'compare']) {
      await page.click(`#tab-${tab}`);
      const found = await page.evaluate(async () => (await window.axe.run()).violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
      assert.deepEqual(found, [], `${colorScheme}, ${tab}`);
    }
    await context.close();
  }
});

test('the atlas loads when the city box is first used, fills the place and proposes the zone', async () => {
  const { context, page } = await openPage();
  const before = site.sent.length;
  await page.waitForTimeout(200);
  assert.ok(!site.sent.slice(before).some((s) => s.path === '/atlas.json'), 'the atlas came before the city box was used');
  await page.fill('#f-date', '1975-06-15');
  await page.fill('#f-time', '10:30');
  await page.fill('#f-city', 'Sao Pau');
  await page.waitForFunction(() => document.querySelectorAll('#atlas option').length > 0);
  const label = await page.getAttribute('#atlas option', 'value');
  assert.match(label, /^São Paulo, /);
  await page.fill('#f-city', label);
  await page.waitForFunction(() => document.querySelector('#f-city').value === 'Sao Paulo');
  // The window's form from the same place: the names folded, the coordinates to the minute.
  assert.equal(await page.inputValue('#f-state'), 'Sao Paulo');
  assert.equal(await page.inputValue('#f-country'), 'Brazil');
  assert.match(await page.textContent('#zone-proposal'), /America\/Sao_Paulo: -03:00/);
  await page.click('#zone-proposal button');
  assert.equal(await page.inputValue('#f-zone'), 'offset');
  assert.equal(await page.inputValue('#f-offset'), '-03:00');
  await context.close();
});
