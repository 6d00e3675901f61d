// Starting the help viewer: the desktop's viewer opens the document from the resource
// folder beside the program; nothing else starts, and no viewer means no help.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/winbase.h"
#include "tests/support/temp_config.h"
#include "tests/support/temp_folder.h"

namespace {

class HelpViewerTest : public testing::Test {
 protected:
  void SetUp() override {
    path = std::getenv("PATH") == nullptr ? "" : std::getenv("PATH");
    bin = MakeTempFolder();
    log = bin + "/opened";
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > '" << log << ".new' && mv '" << log
                                     << ".new' '" << log << "'\n";
    std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    setenv("PATH", (bin + ":" + path).c_str(), 1);
  }
  void TearDown() override { setenv("PATH", path.c_str(), 1); }
  std::string Opened() {
    for (int i = 0; i < 500 && !FileExists(log); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string text = ReadFileText(log);
    std::filesystem::remove(log);
    return text;
  }
  static BOOL Start(LPCWSTR program, LPCWSTR document, PROCESS_INFORMATION* process) {
    std::u16string line = document;
    return CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                          process);
  }

  std::string path, bin, log;
};

TEST_F(HelpViewerTest, TheDocumentIsOpenedFromTheResourceFolder) {
  const std::string folder = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(Start(u"peghelp.exe", u"Marlix Pentro.htm", &process));
  EXPECT_TRUE(CloseHandle(process.hProcess));
  EXPECT_TRUE(CloseHandle(process.hThread));
  EXPECT_EQ(Opened(), folder + "/res/Marlix Pentro.htm");

  ASSERT_TRUE(Start(u"\\windows\\PEGHELP.EXE", u"\"\\tmp\\page one.htm\"", &process));
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  EXPECT_EQ(Opened(), "/tmp/page one.htm");
}

TEST_F(HelpViewerTest, NothingStartsButTheViewer) {
  PROCESS_INFORMATION process{};
  EXPECT_FALSE(Start(u"calc.exe", u"", &process));
  EXPECT_FALSE(Start(nullptr, u"Marlix Pentro.htm", &process));
  setenv("PATH", "/nonexistent", 1);
  EXPECT_FALSE(Start(u"peghelp.exe", u"Marlix Pentro.htm", &process));
}

}  // namespace
