// The help page F1 opens, in res/: every picture it shows lies beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "tests/support/temp_config.h"

namespace {

const std::string Res = MARLIX_RES_DIR;
const std::string Page = ReadFileText(Res + "/Marlix Pentro.htm");

// Every image the page loads, by <img src="..."> or CSS url(...), is a file beside it: a
// picture of each skin and the three sprite sheets over them.
TEST(HelpPage, EveryPictureLiesBesideIt) {
  ASSERT_FALSE(Page.empty()) << "no help page in " << Res;
  std::set<std::string> images;
  const std::regex link(R"((?:src="|url\()([^")]*))");
  for (std::sregex_iterator i(Page.begin(), Page.end(), link), end; i != end; ++i) images.insert((*i)[1]);
  int backgrounds = 0;
  for (const std::string& image : images) {
    EXPECT_TRUE(image.find('/') == std::string::npos && std::filesystem::is_regular_file(Res + "/" + image))
        << image << " is not a file beside the page";
    backgrounds += image.find("_background_") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(backgrounds, 6);
  EXPECT_GE(images.size(), 9u);
}

}  // namespace
