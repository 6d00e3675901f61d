// The layout of the current screen: chosen from the screen size at start-up and after
// every size change, and the mapping of a tap to the line under it.
#pragma once

#include <cstdint>

#include "view/layout_table.h"

extern int32_t ResolutionId;      // 0-5
extern BoardMetrics BoardLayout;  // the metrics of ResolutionId

void DetectLayout();
// The cell index of the line under a client-area point, or -1.
int HitTestLine(int32_t x, int32_t y);
