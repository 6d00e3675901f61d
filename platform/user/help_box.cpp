// The help viewer's word when the desktop could not show its page: a message box over the
// program, so the player can open the page by hand.
#include <string>

#include "host/path.h"
#include "user/msgbox.h"
#include "user/window.h"

// Captioned with the program's title; the path stays whole on its line: its spaces do not
// break.
void TellHelpNotShown(const std::string& page, const std::string& browser) {
  HWND program = ProgramWindow();
  std::u16string path = DeviceFromUtf8(page);
  for (char16_t& c : path)
    if (c == u' ') c = u'\u00A0';
  const std::u16string why = browser.empty()
                                 ? u"no web browser was found to show it"
                                 : u"the web browser (" + DeviceFromUtf8(browser) + u") failed to start";
  const std::u16string text = u"The help page could not be opened: " + why + u". The page is here:\n" + path;
  MessageBoxW(program, text.c_str(), program != nullptr ? program->title.c_str() : u"Help", MB_OK);
}
