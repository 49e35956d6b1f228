#include "editor/value_entry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <iterator>

namespace quorvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(const std::string& text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// Never overflows: anything past the largest byte is only "too large".
int SaturatedNumber(const std::string& digits) {
  int number = 0;
  for (const char c : digits) number = std::min(number * 10 + (c - '0'), LargestByte + 1);
  return number;
}

}  // namespace

// A pasted or programmatically set text may hold anything; keep what the user
// most likely meant, its digits. No byte of a multi-byte UTF-8 character is
// an ASCII digit, so bytes can be kept or dropped one by one.
std::string DigitsOf(const std::string& text) {
  std::string digits;
  std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
  return digits;
}

void NormalizeValueText(EditorView& view, ValueField field) {
  if (const std::string text = view.valueText(field); !AllDigits(text)) {
    view.setValueText(field, DigitsOf(text));
  }
  if (view.valueText(field).empty()) {
    view.setValueText(field, "0");
    // The "0" is a stand-in, not a number the user typed: the next digit
    // replaces it instead of following it ("0" then "200" would read "020").
    view.selectValueRange(field, 0, 1);
  }
  if (SaturatedNumber(view.valueText(field)) > LargestByte) view.setValueText(field, "255");

  std::string hex = HexMirrorText(SaturatedNumber(view.valueText(field)));
  if (hex.size() < 2) hex = "0" + hex;
  view.setHexText(field, hex);
}

void SelectAllOnClick(EditorView& view, ValueField field) {
  view.selectValueRange(field, 0, view.valueMaxLength(field));
}

std::string HexMirrorText(int value) {
  std::array<char, 16> buffer{};
  const auto converted = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16);
  std::string hex(buffer.data(), converted.ptr);
  std::transform(hex.begin(), hex.end(), hex.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return hex;
}

std::optional<DigitEdit> DigitEditOf(const std::string& shown, const std::string& beforeCursor,
                                     const std::string& afterCursor, std::size_t maxLength) {
  const auto kept =
      std::mismatch(shown.begin(), shown.end(), beforeCursor.begin(), beforeCursor.end()).second;
  const std::size_t keptDigits = DigitsOf(std::string(beforeCursor.begin(), kept)).size();
  const std::string tail = DigitsOf(afterCursor);
  const std::string head =
      DigitsOf(beforeCursor).substr(0, maxLength - std::min(maxLength, tail.size()));
  if (head.size() <= keptDigits) return std::nullopt;
  return DigitEdit{head + tail, head.size()};
}

std::optional<int> ByteValueOf(const std::string& text) {
  if (text.empty() || text.size() > 3 || !AllDigits(text)) return std::nullopt;
  const int number = SaturatedNumber(text);
  if (number > LargestByte) return std::nullopt;
  return number;
}

}  // namespace quorvane
