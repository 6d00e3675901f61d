// What the web's C library lacks of what the platform calls. A page never ends the program
// the quick way (no display can be lost under it), so nothing runs at a quick exit.
#include <cstdlib>

extern "C" int at_quick_exit(void (*)()) { return 0; }
