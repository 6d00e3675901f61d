// Device strings and paths against the desktop's.
#include "platform/hostpath.h"

#include <gtest/gtest.h>

namespace {

TEST(HostPath, ConversionsEndWhereTheTextEnds) {
  // A long conversion first, so a short one would show its leftovers if unterminated.
  EXPECT_EQ(HostPath(u"\\home\\ann\\build\\res\\horizontal_lines_480x640.gif"),
            "/home/ann/build/res/horizontal_lines_480x640.gif");
  EXPECT_EQ(HostPath(u"\\res\\a.gif"), "/res/a.gif");
  EXPECT_EQ(Utf8FromDevice(u"Zoë"), "Zo\xC3\xAB");
  EXPECT_EQ(DevicePath("/home/ann/build/res/squares_640x480.gif"),
            u"\\home\\ann\\build\\res\\squares_640x480.gif");
  EXPECT_EQ(DevicePath("/a"), u"\\a");
  EXPECT_EQ(Utf8FromDevice(u""), "");
  EXPECT_EQ(DeviceFromUtf8(""), u"");
}

}  // namespace
