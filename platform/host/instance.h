// Names known to the user's other processes in the same desktop session, so a second start
// of the program finds the first (the program's window, named by its class and title) and
// asks it to bring its desktop window to the front.
#pragma once

#include <string>

// Answers for the name on behalf of `owner` until it stops; false when another process
// answers for it already (and stays the one found) or no answer can be given.
bool InstanceListen(const void* owner, const std::string& name);
void InstanceStopListening(const void* owner);
// Whether another process answers for the name; and asking it to raise its desktop window.
bool InstanceAnswers(const std::string& name);
bool InstanceAskToRaise(const std::string& name);
