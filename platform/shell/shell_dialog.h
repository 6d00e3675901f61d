// Inside the platform only: what the shell needs of its part in dialogs (shell_dialog.cpp).
#pragma once

// Fits the dialogs made full screen to the screen below the task bar again, and puts their
// "ok" buttons back on it, after the screen turned.
void ShellLayOutDialogs();
