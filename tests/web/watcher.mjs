// What goes wrong in a page, for an engine whose driver does not report it: a script the test
// server puts first into every HTML page it hands to such a browser (known by a word in its
// user agent). It notes console errors, uncaught exceptions, rejected promises and files that
// failed, in the tab's session storage so that a reload keeps them until they are read.

export const watchedAgentWord = 'MarlixPentroWatch';

const script = `<script>(function () {
  var note = function (text) {
    try {
      var list = JSON.parse(sessionStorage.getItem('marlix-errors') || '[]');
      list.push(text);
      sessionStorage.setItem('marlix-errors', JSON.stringify(list));
    } catch (e) {
      (window.marlixErrors = window.marlixErrors || []).push(text);
    }
  };
  var error = console.error;
  console.error = function () {
    note('console: ' + Array.prototype.map.call(arguments, String).join(' '));
    return error.apply(console, arguments);
  };
  addEventListener('error', function (event) {
    var target = event.target;
    if (target && target !== window && (target.src || target.href)) note('request failed: ' + (target.src || target.href));
    else note('exception: ' + (event.error && event.error.message ? event.error.message : event.message));
  }, true);
  addEventListener('unhandledrejection', function (event) {
    var reason = event.reason;
    note('exception: ' + (reason && reason.message ? reason.message : String(reason)));
  });
  var fetched = window.fetch;
  if (fetched) window.fetch = function (resource) {
    return fetched.apply(this, arguments).then(function (response) {
      if (response.status >= 400) note('HTTP ' + response.status + ': ' + response.url);
      return response;
    }, function (failure) {
      note('request failed: ' + (resource && resource.url ? resource.url : String(resource)));
      throw failure;
    });
  };
  var send = XMLHttpRequest.prototype.send;
  XMLHttpRequest.prototype.send = function () {
    this.addEventListener('loadend', function () {
      if (this.status >= 400) note('HTTP ' + this.status + ': ' + this.responseURL);
    });
    return send.apply(this, arguments);
  };
})();</script>`;

// The page with the watcher in front of every other script: right after <head> (or <html>,
// or the doctype, or at the very start).
export function withWatcher(html) {
  const text = html.toString('utf8');
  const at = /<head(\s[^>]*)?>/i.exec(text) || /<html[^>]*>/i.exec(text) || /<!doctype[^>]*>/i.exec(text);
  const cut = at ? at.index + at[0].length : 0;
  return Buffer.from(text.slice(0, cut) + script + text.slice(cut), 'utf8');
}

export const isWatched = (userAgent) => typeof userAgent === 'string' && userAgent.includes(watchedAgentWord);
