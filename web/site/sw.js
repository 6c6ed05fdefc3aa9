// The offline copy of the site: every file of the page is kept at the first visit and served from
// here afterwards; files fetched later (the ephemeris) are kept as they come.
const VERSION = '@VELA_SITE_VERSION@';
const CACHE = `vela-upagrahas-${VERSION}`;
// The page's files, listed by the build.
const FILES = ['./', @VELA_SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const kept = await cache.match(request, { ignoreSearch: true });
    if (kept) return kept;
    const answer = await fetch(request);
    if (answer.ok) cache.put(request, answer.clone());
    return answer;
  }));
});
