// Build step: the page's texts in Hindi and Tamil, read from the desktop's catalogues
// (translations/*.ts) and from the page's own few texts (web-strings.json), written as one JSON file.
// Usage: node make-strings.mjs OUT.json CATALOGUE_FOLDER web-strings.json
import { readFileSync, writeFileSync } from 'node:fs';

const [out, folder, pageStrings] = process.argv.slice(2);

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = (text) =>
  text.replace(/&(#x?[0-9a-fA-F]+|\w+);/g, (whole, name) => {
    if (name[0] !== '#') return entities[name] ?? whole;
    return String.fromCodePoint(name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10));
  });

// A catalogue's messages, source to translation; a message left unfinished is not taken.
function catalogue(file) {
  const texts = {};
  const xml = readFileSync(file, 'utf8');
  for (const [, body] of xml.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
    const source = body.match(/<source>([\s\S]*?)<\/source>/);
    const translation = body.match(/<translation>([\s\S]*?)<\/translation>/);
    if (source && translation && translation[1] !== '') texts[unescape(source[1])] = unescape(translation[1]);
  }
  return texts;
}

const page = JSON.parse(readFileSync(pageStrings, 'utf8'));
const strings = {};
for (const lang of ['hi', 'ta']) {
  strings[lang] = { ...catalogue(`${folder}/vela-upagrahas_${lang}.ts`), ...page[lang] };
}
writeFileSync(out, JSON.stringify(strings));
