// Inside the host only: what the desktop asks of the program from outside it.
#pragma once

// From now on the desktop's requests come as events, which wake a waiting program: on the
// desktop SIGTERM, SIGINT and SIGHUP as SDL's quit event; on a web page, the page turning
// between upright and sideways as the device's turn key.
void WatchDesktop();
