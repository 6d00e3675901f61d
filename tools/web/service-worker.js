// The web version's service worker: keeps every file of one build (the page, the program,
// its data, the help page and its pictures) for play without the network. The cache is
// named by the build, so one build's files never mix with another's: a new build is
// fetched whole beside the one in use and then takes over, the old build's cache going;
// a page starts on one build throughout (index.html), so the next start plays the new. tools/web/service-worker.sh fills in the build's name
// and its files.
'use strict';
const Build = '@BUILD@';
const Files = [@FILES@];
const Prefix = 'marlix-pentro-';
const Cache = Prefix + Build;

self.addEventListener('install', (event) => {
  // Every file fresh from the server, none from the browser's own cache of an older build.
  event.waitUntil(
    caches
      .open(Cache)
      .then((cache) => cache.addAll(Files.map((file) => new Request(encodeURI(file), { cache: 'reload' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith(Prefix) && name !== Cache).map((name) => caches.delete(name)))),
  );
});

// The page, at its start, asks which build this is, to play only a page of the same.
self.addEventListener('message', (event) => {
  if (event.data === 'build' && event.ports[0]) event.ports[0].postMessage(Build);
});

// The site's files from the build's cache (the page's address with or without its
// variables); anything else from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(
    caches
      .open(Cache)
      .then((cache) => cache.match(request, { ignoreSearch: true }))
      .then((kept) => kept || fetch(request)),
  );
});
