// Documents shown by the desktop's own viewer.
#pragma once

#include <string>

// Opens the document at a desktop path with the desktop's viewer (xdg-open), as a process of
// its own whose output goes nowhere near the program's; returns its process id, or 0 when it
// could not start. When the viewer cannot show the page `notShown` (if not null) hears of it
// on the program's thread, when the program next takes its events, with the path and the
// name of the browser that failed to start (empty when there is no xdg-open or no browser
// behind it).
int HostOpenDocument(const std::string& path,
                     void (*notShown)(const std::string& path, const std::string& browser));
