// The six wave files, synthesised from a few soft tones: each note rises in a few
// milliseconds, dies away exponentially and fades to silence, and every file is scaled to
// a peak of half the full range (-6 dBFS), so nothing clicks or sounds harsh.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tools/assetgen/assets.h"

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;
constexpr double Peak = 0.5;        // -6 dBFS
constexpr double EndFade = 0.012;   // seconds of fade at the end of every note
constexpr double FileFade = 0.004;  // and of the whole file

// Musical pitches in hertz.
constexpr double C4 = 261.63, Eb4 = 311.13, G4 = 392.00, Ab4 = 415.30;
constexpr double B3 = 246.94, C5 = 523.25, E5 = 659.25, G5 = 783.99;
constexpr double C6 = 1046.50, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98, B5 = 987.77;

// Relative strengths of the harmonics 1, 2, 3, ...; fewer and weaker ones sound softer.
struct Timbre {
  double partials[6];
};
constexpr Timbre Pure = {{1.0, 0.0, 0.0, 0.0, 0.0, 0.0}};
constexpr Timbre Wood = {{1.0, 0.35, 0.12, 0.05, 0.0, 0.0}};
constexpr Timbre Bell = {{1.0, 0.0, 0.25, 0.0, 0.08, 0.0}};
constexpr Timbre Horn = {{1.0, 0.45, 0.28, 0.15, 0.08, 0.04}};
constexpr Timbre Flute = {{1.0, 0.18, 0.05, 0.0, 0.0, 0.0}};

struct Note {
  double start;   // seconds
  double length;  // seconds, including the fade at its end
  double pitch;   // hertz at the start
  double glide;   // hertz at the end (0: no glide)
  double level;   // before the file is scaled to its peak
  double attack;  // seconds
  double decay;   // seconds for the level to fall to 1/e
  const Timbre* timbre;
  double vibrato;  // depth as a fraction of the pitch, at 5.5 Hz
};

struct Sound {
  const char* name;
  std::vector<Note> notes;
};

// The player's tap: one short wooden knock.
// The computer's reply: two round notes stepping down.
// A taken box: a bright two-note chime.
// The start of a game: a rising arpeggio.
// A win: a rising call and a held major chord.
// A loss: a falling minor phrase that settles low.
const std::vector<Sound>& Sounds() {
  static const std::vector<Sound> sounds = {
      {"player", {{0.0, 0.12, 880.0, 800.0, 1.0, 0.002, 0.030, &Wood, 0.0}}},
      {"computer",
       {{0.0, 0.14, E6, 0.0, 1.0, 0.004, 0.050, &Flute, 0.0},
        {0.09, 0.20, B5, 0.0, 1.0, 0.004, 0.070, &Flute, 0.0}}},
      {"box",
       {{0.0, 0.40, G5, 0.0, 1.0, 0.003, 0.140, &Bell, 0.0},
        {0.06, 0.40, D6, 0.0, 0.8, 0.003, 0.140, &Bell, 0.0},
        {0.06, 0.36, G6, 0.0, 0.25, 0.003, 0.080, &Pure, 0.0}}},
      {"start",
       {{0.00, 0.26, C5, 0.0, 0.9, 0.006, 0.120, &Wood, 0.0},
        {0.11, 0.26, E5, 0.0, 0.9, 0.006, 0.120, &Wood, 0.0},
        {0.22, 0.26, G5, 0.0, 0.9, 0.006, 0.120, &Wood, 0.0},
        {0.33, 0.42, C6, 0.0, 1.0, 0.006, 0.200, &Wood, 0.0}}},
      {"win",
       {{0.00, 0.16, G4, 0.0, 0.8, 0.010, 0.200, &Horn, 0.0},
        {0.13, 0.16, C5, 0.0, 0.8, 0.010, 0.200, &Horn, 0.0},
        {0.26, 0.16, E5, 0.0, 0.8, 0.010, 0.200, &Horn, 0.0},
        {0.39, 0.85, G5, 0.0, 0.9, 0.015, 0.600, &Horn, 0.004},
        {0.39, 0.85, C5, 0.0, 0.6, 0.015, 0.600, &Horn, 0.004},
        {0.39, 0.85, E5, 0.0, 0.6, 0.015, 0.600, &Horn, 0.004},
        {0.39, 0.85, C6, 0.0, 0.4, 0.015, 0.500, &Flute, 0.004}}},
      {"lose",
       {{0.00, 0.26, G4, 0.0, 0.9, 0.015, 0.300, &Flute, 0.0},
        {0.24, 0.26, Eb4, 0.0, 0.9, 0.015, 0.300, &Flute, 0.0},
        {0.48, 0.26, C4, 0.0, 0.9, 0.015, 0.300, &Flute, 0.0},
        {0.72, 0.60, B3, B3 * 0.985, 1.0, 0.020, 0.450, &Flute, 0.003},
        {0.72, 0.60, Ab4 / 2, 0.0, 0.35, 0.020, 0.400, &Pure, 0.0}}},
  };
  return sounds;
}

double Envelope(const Note& note, double t) {
  double level = std::exp(-t / note.decay);
  if (t < note.attack) level *= 0.5 - 0.5 * std::cos(Pi * t / note.attack);
  const double left = note.length - t;
  if (left < EndFade) level *= 0.5 - 0.5 * std::cos(Pi * std::max(left, 0.0) / EndFade);
  return level;
}

std::vector<double> Render(const Sound& sound) {
  double length = 0;
  for (const Note& note : sound.notes) length = std::max(length, note.start + note.length);
  std::vector<double> mix(static_cast<size_t>(length * Rate) + 1, 0.0);
  for (const Note& note : sound.notes) {
    const size_t first = static_cast<size_t>(note.start * Rate);
    const size_t count = static_cast<size_t>(note.length * Rate);
    double phase = 0;  // in cycles of the fundamental, kept continuous through glide and vibrato
    for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
      const double t = static_cast<double>(i) / Rate;
      const double along = t / note.length;
      double pitch = note.glide > 0 ? note.pitch + (note.glide - note.pitch) * along : note.pitch;
      pitch *= 1.0 + note.vibrato * std::sin(2 * Pi * 5.5 * t);
      double value = 0;
      for (int h = 0; h < 6; ++h)
        if (note.timbre->partials[h] > 0 && pitch * (h + 1) < Rate / 2.5)
          value += note.timbre->partials[h] * std::sin(2 * Pi * (h + 1) * phase);
      mix[first + i] += note.level * Envelope(note, t) * value;
      phase += pitch / Rate;
    }
  }
  return mix;
}

// Removes any offset, fades the ends and scales to the peak, as 16-bit samples.
std::vector<int16_t> Finish(std::vector<double> mix) {
  double mean = 0;
  for (double v : mix) mean += v;
  mean /= static_cast<double>(mix.size());
  const size_t fade = static_cast<size_t>(FileFade * Rate);
  double peak = 0;
  for (size_t i = 0; i < mix.size(); ++i) {
    mix[i] -= mean;
    const size_t edge = std::min(i, mix.size() - 1 - i);
    if (edge < fade)
      mix[i] *= 0.5 - 0.5 * std::cos(Pi * static_cast<double>(edge) / static_cast<double>(fade));
    peak = std::max(peak, std::fabs(mix[i]));
  }
  std::vector<int16_t> samples(mix.size());
  for (size_t i = 0; i < mix.size(); ++i)
    samples[i] = static_cast<int16_t>(std::lround(mix[i] / peak * Peak * 32767.0));
  return samples;
}

void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLE(out, 36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLE(out, 16, 4);        // format chunk size
  PutLE(out, 1, 2);         // PCM
  PutLE(out, 1, 2);         // mono
  PutLE(out, Rate, 4);      // samples per second
  PutLE(out, Rate * 2, 4);  // bytes per second
  PutLE(out, 2, 2);         // bytes per frame
  PutLE(out, 16, 2);        // bits per sample
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLE(out, dataBytes, 4);
  for (int16_t s : samples) PutLE(out, static_cast<uint16_t>(s), 2);

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

bool WriteSounds(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  bool written = true;
  for (const Sound& sound : Sounds())
    written = WriteWave(folder + "/" + sound.name + ".wav", Finish(Render(sound))) && written;
  return written;
}
