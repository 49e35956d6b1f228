#include <gtest/gtest.h>

#include "editor/value_entry.h"
#include "tests/fake_view.h"
#include "tests/random_texts.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

TEST(ValueEntryProperty, AnyTextSettlesIntoAByteThatSaveWritesAsShown) {
  testing::RandomTexts texts;
  SCOPED_TRACE("QUORVANE_SEED=" + std::to_string(texts.seed()));
  testing::ScratchRom rom;
  testing::EditorRig rig;
  rig.chooser.willAnswer(rom.path);
  rig.view.clickOpen();
  for (int round = 0; round < 20000; ++round) {
    const ValueField field = texts.below(ValueFieldCount);
    const std::string typed = texts.next();
    rig.view.typeValue(field, typed);
    ASSERT_TRUE(testing::IsSettledValue(rig.view.valueText(field), rig.view.hexText(field)))
        << "after typing \"" << typed << "\"";
    if (round % 100 != 0) continue;
    rig.view.clickSave();
    const WeaponRecord saved = testing::RecordIn(testing::ReadFile(rom.path), 0);
    ASSERT_EQ(saved[static_cast<std::size_t>(RecordByteOf(field))], *ByteValueOf(rig.view.valueText(field)));
  }
  EXPECT_TRUE(rig.view.reportedFailures().empty());
}

}  // namespace
}  // namespace quorvane
