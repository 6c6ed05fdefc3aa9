// A static server for the built site on the loopback address, and Debian's Chromium to visit it;
// the browser tests and the benchmark share them.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { existsSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

const TYPES = { '.html': 'text/html; charset=utf-8', '.mjs': 'text/javascript', '.js': 'text/javascript',
  '.css': 'text/css', '.json': 'application/json', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json' };

export const CHROMIUM = process.env.VELA_CHROMIUM || '/usr/bin/chromium';

// Serves `folder` on 127.0.0.1 at a free port; `sent` counts the bytes of each path served.
export async function serve(folder) {
  const sent = [];
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    try {
      // As a static host answers: a copy the browser holds is confirmed (304), not sent again.
      const modified = (await stat(file)).mtime.toUTCString();
      if (request.headers['if-modified-since'] === modified) {
        response.writeHead(304).end();
        return;
      }
      const body = await readFile(file);
      sent.push({ path, bytes: body.length });
      response.writeHead(200, { 'content-type': TYPES[extname(file)] ?? 'application/octet-stream',
        'cache-control': 'no-cache', 'last-modified': modified });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, sent, close: () => new Promise((r) => server.close(r)) };
}

export function haveChromium() {
  return existsSync(CHROMIUM);
}

export function launch() {
  // As root Chromium needs --no-sandbox; nothing is downloaded: Debian's binary is used.
  return chromium.launch({ executablePath: CHROMIUM, args: ['--no-sandbox', '--disable-gpu'] });
}
