// The help page F1 opens: an HTML5 document in res/ that names every key, every skin and
// every command, and whose every picture lies beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "tests/support/temp_config.h"

namespace {

const std::string Res = MARLIX_RES_DIR;
const std::string Page = ReadFileText(Res + "/Marlix Pentro.htm");

TEST(HelpPage, IsAnHtmlDocumentNamingEveryKeySkinAndCommand) {
  ASSERT_FALSE(Page.empty()) << "no help page in " << Res;
  EXPECT_EQ(Page.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
  EXPECT_EQ(Page.substr(Page.size() - 8), "</html>\n");
  for (const std::string key : {"Ctrl+N", "Ctrl+O", "Ctrl+A", "Ctrl+Q", "F1", "F2"})
    EXPECT_NE(Page.find("<kbd>" + key + "</kbd>"), std::string::npos) << key;
  for (const std::string name : {"Default", "Skin1", "Skin2", "Skin3", "Skin4", "Skin5"})
    EXPECT_NE(Page.find("<b>" + name + "</b>"), std::string::npos) << name;
  for (const char* text : {"<meta charset=\"utf-8\">", "New Game", "Options", "About", "Exit", "Play sounds",
                           "YOU", "CPU", "marlix-pentro/registry.reg", "XDG_CONFIG_HOME"})
    EXPECT_NE(Page.find(text), std::string::npos) << text;
}

// Every image the page loads, by <img src="..."> or CSS url(...), is a file beside it: a
// picture of each skin and the three sprite sheets over them.
TEST(HelpPage, EveryPictureLiesBesideIt) {
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
