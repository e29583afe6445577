// florinet's command line: each option in both spellings, bad values, unknown options and stray
// arguments.
#include "app/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using app::game_options;

bool parse(std::vector<const char*> args, game_options& o, std::string& error) {
  args.insert(args.begin(), "florinet");
  return app::parse_game_options(int(args.size()), args.data(), o, error);
}

TEST(GameOptions, EachOptionInBothSpellings) {
  game_options o;
  std::string error;
  ASSERT_TRUE(parse({}, o, error));
  EXPECT_FALSE(o.help || o.version || o.fullscreen);
  EXPECT_EQ(o.scale, 0);
  EXPECT_EQ(o.data_dir, "");

  ASSERT_TRUE(parse({"--fullscreen", "--scale", "3", "--data-dir", "/tmp/x y"}, o, error)) << error;
  EXPECT_TRUE(o.fullscreen);
  EXPECT_EQ(o.scale, 3);
  EXPECT_EQ(o.data_dir, "/tmp/x y");

  o = {};
  ASSERT_TRUE(parse({"--scale=10", "--data-dir=saves", "--help", "--version"}, o, error)) << error;
  EXPECT_EQ(o.scale, 10);
  EXPECT_EQ(o.data_dir, "saves");
  EXPECT_TRUE(o.help && o.version);

  o = {};
  ASSERT_TRUE(parse({"-h", "--scale", "2", "--scale=1"}, o, error)) << error;
  EXPECT_TRUE(o.help);
  EXPECT_EQ(o.scale, 1) << "the last one counts";
  // A value that looks like an option is still the value asked for.
  ASSERT_TRUE(parse({"--data-dir", "--fullscreen"}, o, error));
  EXPECT_EQ(o.data_dir, "--fullscreen");
}

TEST(GameOptions, BadValuesAreRefusedWithAReason) {
  struct bad {
    std::vector<const char*> args;
    const char* says;
  };
  const std::vector<bad> cases = {
      {{"--scale"}, "--scale needs a value"},
      {{"--scale", "0"}, "from 1 to 10, not '0'"},
      {{"--scale", "11"}, "not '11'"},
      {{"--scale", "-2"}, "not '-2'"},
      {{"--scale", "2x"}, "not '2x'"},
      {{"--scale", " 2"}, "not ' 2'"},
      {{"--scale="}, "not ''"},
      {{"--scale", "99999999999999999999"}, "not '9"},
      {{"--data-dir"}, "--data-dir needs a value"},
      {{"--data-dir="}, "--data-dir wants a folder"},
      {{"--fullscreen=1"}, "--fullscreen takes no value"},
      {{"--help=me"}, "--help takes no value"},
      {{"--full"}, "unknown option --full"},
      {{"-f"}, "unknown option -f"},
      {{"--"}, "unknown option --"},
      {{"--Scale", "2"}, "unknown option --Scale"},
      {{"saves"}, "unexpected argument 'saves'"},
      {{"--fullscreen", "extra"}, "unexpected argument 'extra'"},
  };
  for (const bad& c : cases) {
    game_options o;
    std::string error;
    EXPECT_FALSE(parse(c.args, o, error)) << c.args[0];
    EXPECT_NE(error.find(c.says), std::string::npos) << c.args[0] << ": " << error;
  }
}

}  // namespace
