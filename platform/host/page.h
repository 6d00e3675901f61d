// Inside the host only, on a web page: the page's shape, which the screen follows.
#pragma once

// Whether the page is wider than tall.
bool PageLandscape();
// The screen turned: the page's shape is looked at again, as it may have changed meanwhile.
void PageScreenTurned();
