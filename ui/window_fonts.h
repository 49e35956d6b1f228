#pragma once

#include <QFont>

namespace quorvane {

// The controls' font: 8-point "MS Sans Serif" where the system has it, else a
// compact sans-serif made just small enough for the widest label to fit.
QFont ControlFont(const QString& widestText, int availableWidth);

// The column headings' font: bold, underlined 8.25-point "MS Sans Serif", or
// the controls' family where that font is absent.
QFont HeadingFont(const QFont& controlFont);

}  // namespace quorvane
