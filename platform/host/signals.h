// Inside the host only: requests to end the program, as the desktop sends them.
#pragma once

// From now on SIGTERM, SIGINT and SIGHUP come as SDL's quit event, which wakes a waiting
// program.
void WatchEndRequests();
