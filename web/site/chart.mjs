// The rasi chart as SVG, South or North Indian, from the signs and houses the core gives each body.
// Drawn on a 400 × 400 grid: at 360 px wide a label is still 12 px high.

const SIGNS = ['Aries', 'Taurus', 'Gemini', 'Cancer', 'Leo', 'Virgo', 'Libra', 'Scorpio', 'Sagittarius', 'Capricorn', 'Aquarius', 'Pisces'];

// The short names of the English chart.
const SHORT = {
  Asc: 'Asc', Sun: 'Su', Moon: 'Mo', Mars: 'Ma', Mercury: 'Me', Jupiter: 'Ju', Venus: 'Ve', Saturn: 'Sa', Rahu: 'Ra', Ketu: 'Ke',
  Kaala: 'Kal', Mrityu: 'Mri', Arthaprahaara: 'Art', Yamaghantaka: 'Yam', Gulika: 'Gul', Maandi: 'Man',
  Dhuma: 'Dhu', Vyatipata: 'Vya', Parivesha: 'Par', Indrachapa: 'Ind', Upaketu: 'Upk',
};

// South Indian: the signs stay in their cells, Aries second from the top left, going clockwise.
const SOUTH_CELLS = [[1, 0], [2, 0], [3, 0], [3, 1], [3, 2], [3, 3], [2, 3], [1, 3], [0, 3], [0, 2], [0, 1], [0, 0]];

// North Indian: the houses stay in their places, the first at the top centre, going anticlockwise;
// the centre of each house's label block, and its width.
const NORTH_HOUSES = [[200, 105, 120], [100, 45, 90], [45, 100, 60], [100, 200, 120], [45, 300, 60], [100, 355, 90],
  [200, 295, 120], [300, 355, 90], [355, 300, 60], [300, 200, 120], [355, 100, 60], [300, 45, 90]];

const escape = (text) => String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);

function shortLabel(item, lang) {
  if (lang === 'en') return SHORT[item.key] ?? item.key.slice(0, 3);
  const letters = [...new Intl.Segmenter(lang, { granularity: 'grapheme' }).segment(item.label)].map((s) => s.segment);
  return letters.slice(0, 2).join('');
}

// The labels of one box, in as many columns as they need, centred on (x, y).
function labels(items, x, y, width, lang) {
  const columns = items.length > 10 ? 3 : items.length > 4 ? 2 : 1;
  const rows = Math.ceil(items.length / columns);
  const size = columns === 3 ? 12 : 15;
  const step = size + 2;
  const colWidth = Math.min(width / columns, 44);
  return items.map((item, i) => {
    const cx = x + (((i % columns) - (columns - 1) / 2) * colWidth);
    const cy = y + ((Math.floor(i / columns) - (rows - 1) / 2) * step) + size / 3;
    const text = shortLabel(item, lang) + (item.retro ? 'ᴿ' : '');
    const kind = item.key === 'Asc' ? 'asc' : item.upagraha ? 'upagraha' : 'graha';
    return `<text x="${cx.toFixed(1)}" y="${cy.toFixed(1)}" font-size="${size}" class="${kind}"><title>${escape(item.label)}</title>${escape(text)}</text>`;
  }).join('');
}

function south(items, lang, title) {
  let body = '';
  SIGNS.forEach((sign, index) => {
    const [col, row] = SOUTH_CELLS[index];
    const x = col * 100;
    const y = row * 100;
    body += `<rect x="${x}" y="${y}" width="100" height="100" class="cell"/>`;
    body += `<text x="${x + 4}" y="${y + 14}" font-size="12" text-anchor="start" class="sign">${index + 1}</text>`;
    const here = items.filter((item) => item.sign === sign);
    if (here.some((item) => item.key === 'Asc')) body += `<line x1="${x + 78}" y1="${y}" x2="${x + 100}" y2="${y + 22}" class="asc-mark"/>`;
    body += labels(here, x + 50, y + 56, 96, lang);
  });
  body += `<text x="200" y="200" font-size="14" class="centre">${escape(title)}</text>`;
  return body;
}

function north(items, lang, ascendantSign) {
  const first = SIGNS.indexOf(ascendantSign);
  let body = '<rect x="0" y="0" width="400" height="400" class="cell"/>' +
    '<path d="M0 0L400 400M400 0L0 400M200 0L400 200L200 400L0 200Z" class="lines"/>';
  NORTH_HOUSES.forEach(([x, y, width], index) => {
    const house = index + 1;
    const signNumber = ((first + index) % 12) + 1;
    const [nx, ny] = [x + (200 - x) * 0.42, y + (200 - y) * 0.42];
    body += `<text x="${nx.toFixed(1)}" y="${(ny + 4).toFixed(1)}" font-size="12" class="sign">${signNumber}</text>`;
    body += labels(items.filter((item) => item.house === house), x, y, width, lang);
  });
  return body;
}

export function chartSvg(style, items, { lang, title, ascendantSign }) {
  const body = style === 'north' ? north(items, lang, ascendantSign) : south(items, lang, title);
  const legend = items.map((item) => `${shortLabel(item, lang)} ${item.label}`).join(', ');
  return `<svg viewBox="-2 -2 404 404" role="img" aria-labelledby="chart-title chart-desc" class="chart">` +
    `<title id="chart-title">${escape(title)}</title><desc id="chart-desc">${escape(legend)}</desc>${body}</svg>` +
    `<p class="legend">${escape(legend)}</p>`;
}
