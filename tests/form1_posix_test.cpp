// The real window under a file-size limit set with prlimit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/temp_rom.h"

namespace quorvane {
namespace {

// The window runs as a program of its own, so that the limit holds for it
// alone; whatever it says on failure comes back in the test's output.
TEST(SizeLimitedWindow, SaveBeyondTheLimitIsToldAndTheProgramLivesOn) {
  if (std::system("command -v prlimit >/dev/null 2>&1") != 0) GTEST_SKIP() << "prlimit is absent";
  testing::ScratchRom rom;
  const std::string command = "prlimit --fsize=1048576 '" QUORVANE_SIZE_LIMITED_WINDOW "' '" +
                              rom.path + "' 2>&1";
  FILE* child = popen(command.c_str(), "r");
  ASSERT_NE(child, nullptr);
  std::string said;
  for (int c; (c = std::fgetc(child)) != EOF;) said += static_cast<char>(c);
  EXPECT_EQ(pclose(child), 0) << said;
  EXPECT_EQ(testing::ReadFile(rom.path), rom.original);
}

}  // namespace
}  // namespace quorvane
