#include "ui/window_fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace quorvane {

namespace {

const QString ClassicFamily = "MS Sans Serif";
constexpr double ControlPoints = 8.0;
constexpr double HeadingPoints = 8.25;
constexpr double SmallestPoints = 6.0;

// Looking the family up by name is cheaper at start-up than matching a font
// to it, which searches the fallbacks of a family that is missing.
bool HasClassicFamily() { return QFontDatabase::hasFamily(ClassicFamily); }

// Fontconfig knows the condensed face by its own family name; font databases
// without it (Qt's own, on Windows) know it as a stretch of "DejaVu Sans".
QFont CompactSansSerif() {
  QFont font;
  font.setFamilies({QString("DejaVu Sans Condensed"), QString("DejaVu Sans")});
  font.setStretch(QFont::Condensed);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont ControlFont(const QString& widestText, int availableWidth) {
  QFont font = HasClassicFamily() ? QFont(ClassicFamily) : CompactSansSerif();
  font.setPointSizeF(ControlPoints);
  while (font.pointSizeF() > SmallestPoints &&
         QFontMetrics(font).horizontalAdvance(widestText) > availableWidth) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  return font;
}

QFont HeadingFont(const QFont& controlFont) {
  QFont font = HasClassicFamily() ? QFont(ClassicFamily) : controlFont;
  font.setPointSizeF(HeadingPoints);
  font.setBold(true);
  font.setUnderline(true);
  return font;
}

}  // namespace quorvane
