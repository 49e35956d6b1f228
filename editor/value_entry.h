#pragma once

#include <optional>
#include <string>

#include "editor/editor_view.h"

namespace quorvane {

inline constexpr int LargestByte = 255;

// Change rule: after it, the value text is a non-empty number of at most 255
// and the hex box mirrors it; the "0" that fills an emptied box is left
// selected. Corrections are made through setValueText, so they run the rule
// again, nested, before this run goes on.
void NormalizeValueText(EditorView& view, ValueField field);

// Click rule: selects the whole text so that typing replaces it.
void SelectAllOnClick(EditorView& view, ValueField field);

// Uppercase hex digits without prefix or leading zeros ("0", "A", "FF").
std::string HexMirrorText(int value);

// The ASCII digits of a UTF-8 text, in order: all that a value box takes of
// anything offered to it, and all the change rule keeps of a text set in it.
std::string DigitsOf(const std::string& text);

// What an edit leaves in a value box under the one digit rule. Before it the
// box showed `shown`; the edit left `beforeCursor` then `afterCursor`, with
// the cursor between them. What the edit offered is what stands before the
// cursor past the part of `shown` it kept in front. Its digits go in, as many
// as fit within `maxLength` beside the digits kept, and the cursor follows
// them; nothing, when no digit of it goes in: the edit is then undone whole.
struct DigitEdit {
  std::string text;
  std::size_t cursor;
};
std::optional<DigitEdit> DigitEditOf(const std::string& shown, const std::string& beforeCursor,
                                     const std::string& afterCursor, std::size_t maxLength);

// The byte a value text spells, or nothing unless it is 1 to 3 decimal digits
// spelling at most 255 ("007" is 7).
std::optional<int> ByteValueOf(const std::string& text);

}  // namespace quorvane
