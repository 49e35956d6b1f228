#include <gtest/gtest.h>

#include "tests/random_texts.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "editor/value_entry.h"

namespace quorvane::testing {

namespace {

std::uint32_t SeedFromEnvironment() {
  const char* given = std::getenv("QUORVANE_SEED");
  return given != nullptr ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10)) : 20261207U;
}

// Beside blanks, signs, letters and non-ASCII: format characters (joiners, an
// Arabic letter mark), a private-use character, characters beyond U+FFFF (an
// emoji, a mathematical digit), a full-width digit, control characters, and
// what AltGr types on European keyboards.
constexpr std::array<const char*, 27> Junk{
    " ",          "-",          "+",          ".",        "e",        "x",          "A",
    "f",          "\xC3\xBC",   "\xE3\x83\xAD", "\t",       ",",        "0x",         "%",
    "\u200D",     "\u2060",     "\u061C",     "\uE000",   "\U0001F600", "\U0001D7D3", "\uFF15",
    "\n",         "\x01",       "\x7F",       "@",        "{",        "\u20AC"};

}  // namespace

RandomTexts::RandomTexts() : seed_(SeedFromEnvironment()), generator_(seed_) {}

std::string RandomTexts::next() {
  const int length = below(4) == 0 ? below(40) : below(5);
  std::string text;
  for (int i = 0; i < length; ++i) {
    if (below(3) != 0) {
      text += static_cast<char>('0' + below(10));
    } else {
      text += Junk[static_cast<std::size_t>(below(static_cast<int>(Junk.size())))];
    }
  }
  return text;
}

::testing::AssertionResult IsSettledValue(const std::string& text, const std::string& hex) {
  const std::optional<int> value = ByteValueOf(text);
  if (!value) return ::testing::AssertionFailure() << "value text \"" << text << "\" is not a byte";
  std::string expectedHex = HexMirrorText(*value);
  if (expectedHex.size() < 2) expectedHex = "0" + expectedHex;
  if (hex != expectedHex) {
    return ::testing::AssertionFailure() << "hex \"" << hex << "\" does not mirror \"" << text << "\"";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace quorvane::testing
