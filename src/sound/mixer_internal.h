// Shared between the mixer's own files: message texts and wave loading.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "sound/mixer.h"

namespace game::mixmsg {

inline constexpr const char* kNoMemory =
    "Unable to allocate memory for waveform data.  Try making more memory available by closing "
    "other "
    "applications.";

}  // namespace game::mixmsg

namespace game {

// Parses a RIFF WAVE image, checks it and converts it to `to`; the wave's name is `name`.
// Throws EMixerError; allocates nothing that outlives a failure.
MixWave* mixer_load_wave(const std::uint8_t* image, std::size_t size, const plat::AudioFormat& to,
                         const std::string& name);

}  // namespace game
