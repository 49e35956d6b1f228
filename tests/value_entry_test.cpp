#include <gtest/gtest.h>

#include "editor/value_entry.h"
#include "tests/fake_view.h"

namespace quorvane {
namespace {

using testing::EditorRig;

struct Typed {
  const char* text;
  const char* shown;
  const char* hex;
};

void PrintTo(const Typed& typed, std::ostream* out) { *out << '"' << typed.text << '"'; }

class ChangeRule : public ::testing::TestWithParam<Typed> {};

TEST_P(ChangeRule, LeavesAByteAndItsHexMirror) {
  EditorRig rig;
  rig.view.typeValue(2, "1");
  rig.view.typeValue(2, GetParam().text);
  EXPECT_EQ(rig.view.valueText(2), GetParam().shown);
  EXPECT_EQ(rig.view.hexText(2), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, ChangeRule,
    ::testing::Values(Typed{"", "0", "00"}, Typed{"5", "5", "05"}, Typed{"10", "10", "0A"},
                      Typed{"16", "16", "10"}, Typed{"255", "255", "FF"},
                      Typed{"256", "255", "FF"}, Typed{"999", "255", "FF"},
                      Typed{"007", "007", "07"}, Typed{"-5", "5", "05"}, Typed{"1e3", "13", "0D"},
                      Typed{"abc", "0", "00"}, Typed{" 7 ", "7", "07"}, Typed{"2.5", "25", "19"},
                      Typed{"\xC3\xA9", "0", "00"}, Typed{"12345", "123", "7B"}));

TEST(ChangeRuleNesting, EachCorrectionRunsTheRuleAgainBeforeTheOuterRunGoesOn) {
  EditorRig rig;
  rig.view.typeValue(0, "7");
  const int before = rig.view.changeRuleRuns();
  rig.view.typeValue(0, "x");  // "x" -> "" -> "0": three changes, each ruled
  EXPECT_EQ(rig.view.changeRuleRuns() - before, 3);
  EXPECT_EQ(rig.view.valueText(0), "0");
  EXPECT_EQ(rig.view.hexText(0), "00");
}

TEST(ChangeRule, AnEmptiedBoxIsReadyForTheNextNumber) {
  EditorRig rig;
  rig.view.typeValue(2, "69");
  rig.view.typeValue(2, "");
  EXPECT_EQ(rig.view.valueText(2), "0");
  rig.view.typeOverSelection(2, "200");
  EXPECT_EQ(rig.view.valueText(2), "200");
}

TEST(ClickRule, SelectsTheWholeTextSoTypingReplacesIt) {
  EditorRig rig;
  rig.view.typeValue(3, "120");
  rig.view.clickValue(3);
  EXPECT_EQ(rig.view.selectionStart(3), 0);
  EXPECT_EQ(rig.view.selectionLength(3), 3);
  rig.view.typeOverSelection(3, "9");
  EXPECT_EQ(rig.view.valueText(3), "9");
  EXPECT_EQ(rig.view.hexText(3), "09");
}

TEST(ValueTexts, HexMirrorHasNoPrefixOrLeadingZeros) {
  EXPECT_EQ(HexMirrorText(0), "0");
  EXPECT_EQ(HexMirrorText(10), "A");
  EXPECT_EQ(HexMirrorText(255), "FF");
}

TEST(ValueTexts, OnlyOneToThreeDigitsUpTo255AreAByte) {
  EXPECT_EQ(ByteValueOf("007"), 7);
  EXPECT_EQ(ByteValueOf("0"), 0);
  EXPECT_EQ(ByteValueOf("255"), 255);
  for (const char* junk : {"", "256", "0007", "1a", "-1", " 1", "+5"}) {
    EXPECT_FALSE(ByteValueOf(junk).has_value()) << junk;
  }
}

}  // namespace
}  // namespace quorvane
