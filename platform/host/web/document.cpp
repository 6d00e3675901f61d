// Documents on a page open in a new tab of the browser: the site holds the program's res/
// folder beside the page.
#include "host/document.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(int, OpenTab, (const char* url), {
  // Without an opener the new tab cannot reach back into the game's.
  window.open(UTF8ToString(url), '_blank', 'noopener');
  return 1;
});
// clang-format on

// The path as an address relative to the page, each byte but the plain ones escaped.
std::string Address(const std::string& path) {
  static const char hex[] = "0123456789ABCDEF";
  std::string url;
  for (size_t i = path.empty() || path[0] != '/' ? 0 : 1; i < path.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(path[i]);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
        c == '_' || c == '/')
      url += static_cast<char>(c);
    else
      url += std::string{'%', hex[c >> 4], hex[c & 15]};
  }
  return url;
}

}  // namespace

// A tab opened without an opener tells the page nothing back, so `notShown` is never heard.
int HostOpenDocument(const std::string& path, void (*)(const std::string& path, const std::string& browser)) {
  return OpenTab(Address(path).c_str());
}
