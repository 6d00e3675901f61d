// A page has no other copies to find: each tab plays a copy of its own, and two tabs share
// the saved game, the last to save having the last word.
#include "host/instance.h"

#include "platform/emulator.h"

bool InstanceListen(const void*, const std::string&) { return true; }

void InstanceStopListening(const void*) {}

bool InstanceAnswers(const std::string&) { return false; }

bool InstanceAskToRaise(const std::string&) { return false; }

int EmulatorRaiseRequests() { return 0; }
