// The whole game on the headless driver: every sound effect the start screens play is found, byte
// for byte and in order, in the captured output stream, converted by the mixer's rules to the
// format the shipped MIXER.INI asks for.
#include <cstdio>
#include <sstream>

#include "sound/mixer.h"
#include "sound_test_util.h"

using namespace soundtest;

namespace {

Bytes read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

TEST(CaptureTest, StartScreenSoundsAreInTheCaptureByteForByte) {
  const std::string game_dir = FLORINET_GAME_DIR;
  const std::string exe = game_dir + "/florinet-headless";
  if (!std::filesystem::exists(exe) || !std::filesystem::exists(game_dir + "/dat/1.wav"))
    GTEST_SKIP() << "the program folder is not built";
  const std::string dir = temp_dir("capture");
  write_text(dir + "/script.txt", "tick 5\nclick 100 100\ntick 25\nclick 100 100\ntick 30\n");
  const std::string wav_out = dir + "/out.wav";
  const std::string cmd = "SDL_AUDIODRIVER=dummy '" + exe + "' --root '" + game_dir +
                          "' --script '" + dir + "/script.txt' --trace --audio-out '" + wav_out +
                          "' > '" + dir + "/trace.txt' 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);

  std::vector<std::string> sounds;
  std::ifstream trace(dir + "/trace.txt");
  for (std::string line; std::getline(trace, line);) {
    std::istringstream in(line);
    std::string what, slot, file;
    in >> what >> slot >> file;
    if (what == "sound") sounds.push_back(file);
  }
  ASSERT_FALSE(sounds.empty()) << "the start screens played nothing";

  // the stream's format is the session's: what the shipped MIXER.INI asks for
  Bytes out = read_file(wav_out);
  ASSERT_GE(out.size(), 44u);
  plat::AudioFormat to;
  to.channels = out[22];
  to.samples_per_sec = out[24] | out[25] << 8 | out[26] << 16;
  to.block_align = to.channels;
  to.bytes_per_sec = to.samples_per_sec * to.channels;
  Bytes stream(out.begin() + 44, out.end());

  auto at = stream.begin();
  for (const std::string& name : sounds) {
    Bytes img = read_file(game_dir + "/dat/" + name);
    ASSERT_GE(img.size(), 44u) << name;
    // the shipped waves are plain: fmt at 12, data at 36
    plat::AudioFormat from;
    from.channels = img[22];
    from.samples_per_sec = img[24] | img[25] << 8 | img[26] << 16;
    from.bits_per_sample = img[34];
    std::uint32_t n =
        img[40] | img[41] << 8 | img[42] << 16 | static_cast<std::uint32_t>(img[43]) << 24;
    Bytes want = game::MixerConvert(from, img.data() + 44, n, to);
    auto found = std::search(at, stream.end(), want.begin(), want.end());
    ASSERT_NE(found, stream.end())
        << name << " is not in the stream after byte " << (at - stream.begin());
    at = found + static_cast<long>(want.size());
  }
}

}  // namespace
