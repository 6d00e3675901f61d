// The desktop has no page to hide: its endings come to the program as a close.
#include "platform/emulator.h"

void EmulatorSetPageHiddenHook(void (*)()) {}
