// The reading core's API: the command line's inputs in, its JSON out (docs/web.md).

/** A birth as the command line's reading flags give it. */
export interface BirthRequest {
  name: string;
  /** YYYY-MM-DD */
  date: string;
  /** H:MM or HH:MM on the zone's 24-hour clock (or give ghatis) */
  time?: string;
  /** ghatis and palas after sunrise, GG.PP */
  ghatis?: string;
  /** a row of zones() */
  zone?: string;
  /** +HH:MM or +HH:MM:SS east of Greenwich, instead of a zone row */
  offset?: string;
  /** 28N37 */
  lat: string;
  /** 77E13 */
  lon: string;
  dst?: boolean;
  city: string;
  state: string;
  country: string;
}

/** The conventions and output options the command line takes beside a birth. */
export interface Options {
  /** a profile name of profiles() */
  profile?: string;
  /** AXIS=VALUE settings on top of the profile */
  conventions?: string[];
  /** en, hi or ta: the names in that language beside the English ones */
  lang?: 'en' | 'hi' | 'ta';
}

export interface ReadingRequest extends BirthRequest, Options {
  grahas?: boolean;
  trueNode?: boolean;
  working?: boolean;
}

export interface PlaceRequest extends Options {
  lat: string;
  lon: string;
  zone: string;
  dst?: boolean;
}

/** The command line's JSON objects, as it prints them (docs/cli.md describes their fields). */
export type ReadingJson = Record<string, unknown>;

export interface FieldMessage {
  /** the request's field at fault (name, date, time, zone, offset, lat, lon, dst, city, state, country, ghatis), or null */
  field: string | null;
  /** the window's message */
  text: string;
}

export interface About {
  version: string;
  licence: string;
  licenceNote: string;
  /** where the corresponding source is */
  source: string;
  ephemeris: { name: string; version: string; licence: string };
}

export type FileKind = '.ved' | '.vela' | '.jhd';

export class VelaRefusal extends Error {
  /** 1: the core refused (its message); 2: the command line would call it a usage error */
  status: 1 | 2;
  field?: string;
}

export interface Vela {
  reading(request: ReadingRequest): ReadingJson;
  /** the reading's JSON text, byte for byte the command line's --json line */
  readingText(request: ReadingRequest): string;
  /** the command line's text output in the request's language: the report, or with `working` the working */
  reportText(request: ReadingRequest): string;
  compare(request: ReadingRequest): ReadingJson;
  validate(request: BirthRequest & Options): FieldMessage | null;
  day(request: PlaceRequest & { day: string; choghadiya?: boolean }): ReadingJson;
  month(request: PlaceRequest & { month: string }): ReadingJson;
  monthCsv(request: PlaceRequest & { month: string }): string;
  /** the day's sheet as the command line prints it with --day (and --lang) */
  dayText(request: PlaceRequest & { day: string; choghadiya?: boolean }): string;
  /** the month's sheet as the command line prints it with --month (and --lang) */
  monthText(request: PlaceRequest & { month: string }): string;
  profiles(request?: { lang?: 'en' | 'hi' | 'ta' }): {
    profiles: { name: string; description: string; axes: Record<string, string> }[];
    axes: Record<string, string[]>;
  };
  zones(): { row: number; text: string; offset: string }[];
  about(): About;
  /** the bytes --save writes */
  save(request: BirthRequest & Options, kind: FileKind): Uint8Array;
  /** the reading of a saved file's bytes, as the command line gives it for the file */
  open(bytes: Uint8Array, fileName: string, request?: ReadingRequest | Options): ReadingJson;
  /** the command line's text for a saved file's reading: the report, or with `working` the working */
  openText(bytes: Uint8Array, fileName: string, request?: ReadingRequest | Options): string;
  /** with `form`: the reading beside the form's notations (28N37, 77E13, ...) that fill the form again;
   * `secondsOfArc` when the file's place has seconds of arc, which the form cannot hold */
  open(bytes: Uint8Array, fileName: string, request: (ReadingRequest | Options) & { form: true }): {
    form: BirthRequest & { zone?: string; offset?: string; dst: boolean };
    secondsOfArc: boolean;
    reading: ReadingJson;
  };
  /** the milliseconds the module's own calls take for these readings, without the texts' way in and out (benchmarks) */
  timeCore(requests: ReadingRequest[]): number;
  /** the ephemeris files by name, before the first precise reading */
  loadEphemeris(files: Record<string, Uint8Array>): void;
}

export function loadVela(options?: { wasmUrl?: string | URL }): Promise<Vela>;
