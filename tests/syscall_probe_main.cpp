// Opens the named image, shows weapon 0 and saves it, the way the window
// does; run under strace by the syscall budget test.
#include <iostream>

#include "tests/fake_view.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  quorvane::testing::EditorRig rig;
  rig.chooser.willAnswer(argv[1]);
  rig.view.clickOpen();
  rig.view.clickSave();
  for (const auto& failure : rig.view.reportedFailures()) {
    std::cerr << (failure.file ? failure.file->code().message() : "the save was refused") << '\n';
  }
  return rig.view.reportedFailures().empty() ? 0 : 1;
}
