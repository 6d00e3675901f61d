// What the asset generator writes; each returns false when a file could not be written.
#pragma once

#include <string>

bool WriteSkins(const std::string& folder);
bool WriteSounds(const std::string& folder);
