// The mouse pointer over the desktop window: the desktop's own arrow, or a picture of the
// platform's.
#pragma once

#include <cstdint>

struct HostCursor;

// A picture of two colours, `width` a multiple of 8, a bit a pixel from the left: black where
// `data` is set, white where only `mask` is, clear elsewhere. Null when it cannot be made.
HostCursor* HostCursorNew(const uint8_t* data, const uint8_t* mask, int width, int height, int hotX,
                          int hotY);
// Shows a cursor of the platform's, or the desktop's arrow for null.
void HostCursorShow(HostCursor* cursor);
