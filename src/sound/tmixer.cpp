#include "sound/tmixer.h"

namespace game {

TMixer::TMixer(bool designing) : designing_(designing) {
  MixConfig cfg;  // size 10, nothing else asked: MIXER.INI or the defaults decide
  session_ = MixerInit(&cfg);
  if (!session_) throw EMixerError("Initialization failed (MixerInit)");
  params_.size = 24;
  params_.session = session_;
}

TMixer::~TMixer() {
  try {
    SetChannels(0);
  } catch (const EMixerError&) {
  }
  try {
    SetActivated(false);
  } catch (const EMixerError&) {
  }
  try {
    MixerCloseSession(session_);
  } catch (const EMixerError&) {
  }
}

void TMixer::SetActivated(bool on) {
  if (on == activated_) return;
  if (!designing_) MixerActivate(session_, on);
  activated_ = on;
}

void TMixer::SetChannels(std::uint8_t mask) {
  if (mask == channels_) return;
  if (!designing_) {
    if (mask == 255) {
      MixerOpenChannel(session_, 0, 1);
    } else if (mask == 0) {
      MixerCloseChannel(session_, 0, 1);
    } else {
      for (int c = 0; c < kMixChannels; ++c) {
        const bool was = channels_ >> c & 1;
        const bool now = mask >> c & 1;
        if (now && !was) MixerOpenChannel(session_, c, 0);
        if (!now && was) MixerCloseChannel(session_, c, 0);
      }
    }
  }
  channels_ = mask;
}

MixWave* TMixer::OpenWave(const std::string& file) {
  return MixerOpenWave(session_, file);
}

void TMixer::FreeWave(MixWave* wave) {
  MixerFreeWave(session_, wave);
}

void TMixer::Play(int channel, MixWave* wave, std::uint32_t flags, std::uint16_t loops,
                  MixListener* notify) {
  params_.channel = channel;
  params_.wave = wave;
  params_.flags = flags;
  params_.loops = loops;
  params_.notify = notify;
  MixerPlay(&params_);
}

}  // namespace game
