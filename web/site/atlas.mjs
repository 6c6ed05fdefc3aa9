// The offline atlas: the desktop's places (atlas.json, exported at build time), loaded when the city
// box is first used, offered as the user types; a place picked fills the place boxes as the window
// fills them, and the browser's own zone data (Intl) names the place's offset at the birth date.
const MOST = 30;
let places = null;
let loading = null;

// Lower case without accents, words apart by single blanks, for matching typed letters.
const folded = (text) => text.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase().replace(/[\s,'.-]+/g, ' ').trim();

export function load() {
  loading ??= fetch('atlas.json')
    .then((answer) => (answer.ok ? answer.json() : []))
    .then((rows) => { places = rows.map((row) => ({ row, text: ` ${folded(row[0])} ${folded(row[1])}` })); })
    .catch(() => { places = []; });
  return loading;
}

// The places with a word starting with the typed text (and the words after it), largest first;
// none below two letters.
export function find(typed) {
  const wanted = ` ${folded(typed)}`;
  if (!places || [...wanted].length < 3) return [];
  const found = [];
  for (const place of places) {
    if (place.text.includes(wanted)) found.push(place.row);
    if (found.length === MOST) break;
  }
  return found;
}

export function byLabel(label) {
  return places?.find((place) => place.row[0] === label)?.row ?? null;
}

// The place's offset from Greenwich on the clock at the given date and time, as the browser's zone
// data writes it ("+05:30"), with the zone's name; null where the browser does not know the zone.
export function offsetAt(zone, date, time) {
  const [year, month, day] = date.split('-').map(Number);
  const [hour, minute] = (time || '12:00').split(':').map(Number);
  if (!year || !month || !day || Number.isNaN(hour) || Number.isNaN(minute)) return null;
  try {
    const parts = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' })
      .formatToParts(new Date(Date.UTC(year, month - 1, day, hour, minute)));
    const name = parts.find((part) => part.type === 'timeZoneName')?.value ?? '';
    const offset = name === 'GMT' ? '+00:00' : name.replace(/^GMT/, '');
    return /^[+-]\d\d:\d\d(:\d\d)?$/.test(offset) ? offset : null;
  } catch {
    return null;
  }
}
