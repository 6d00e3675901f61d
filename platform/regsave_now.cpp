// The registry file's replacement where the program has one thread only (the web
// version): written at once, on the caller's thread, so nothing is ever pending.
#include "platform/regfile.h"

void RegQueueSave(const RegStore& store) { RegSave(store, RegFolder()); }

bool RegSavesPending() { return false; }

void RegWaitForSaves() {}
