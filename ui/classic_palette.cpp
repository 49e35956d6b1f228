#include "ui/classic_palette.h"

namespace quorvane {

QPalette ClassicPalette() {
  const QColor face(0xF0, 0xF0, 0xF0);
  const QColor ink(Qt::black);
  QPalette palette(face, face);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, ink);
    palette.setColor(group, QPalette::ButtonText, ink);
    palette.setColor(group, QPalette::Text, ink);
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::AlternateBase, face);
    palette.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(group, QPalette::ToolTipText, ink);
    palette.setColor(group, QPalette::PlaceholderText, QColor(0x60, 0x60, 0x60));
    // Navy, as on the classic desktop: white on it reads far above 4.5:1.
    palette.setColor(group, QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    palette.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6D, 0x6D, 0x6D));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6D, 0x6D, 0x6D));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
  return palette;
}

}  // namespace quorvane
