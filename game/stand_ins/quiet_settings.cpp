// The quiet stand-in for the settings (settings/): sounds are off.
#include <cstdint>

#include "game/effects.h"

int32_t Sound = 0;
