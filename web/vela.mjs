// The reading core as an ES module: every call takes what the command line takes and answers what
// it prints, computed by the WebAssembly module (vela-core.wasm). Nothing is computed here.
import createVelaCore from './vela-core.js';

const inNode = typeof process === 'object' && process.versions?.node !== undefined;

// A refusal: the core's message (status 1, as the command line exits 1) or a request the command
// line would refuse as a usage error (status 2), with the request's field at fault where one is.
export class VelaRefusal extends Error {
  constructor(message, status, field) {
    super(message);
    this.name = 'VelaRefusal';
    this.status = status;
    this.field = field || undefined;
  }
}

// The module's bytes: fetched (and compiled while they arrive) in a browser, read from the
// folder of this file under Node.
async function instantiate(imports, wasmUrl) {
  if (inNode) {
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.instantiate(await readFile(wasmUrl), imports);
  }
  return WebAssembly.instantiateStreaming(fetch(wasmUrl), imports);
}

class Vela {
  #core;
  #encoder = new TextEncoder();
  #decoder = new TextDecoder();

  constructor(core) {
    this.#core = core;
  }

  #call(method, request = {}, bytes = new Uint8Array()) {
    const core = this.#core;
    const text = this.#encoder.encode(JSON.stringify(request));
    const names = this.#encoder.encode(method);
    const block = core._malloc(names.length + text.length + bytes.length + 2);
    core.HEAPU8.set(names, block);
    core.HEAPU8[block + names.length] = 0;
    const requestAt = block + names.length + 1;
    core.HEAPU8.set(text, requestAt);
    core.HEAPU8[requestAt + text.length] = 0;
    const bytesAt = requestAt + text.length + 1;
    core.HEAPU8.set(bytes, bytesAt);
    let status;
    try {
      status = core._VelaCall(block, requestAt, bytesAt, bytes.length);
    } finally {
      core._free(block);
    }
    const at = core._VelaAnswerBytes();
    const answer = core.HEAPU8.subarray(at, at + core._VelaAnswerSize());  // until the next call
    if (status !== 0) {
      throw new VelaRefusal(this.#decoder.decode(answer), status, core.UTF8ToString(core._VelaAnswerField()));
    }
    return answer;
  }

  #text(method, request, bytes) {
    return this.#decoder.decode(this.#call(method, request, bytes));
  }

  #json(method, request, bytes) {
    return JSON.parse(this.#text(method, request, bytes));
  }

  reading(request) { return this.#json('reading', request); }
  // The reading's JSON text, byte for byte the command line's line, for a caller that keeps or
  // sends it rather than reading it (JSON.parse costs more than the reading itself).
  readingText(request) { return this.#text('reading', request); }
  // The command line's text in the request's language: the report, or with `working` the working.
  reportText(request) { return this.#text('reading', { ...request, text: true }); }
  compare(request) { return this.#json('reading', { ...request, compare: true }); }
  validate(request) { return this.#json('validate', request); }
  day(request) { return this.#json('day', request); }
  month(request) { return this.#json('month', request); }
  monthCsv(request) { return this.#text('month', { ...request, csv: true }); }
  // The day's and the month's sheets as the command line prints them, in the request's language.
  dayText(request) { return this.#text('day', { ...request, text: true }); }
  monthText(request) { return this.#text('month', { ...request, text: true }); }
  profiles(request = {}) { return this.#json('profiles', request); }
  zones() { return this.#json('zones', {}); }
  about() { return this.#json('about', {}); }
  save(request, kind) { return this.#call('save', { ...request, kind }).slice(); }
  // The reading of a file; with `form: true`, { form, secondsOfArc, reading }: the form's notations
  // (28N37, 77E13, ...) to fill the form again, and whether the file's place has seconds of arc.
  open(bytes, fileName, request = {}) { return this.#json('open', { ...request, fileName }, bytes); }
  // The command line's text for a file (the report, or with `working` the working), as reportText.
  openText(bytes, fileName, request = {}) { return this.#text('open', { ...request, fileName, text: true }, bytes); }

  // The core alone, for timing: the calls of readingText, each request already in the module's
  // memory and each answer left there; answers the milliseconds they took.
  timeCore(requests) {
    const core = this.#core;
    const blocks = requests.map((request) => {
      const text = this.#encoder.encode(`reading\0${JSON.stringify(request)}\0`);
      const block = core._malloc(text.length);
      core.HEAPU8.set(text, block);
      return block;
    });
    const started = performance.now();
    for (const block of blocks) core._VelaCall(block, block + 8, 0, 0);
    const elapsed = performance.now() - started;
    blocks.forEach((block) => core._free(block));
    return elapsed;
  }

  // The precise profile's ephemeris files (sepl_18.se1, semo_18.se1, seleapsec.txt, ...), given
  // once before the first precise reading: without them the library's own Moshier series answers.
  loadEphemeris(files) {
    const fs = this.#core.FS;
    const folder = '/ephe';
    if (!fs.analyzePath(folder).exists) fs.mkdir(folder);
    for (const [name, bytes] of Object.entries(files)) fs.writeFile(`${folder}/${name}`, bytes);
    // The folder set again: the library opens its files anew.
    const core = this.#core;
    const size = core.lengthBytesUTF8(folder) + 1;
    const text = core._malloc(size);
    core.stringToUTF8(folder, text, size);
    core._VelaSetEphemerisFolder(text);
    core._free(text);
  }
}

// Loads the module: `wasmUrl` is where vela-core.wasm is (beside this file unless said).
export async function loadVela({ wasmUrl = new URL('./vela-core.wasm', import.meta.url) } = {}) {
  const core = await createVelaCore({
    instantiateWasm(imports, receive) {
      instantiate(imports, wasmUrl).then((result) => receive(result.instance));
      return {};
    },
  });
  return new Vela(core);
}
