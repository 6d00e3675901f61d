// Inside the platform only: what the help viewer does when the desktop cannot show its
// page. The layers above hand it a way to tell the player.
#pragma once

#include <string>

// Called with the page's desktop path, on any thread, when no browser could show it: with
// the name of the browser that failed, or an empty one when none was found.
void SetHelpNotShownHook(void (*hook)(const std::string& page, const std::string& browser));
