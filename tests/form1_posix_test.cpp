// The real window under a file-size limit set with prlimit.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <cstdlib>

#include "tests/temp_rom.h"
#include "tests/window_driver.h"
#include "ui/form1.h"

namespace quorvane {
namespace {

// Save must report "File too large" and the program must live on with the
// user's edits.
constexpr const char* ImageVariable = "QUORVANE_LIMITED_IMAGE";

// Runs only inside the limited child that the test below starts.
TEST(SizeLimitedWindow, SaveReportsFileTooLarge) {
  const char* image = std::getenv(ImageVariable);
  if (image == nullptr) GTEST_SKIP() << "runs only under the size-limit test";
  Form1 window;
  window.show();
  testing::MessageBoxCatcher messages;
  testing::AnswerFileDialog(window.cdlSNES().dialog(), QString::fromUtf8(image));
  QTest::mouseClick(testing::Named<QToolButton>(window, "cmdOpen"), Qt::LeftButton);
  auto* value = testing::Named<QLineEdit>(window, "txtValue(0)");
  QTest::mouseClick(value, Qt::LeftButton);
  QTest::keyClicks(value, "7");
  QTest::mouseClick(testing::Named<QToolButton>(window, "cmdSave"), Qt::LeftButton);
  ASSERT_EQ(messages.texts().size(), 1);
  EXPECT_TRUE(messages.texts()[0].endsWith("Reason: File too large."))
      << messages.texts()[0].toStdString();
  EXPECT_EQ(value->text(), "7");
  window.selectWeapon(1);
  EXPECT_EQ(messages.texts().size(), 1);
}

TEST(SizeLimitedWindowRun, SaveBeyondTheLimitIsToldAndTheProgramLivesOn) {
  if (std::system("command -v prlimit >/dev/null 2>&1") != 0) GTEST_SKIP() << "prlimit is absent";
  testing::ScratchRom rom;
  const std::string command = std::string(ImageVariable) + "='" + rom.path +
                              "' prlimit --fsize=1048576 /proc/" + std::to_string(getpid()) +
                              "/exe --gtest_filter=SizeLimitedWindow.SaveReportsFileTooLarge";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(testing::ReadFile(rom.path), rom.original);
}

}  // namespace
}  // namespace quorvane
