// The desktop's sound output, the one place that knows SDL's audio. One output device, fed
// 16-bit mono samples at HostAudioRate by a callback on the host's own audio thread, and
// wave files decoded to that format. Each call may take as long as the sound system does
// (closing a device through a sound server can take two seconds), so the wave player makes
// them on its sound thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int HostAudioRate = 44100;

// Fills `count` samples; called on the host's audio thread while the device is open.
typedef void (*HostAudioFeed)(int16_t* samples, int count);

// Starts the sound system if it is not running: false when the machine has none.
bool HostAudioStart();
// Opens the output device, fed by `feed` from then on. A device that cannot be opened also
// ends the sound system, so the next start finds a sound server that came back.
bool HostAudioOpen(HostAudioFeed feed);
// Closes the device; the feed is not called again once this returns.
void HostAudioClose();
// Any wave file the host reads, as samples in the device's format; false when it cannot.
bool HostAudioDecodeWave(const std::string& path, std::vector<int16_t>& samples);
