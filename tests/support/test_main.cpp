// The tests' entry, in the tests' own environment.
#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

int main(int argc, char** argv) {
  UseTestEnvironment();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
