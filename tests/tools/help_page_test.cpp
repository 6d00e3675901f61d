// The help page F1 opens: a whole HTML5 document in res/ that names every key and every skin,
// and whose every picture lies beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path Res = MARLIX_RES_DIR;

std::string Page() {
  std::ifstream in(Res / "Marlix Pentro.htm", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
  return count;
}

// Every image the page loads: <img src="..."> and CSS url(...).
std::set<std::string> Images(const std::string& page) {
  std::set<std::string> images;
  const struct {
    const char* open;
    char close;
  } forms[] = {{"src=\"", '"'}, {"url(", ')'}};
  for (const auto& form : forms)
    for (size_t at = page.find(form.open); at != std::string::npos; at = page.find(form.open, at + 1)) {
      const size_t from = at + std::string(form.open).size();
      images.insert(page.substr(from, page.find(form.close, from) - from));
    }
  return images;
}

TEST(HelpPage, IsAWholeHtmlDocument) {
  const std::string page = Page();
  ASSERT_FALSE(page.empty()) << "no help page in " << Res;
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
  for (const char* part : {"<meta charset=\"utf-8\">", "<style>", "</head>", "<body>", "</body>"})
    EXPECT_EQ(Count(page, part), 1u) << part;
  EXPECT_LT(page.find("<title>"), page.find("</head>"));
  EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
  // Elements the generator opens in pieces are all closed again.
  for (const std::string element : {"section", "div", "table", "figure", "ul", "p"})
    EXPECT_EQ(Count(page, "<" + element + ">") + Count(page, "<" + element + " "), Count(page, "</" + element + ">"))
        << element;
}

TEST(HelpPage, NamesEveryKeyEverySkinAndTheScores) {
  const std::string page = Page();
  for (const char* key : {"Ctrl+N", "Ctrl+O", "Ctrl+A", "Ctrl+Q", "F1", "F2"})
    EXPECT_NE(page.find(std::string("<kbd>") + key + "</kbd>"), std::string::npos) << key;
  for (const char* name : {"Default", "Skin1", "Skin2", "Skin3", "Skin4", "Skin5"})
    EXPECT_NE(page.find(std::string("<b>") + name + "</b>"), std::string::npos) << name;
  for (const char* text : {"New Game", "Options", "About", "Exit", "Play sounds", "YOU", "CPU", "49",
                           "marlix-pentro/registry.reg", "XDG_CONFIG_HOME"})
    EXPECT_NE(page.find(text), std::string::npos) << text;
}

TEST(HelpPage, EveryPictureLiesBesideIt) {
  const std::set<std::string> images = Images(Page());
  int backgrounds = 0;
  for (const std::string& image : images) {
    EXPECT_TRUE(fs::is_regular_file(Res / image)) << image;
    EXPECT_EQ(image.find('/'), std::string::npos) << image << " is not beside the page";
    backgrounds += image.find("_background_") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(backgrounds, 6);  // one picture of each skin
  EXPECT_GE(images.size(), 9u);  // and the three sprite sheets over them
}

}  // namespace
