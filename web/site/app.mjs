// The page of the web edition: the form, the reading and the day, drawn from the core's answers.
// Every number, name and message comes from the WebAssembly core (vela.mjs); this file only asks
// and draws. The texts of the page come from the desktop's catalogues (strings.json).
import { loadVela } from './vela.mjs';
import { chartSvg } from './chart.mjs';
import * as recent from './recent.mjs';
import * as atlas from './atlas.mjs';

const $ = (selector) => document.querySelector(selector);
const $$ = (selector) => [...document.querySelectorAll(selector)];
const FIELDS = ['name', 'date', 'time', 'ghatis', 'zone', 'offset', 'dst', 'city', 'state', 'country', 'lat', 'lon'];
const OFFSET_ROW = 'offset';
const LANGUAGES = ['en', 'hi', 'ta'];

let vela;
let strings = {};
let lang = 'en';
let last = null; // { request, reading } of the reading on screen
let lastDay = null; // the request of the day and month on screen
let ephemerisLoaded = false;

// ---- texts ----------------------------------------------------------------------------------

// A text of the catalogues in the page's language: the accelerator marks dropped, %1... filled.
export function t(source, ...args) {
  let text = (lang !== 'en' && strings[lang]?.[source]) || source;
  text = text.replace(/\s*\(&[^)]\)/, '').replace(/&&/g, '\u0000').replace(/&/g, '').replace(/\u0000/g, '&');
  return text.replace(/%(\d)/g, (whole, n) => (args[n - 1] !== undefined ? String(args[n - 1]) : whole));
}

function localName(item, key = 'name') {
  return (lang !== 'en' && item[`${key}_local`]) || item[key];
}

function el(tag, attributes = {}, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (value === undefined || value === null || value === false) continue;
    if (key === 'text') node.textContent = value;
    else node.setAttribute(key, value === true ? '' : value);
  }
  node.append(...children.filter((child) => child !== null && child !== undefined));
  return node;
}

function table(caption, headers, rows, rowClass) {
  const head = el('tr', {}, ...headers.map((text) => el('th', { scope: 'col', text })));
  const body = rows.map((cells, i) =>
    el('tr', { class: rowClass?.(i) }, ...cells.map((cell, j) => (j === 0 ? el('th', { scope: 'row' }, cell) : el('td', {}, cell)))),
  );
  return el('table', {}, el('caption', { text: caption }), el('thead', {}, head), el('tbody', {}, ...body));
}

function translatePage() {
  document.documentElement.lang = lang;
  for (const node of $$('[data-t]')) node.textContent = t(node.dataset.t);
  $('#language').value = lang;
}

async function setLanguage(code, { redraw = true } = {}) {
  lang = LANGUAGES.includes(code) ? code : 'en';
  localStorage.setItem('vela-lang', lang);
  translatePage();
  fillProfiles();
  showAbout();
  if (!redraw) return;
  // A message on the form is asked for again, in the new language.
  if (FIELDS.some((name) => $(`#m-${name}`).textContent)) {
    const refusal = vela.validate({ ...formRequest(), lang });
    clearMessages();
    if (refusal) showRefusal(refusal.field, refusal.text);
  }
  if (last) calculate(last.request, { remember: false });
  if (lastDay) showDay(lastDay.kind);
  await showRecent();
}

function firstLanguage() {
  const chosen = localStorage.getItem('vela-lang');
  if (LANGUAGES.includes(chosen)) return chosen;
  for (const tag of navigator.languages ?? [navigator.language]) {
    const code = tag.toLowerCase().split('-')[0];
    if (LANGUAGES.includes(code)) return code;
  }
  return 'en';
}

// ---- the form -------------------------------------------------------------------------------

function fillZones() {
  const select = $('#f-zone');
  select.replaceChildren(
    el('option', { value: '', text: '—' }),
    ...vela.zones().map((zone) => el('option', { value: String(zone.row), text: `${zone.text} (${zone.offset})` })),
    el('option', { value: OFFSET_ROW, 'data-t': 'Another offset (±HH:MM:SS)', text: t('Another offset (±HH:MM:SS)') }),
  );
}

function fillProfiles() {
  const select = $('#f-profile');
  const chosen = select.value || 'original';
  const { profiles, axes } = vela.profiles({ lang });
  select.replaceChildren(...profiles.map((p) => el('option', { value: p.name, title: p.description, text: `${p.name} — ${p.description}` })));
  select.value = chosen;
  const box = $('#axes');
  const settings = Object.fromEntries($$('#axes select').map((s) => [s.name, s.value]));
  box.replaceChildren(
    ...Object.entries(axes).map(([axis, values]) => {
      const id = `axis-${axis}`;
      return el('div', { class: 'field' }, el('label', { for: id, text: axis }),
        el('select', { id, name: axis }, el('option', { value: '', text: '—' }), ...values.map((v) => el('option', { value: v, text: v }))));
    }),
  );
  for (const [axis, value] of Object.entries(settings)) {
    const select = box.querySelector(`[name="${axis}"]`);
    if (select) select.value = value;
  }
}

// The form as the core takes it: the command line's flags by name.
function formRequest() {
  const value = (name) => $(`#f-${name}`).value;
  const request = { name: value('name'), date: value('date'), lat: value('lat'), lon: value('lon'),
    city: value('city'), state: value('state'), country: value('country'), dst: $('#f-dst').checked };
  if (value('ghatis').trim() !== '') request.ghatis = value('ghatis');
  else request.time = value('time');
  if (value('zone') === OFFSET_ROW) request.offset = value('offset');
  else request.zone = value('zone');
  request.profile = value('profile') || 'original';
  const conventions = $$('#axes select').filter((s) => s.value).map((s) => `${s.name}=${s.value}`);
  if (conventions.length) request.conventions = conventions;
  return request;
}

function fillForm(request) {
  for (const name of ['name', 'date', 'time', 'ghatis', 'lat', 'lon', 'city', 'state', 'country', 'offset'])
    $(`#f-${name}`).value = request[name] ?? '';
  $('#f-dst').checked = Boolean(request.dst);
  $('#f-zone').value = request.offset ? OFFSET_ROW : request.zone ?? '';
  $('#f-profile').value = request.profile || 'original';
  for (const select of $$('#axes select')) select.value = '';
  for (const setting of request.conventions ?? []) {
    const [axis, v] = setting.split('=');
    const select = $(`#axes [name="${axis}"]`);
    if (select) select.value = v;
  }
  syncForm();
}

function syncForm() {
  $('#offset-field').hidden = $('#f-zone').value !== OFFSET_ROW;
  $('#f-time').disabled = $('#f-ghatis').value.trim() !== '';
}

function clearMessages() {
  for (const name of FIELDS) {
    $(`#m-${name}`).textContent = '';
    $(`#f-${name}`).removeAttribute('aria-invalid');
  }
  setStatus('');
}

function showRefusal(field, text) {
  const box = FIELDS.includes(field) ? field : null;
  if (!box) {
    setStatus(text, true);
    return;
  }
  if (box === 'offset') $('#offset-field').hidden = false;
  $(`#m-${box}`).textContent = text;
  const input = $(`#f-${box}`);
  input.setAttribute('aria-invalid', 'true');
  input.focus();
}

function setStatus(text, alarm = false) {
  const status = $('#status');
  status.textContent = text;
  status.classList.toggle('alarm', alarm);
  status.setAttribute('role', alarm ? 'alert' : 'status');
}

// The precise ephemeris's files, fetched once when a precise reading is first asked for.
async function ensureEphemeris(request) {
  const precise = request.profile === 'precise' || (request.conventions ?? []).some((c) => c === 'ephemeris=precise');
  if (!precise || ephemerisLoaded) return;
  const names = await (await fetch('ephe/files.json')).json();
  const files = {};
  for (const name of names) files[name] = new Uint8Array(await (await fetch(`ephe/${name}`)).arrayBuffer());
  vela.loadEphemeris(files);
  ephemerisLoaded = true;
}

// Validates and reads a birth; the chart is drawn at once, the working and the comparison when
// their tabs are opened.
async function calculate(request, { remember = true, started } = {}) {
  clearMessages();
  const refusal = vela.validate({ ...request, lang });
  if (refusal) {
    showRefusal(refusal.field, refusal.text);
    return false;
  }
  try {
    await ensureEphemeris(request);
    const reading = vela.reading({ ...request, grahas: true, lang });
    last = { request, reading, report: null, working: null, compare: null };
    showReading();
    // From the button to the chart in the page (the Performance API; bench/site_bench.mjs reads it).
    if (started !== undefined) {
      performance.measure('vela:reading', { start: started, end: performance.now() });
      // ...and to the frame that draws it.
      requestAnimationFrame(() => performance.measure('vela:reading-frame', { start: started, end: performance.now() }));
      showResultHeading();
    }
  } catch (error) {
    if (error.name !== 'VelaRefusal') throw error;
    showRefusal(error.field, error.message);
    return false;
  }
  if (remember) await recent.remember(request, `${request.name} · ${request.date} ${request.time ?? request.ghatis ?? ''}`).catch(() => {});
  await showRecent();
  return true;
}

// ---- the reading ----------------------------------------------------------------------------

function showReading() {
  const { reading } = last;
  $('#result').hidden = false;
  const header = $('#result-header');
  const sun = reading.sun.birth;
  const place = [reading.city, reading.state, reading.country].filter(Boolean).join(', ');
  const entries = [
    [t('Name'), reading.name],
    [t('Date of Birth'), reading.date],
    [t('Time of Birth'), reading.time],
    [t('Time Zone'), reading.zone_text ?? reading.zone],
    [t('City'), place],
    [`${t('Latitude')} · ${t('Longitude')}`, `${last.request.lat} · ${last.request.lon}`],
    [t('&Conventions'), reading.profile.name],
    [t('Lagna'), `${reading.ascendant.text} · ${localName(reading.ascendant, 'nakshatra')} ${reading.ascendant.pada}`],
    [t('Sunrise'), sun.rise],
    [t('Sunset'), sun.set],
  ];
  header.replaceChildren(...entries.flatMap(([term, value]) => [el('dt', { text: term }), el('dd', { text: value })]));
  $('#warnings').replaceChildren(...reading.warnings.map((w) => el('li', { text: w })));
  drawChart();
  showTable();
  const open = $('[role=tab][aria-selected=true]').id;
  if (open === 'tab-report') showReport();
  if (open === 'tab-working') showWorking();
  if (open === 'tab-compare') showCompare();
}

// After a reading asked for by the button or a file: the result's heading in view and focused (on a
// phone the result lies below the form).
function showResultHeading() {
  const heading = $('#result-title');
  heading.focus({ preventScroll: true });
  heading.scrollIntoView({ block: 'start' });
}

function chartItems(reading) {
  const items = [{ key: 'Asc', label: t('Lagna'), sign: reading.ascendant.sign, house: 1, full: t('Lagna') }];
  for (const g of reading.grahas ?? []) items.push({ key: g.name, label: localName(g), sign: g.sign, house: g.house, retro: g.retrograde });
  for (const u of [...reading.upagrahas, ...(reading.sun_upagrahas ?? [])])
    items.push({ key: u.name, label: localName(u), sign: u.sign, house: u.house, upagraha: true });
  return items;
}

function drawChart() {
  const style = $('input[name=chart-style]:checked').value;
  const { reading } = last;
  $('#chart').innerHTML = chartSvg(style, chartItems(reading), {
    lang,
    title: `${reading.name} · ${reading.date} ${reading.time}`,
    ascendantSign: reading.ascendant.sign,
  });
}

function showTable() {
  const { reading } = last;
  const upagrahas = table(t('Upagraha'), [t('Name'), t('Lord'), t('Position'), t('Nakshatra'), t('Pada'), t('House')],
    reading.upagrahas.map((u) => [localName(u), localName(u, 'lord'), u.longitude, localName(u, 'nakshatra'), u.pada, u.house]));
  const sunOnes = table(t('Upagrahas of the Sun'), [t('Name'), t('Sign'), t('Degrees'), t('Nakshatra'), t('Pada'), t('House')],
    (reading.sun_upagrahas ?? []).map((u) => [localName(u), localName(u, 'sign'), u.degrees, localName(u, 'nakshatra'), u.pada, u.house]));
  const grahas = table(t('Grahas'), [t('Name'), t('Sign'), t('Degrees'), t('Nakshatra'), t('Pada'), t('House')],
    (reading.grahas ?? []).map((g) => [localName(g), localName(g, 'sign'), g.degrees + (g.retrograde ? ' R' : ''), localName(g, 'nakshatra'), g.pada, g.house]));
  $('#table').replaceChildren(upagrahas, sunOnes, grahas);
}

// The command line's text of the reading on screen in the page's language (the report, or with
// `working` the working): of the file's own bytes for a reading opened and not changed since.
function readingText(extra) {
  const { opened } = last;
  if (opened) return vela.openText(opened.bytes, opened.fileName, { ...extra, lang });
  return vela.reportText({ ...last.request, ...extra, lang });
}

function showReport() {
  if (!last) return;
  if (last.report === null) last.report = readingText({ grahas: true });
  $('#report').replaceChildren(el('pre', { class: 'text prose', text: last.report }));
}

function showWorking() {
  if (!last) return;
  if (last.working === null) last.working = readingText({ grahas: true, working: true });
  $('#working').replaceChildren(el('pre', { class: 'text', tabindex: '0', text: last.working }));
}

function showCompare() {
  if (!last) return;
  if (!last.compare) last.compare = vela.compare({ ...last.request, lang });
  const grid = last.compare;
  const names = grid.columns[0]?.upagrahas.map((u) => u.name) ?? [];
  const headers = ['', ...grid.columns.map((c) => (c.profile.name === grid.in_use ? t('%1 (in use)', c.profile.name) : c.profile.name))];
  const rows = names.map((name, i) => [name, ...grid.columns.map((c) => {
    const u = c.upagrahas[i];
    if (!u) return t('refused');
    return u.differs ? el('span', { class: 'differs', title: t('Differs from the profile in use') }, `${u.text} *`) : u.text;
  })]);
  $('#compare').replaceChildren(
    table(t('Com&pare'), headers.map((h) => h), rows),
    el('p', { text: t('* differs from the profile in use (%1).', grid.in_use) }),
    el('ul', {}, ...grid.notes.map((note) => el('li', { text: note }))),
  );
}

function selectTab(tab) {
  for (const other of $$('[role=tab]')) {
    const chosen = other === tab;
    other.setAttribute('aria-selected', String(chosen));
    other.tabIndex = chosen ? 0 : -1;
    $(`#${other.getAttribute('aria-controls')}`).hidden = !chosen;
  }
  if (tab.id === 'tab-report') showReport();
  if (tab.id === 'tab-working') showWorking();
  if (tab.id === 'tab-compare') showCompare();
}

// ---- the day and the month ------------------------------------------------------------------

function placeRequest() {
  const request = formRequest();
  const place = { lat: request.lat, lon: request.lon, dst: request.dst, profile: request.profile };
  if (request.offset) place.offset = request.offset;
  else place.zone = request.zone;
  if (request.conventions) place.conventions = request.conventions;
  return place;
}

function span(s) {
  return `${s.start}–${s.end}`;
}

function showDay(kind) {
  $('#m-day').textContent = '';
  const place = placeRequest();
  lastDay = { kind };
  try {
    // In Hindi and Tamil the sheets are the command line's text in the language (its JSON names the
    // lords and weekdays in English only).
    if (lang !== 'en') {
      const text = kind === 'day'
        ? vela.dayText({ ...place, day: $('#d-day').value, choghadiya: $('#d-chog').checked, lang })
        : vela.monthText({ ...place, month: $('#d-month').value, lang });
      $(kind === 'day' ? '#day' : '#month').replaceChildren(el('pre', { class: 'text', tabindex: '0', text }));
    } else if (kind === 'day') {
      const day = vela.day({ ...place, day: $('#d-day').value, choghadiya: $('#d-chog').checked });
      const portions = (list, title) => table(title, [t('Portion'), t('Lord'), t('Time')], list.map((p, i) => [String(i + 1), p.lord, span(p.span)]));
      const parts = [
        el('h3', { text: `${day.date} · ${day.weekday} · ${day.place}` }),
        el('p', { text: t('Sunrise %1, sunset %2, next sunrise %3', day.sunrise, day.sunset, day.next_sunrise) }),
        el('ul', {}, el('li', { text: t('Rahu Kalam %1', span(day.rahu_kalam)) }), el('li', { text: t('Yamagandam %1', span(day.yamagandam)) }),
          el('li', { text: t('Gulika Kalam %1', span(day.gulika_kalam)) })),
        portions(day.day_portions, t('Day %1', day.date)),
        portions(day.night_portions, t('Night %1', day.date)),
        table('Hora', [t('Portion'), t('Lord'), t('Time')], (day.horas ?? []).map((h, i) => [String(i + 1), h.lord, span(h.span)])),
      ];
      if (day.choghadiyas) parts.push(table(t('Choghadiya'), [t('Choghadiya'), t('Lord'), t('Time')], day.choghadiyas.map((c) => [c.name, c.lord, span(c.span)])));
      if (day.note) parts.push(el('p', { class: 'hint', text: day.note }));
      $('#day').replaceChildren(...parts);
    } else {
      const month = vela.month({ ...place, month: $('#d-month').value });
      const rows = month.days.map((d) => [d.date, d.weekday, d.sunrise ?? '', d.sunset ?? '',
        d.rahu_kalam ? span(d.rahu_kalam) : '', d.yamagandam ? span(d.yamagandam) : '', d.gulika_kalam ? span(d.gulika_kalam) : '']);
      $('#month').replaceChildren(table(t('Rahu Kalam, Yamagandam and Gulika Kalam, %1', `${month.year}-${String(month.month).padStart(2, '0')} · ${month.place}`),
        [t('Date'), t('Weekday'), t('Sunrise'), t('Sunset'), t('Rahu Kalam'), t('Yamagandam'), t('Gulika Kalam')], rows));
    }
  } catch (error) {
    if (error.name !== 'VelaRefusal') throw error;
    $('#m-day').textContent = error.message;
  }
}

// ---- files ----------------------------------------------------------------------------------

function download(bytes, fileName, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = el('a', { href: url, download: fileName });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

function saveAs(kind) {
  clearMessages();
  const request = last?.request ?? formRequest();
  // A file opened and not changed is saved in its own kind as the very bytes it came with.
  const opened = last?.opened;
  const sorted = (r) => JSON.stringify(Object.entries(r).sort(([a], [b]) => (a < b ? -1 : 1)));
  if (opened && opened.kind === kind && sorted(formRequest()) === sorted(request)) {
    download(opened.bytes, opened.fileName, 'application/octet-stream');
    return;
  }
  if (opened?.seconds) {
    setStatus(t('The place of this reading has seconds of arc, which the form cannot hold: save it in its own kind, unchanged.'), true);
    return;
  }
  try {
    const bytes = vela.save({ ...request, lang }, kind);
    download(bytes, `${(request.name || 'reading').trim()}${kind}`, 'application/octet-stream');
  } catch (error) {
    if (error.name !== 'VelaRefusal') throw error;
    showRefusal(error.field, error.message);
  }
}

// The form of an opened reading: the core's notations, and the profile the reading names.
function requestOfOpened({ form, reading }) {
  const { name: profile, ...axes } = reading.profile;
  const request = { ...form, profile };
  if (profile === 'custom') {
    request.profile = 'original';
    request.conventions = Object.entries(axes).map(([axis, value]) => `${axis}=${value}`);
  }
  return request;
}

async function openFile(file) {
  clearMessages();
  $('#main').setAttribute('aria-busy', 'true');
  try {
    await openBytes(file);
  } finally {
    $('#main').removeAttribute('aria-busy');
  }
}

async function openBytes(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  try {
    const opened = vela.open(bytes, file.name, { grahas: true, lang, form: true });
    const { reading } = opened;
    const request = requestOfOpened(opened);
    fillForm(request);
    const kind = file.name.slice(file.name.lastIndexOf('.')).toLowerCase();
    last = { request, reading, report: null, working: null, compare: null,
      opened: { bytes, kind, fileName: file.name, seconds: opened.secondsOfArc } };
    showReading();
    setStatus(file.name);
    showResultHeading();
    await recent.remember(request, `${request.name} · ${request.date} ${request.time}`).catch(() => {});
    await showRecent();
  } catch (error) {
    if (error.name !== 'VelaRefusal') throw error;
    setStatus(error.message, true);
  }
}

// ---- recent readings ------------------------------------------------------------------------

async function showRecent() {
  const list = $('#recent');
  let entries = [];
  try {
    entries = await recent.list();
  } catch {
    list.replaceChildren(el('li', { text: t('Recent readings are not kept in this browser.') }));
    return;
  }
  list.replaceChildren(...entries.map((entry) => el('li', {},
    Object.assign(el('button', { type: 'button', class: 'link', text: entry.label }), {
      onclick: () => { fillForm(entry.request); calculate(entry.request, { remember: false }); },
    }),
    Object.assign(el('button', { type: 'button', 'aria-label': t('Delete %1', entry.label), text: t('Delete') }), {
      onclick: async () => { await recent.forget(entry.id); await showRecent(); },
    }))));
  $('#forget-all').hidden = entries.length === 0;
}

// ---- about ----------------------------------------------------------------------------------

function showAbout() {
  const about = vela.about();
  const source = el('a', { href: about.source, text: about.source });
  $('#about-text').replaceChildren(
    `Vela Upagrahas ${about.version}. ${about.licenceNote} `,
    t('The site is under the %1; its own source is under the MIT licence. Corresponding source:', about.licence), ' ', source,
    `. ${about.ephemeris.name} ${about.ephemeris.version} (${about.ephemeris.licence}). `,
    t('Places: GeoNames (CC BY 4.0), through Debian\'s libgeonames.'),
  );
}

// ---- the atlas ------------------------------------------------------------------------------

let proposedZone = null; // the IANA zone of the place picked from the atlas

function offerPlaces() {
  const typed = $('#f-city').value;
  const picked = atlas.byLabel(typed);
  if (picked) {
    const [, city, state, country, lat, lon, zone] = picked;
    Object.entries({ city, state, country, lat, lon }).forEach(([name, value]) => { $(`#f-${name}`).value = value; });
    proposedZone = zone;
    $('#atlas').replaceChildren();
    proposeZone();
    return;
  }
  $('#atlas').replaceChildren(...atlas.find(typed).map((row) => el('option', { value: row[0] })));
}

// The place's clock at the birth date and time, from the browser's zone data; used on request.
function proposeZone() {
  const line = $('#zone-proposal');
  const offset = proposedZone && atlas.offsetAt(proposedZone, $('#f-date').value, $('#f-time').value);
  if (!offset) {
    line.replaceChildren();
    return;
  }
  const use = el('button', { type: 'button', text: t('&Use this zone') });
  use.addEventListener('click', () => {
    $('#f-zone').value = OFFSET_ROW;
    $('#f-offset').value = offset;
    $('#f-dst').checked = false;
    syncForm();
    $('#f-offset').focus();
  });
  line.replaceChildren(`${t('%1: %2 on the clock at this date and time', proposedZone, offset)} `, use);
}

// ---- start ----------------------------------------------------------------------------------

function wire() {
  $('#birth').addEventListener('submit', (event) => {
    event.preventDefault();
    const started = performance.now();
    const main = $('#main');
    main.setAttribute('aria-busy', 'true');
    calculate(formRequest(), { started }).finally(() => main.removeAttribute('aria-busy'));
  });
  $('#f-zone').addEventListener('change', syncForm);
  $('#f-city').addEventListener('focus', () => atlas.load().then(offerPlaces), { once: true });
  $('#f-city').addEventListener('input', () => atlas.load().then(offerPlaces));
  for (const box of ['#f-date', '#f-time']) $(box).addEventListener('change', proposeZone);
  $('#f-ghatis').addEventListener('input', syncForm);
  $('#language').addEventListener('change', (event) => setLanguage(event.target.value));
  $('#new-reading').addEventListener('click', () => {
    $('#birth').reset();
    last = null;
    $('#result').hidden = true;
    clearMessages();
    syncForm();
    $('#f-name').focus();
  });
  $('#open-file').addEventListener('click', () => $('#file-input').click());
  $('#file-input').addEventListener('change', (event) => {
    if (event.target.files[0]) openFile(event.target.files[0]);
    event.target.value = '';
  });
  for (const button of $$('[data-save]')) button.addEventListener('click', () => saveAs(button.dataset.save));
  for (const radio of $$('input[name=chart-style]')) radio.addEventListener('change', drawChart);
  const tabs = $$('[role=tab]');
  for (const tab of tabs) {
    tab.addEventListener('click', () => selectTab(tab));
    tab.addEventListener('keydown', (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      const next = tabs[(tabs.indexOf(tab) + step + tabs.length) % tabs.length];
      next.focus();
      selectTab(next);
    });
  }
  $('#day-form').addEventListener('submit', (event) => { event.preventDefault(); showDay('day'); });
  $('#show-month').addEventListener('click', () => showDay('month'));
  $('#month-csv').addEventListener('click', () => {
    $('#m-day').textContent = '';
    try {
      download(vela.monthCsv({ ...placeRequest(), month: $('#d-month').value }), `${$('#d-month').value}.csv`, 'text/csv');
    } catch (error) {
      if (error.name !== 'VelaRefusal') throw error;
      $('#m-day').textContent = error.message;
    }
  });
  $('#print-reading').addEventListener('click', () => { document.body.dataset.print = 'reading'; window.print(); });
  $('#print-month').addEventListener('click', () => { showDay('month'); document.body.dataset.print = 'month'; window.print(); });
  // A printed reading holds the report, the working and the comparison too, whichever tab is open.
  window.addEventListener('beforeprint', () => {
    if (!last) return;
    showReport();
    showWorking();
    showCompare();
  });
  // The browser's own Print prints everything again once a button's print is over.
  window.addEventListener('afterprint', () => { delete document.body.dataset.print; });
  $('#forget-all').addEventListener('click', async () => { await recent.forgetAll(); await showRecent(); });
  // Files dropped anywhere on the page.
  const drop = $('#drop');
  document.addEventListener('dragover', (event) => { event.preventDefault(); drop.hidden = false; });
  document.addEventListener('dragleave', (event) => { if (!event.relatedTarget) drop.hidden = true; });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.hidden = true;
    const file = event.dataTransfer?.files?.[0];
    if (file) openFile(file);
  });
}

async function start() {
  const loading = performance.now();
  [vela, strings] = await Promise.all([loadVela(), fetch('strings.json').then((r) => r.json())]);
  fillZones();
  wire();
  await setLanguage(firstLanguage(), { redraw: false });
  await showRecent();
  syncForm();
  const today = new Date().toLocaleDateString('en-CA'); // YYYY-MM-DD on this device's calendar
  $('#d-day').value = today.slice(0, 10);
  $('#d-month').value = today.slice(0, 7);
  performance.measure('vela:start', { start: loading, end: performance.now() });
  document.body.dataset.ready = 'true';
  if ('serviceWorker' in navigator && location.protocol !== 'file:') navigator.serviceWorker.register('sw.js').catch(() => {});
}

start().catch((error) => setStatus(String(error), true));
