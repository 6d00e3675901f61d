// The help page F1 opens: a whole HTML5 document in res/ that names every key and every skin,
// and whose every picture lies beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "tests/support/temp_config.h"

namespace {

const std::string Res = MARLIX_RES_DIR;
const std::string Page = ReadFileText(Res + "/Marlix Pentro.htm");

size_t Count(const std::string& what) {
  size_t count = 0;
  for (size_t at = Page.find(what); at != std::string::npos; at = Page.find(what, at + what.size())) ++count;
  return count;
}

TEST(HelpPage, IsAWholeHtmlDocument) {
  ASSERT_FALSE(Page.empty()) << "no help page in " << Res;
  EXPECT_EQ(Page.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
  for (const char* part : {"<meta charset=\"utf-8\">", "<style>", "</head>", "<body>", "</body>"})
    EXPECT_EQ(Count(part), 1u) << part;
  EXPECT_LT(Page.find("<title>"), Page.find("</head>"));
  EXPECT_EQ(Page.substr(Page.size() - 8), "</html>\n");
  // Elements the generator opens in pieces are all closed again.
  for (const std::string element : {"section", "div", "table", "figure", "ul", "p"})
    EXPECT_EQ(Count("<" + element + ">") + Count("<" + element + " "), Count("</" + element + ">"))
        << element;
}

TEST(HelpPage, NamesEveryKeyEverySkinAndTheScores) {
  for (const std::string key : {"Ctrl+N", "Ctrl+O", "Ctrl+A", "Ctrl+Q", "F1", "F2"})
    EXPECT_GT(Count("<kbd>" + key + "</kbd>"), 0u) << key;
  for (const std::string name : {"Default", "Skin1", "Skin2", "Skin3", "Skin4", "Skin5"})
    EXPECT_GT(Count("<b>" + name + "</b>"), 0u) << name;
  for (const char* text : {"New Game", "Options", "About", "Exit", "Play sounds", "YOU", "CPU", "49",
                           "marlix-pentro/registry.reg", "XDG_CONFIG_HOME"})
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
