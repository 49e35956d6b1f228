#pragma once

#include <QColor>

class QLineEdit;

namespace quorvane {

// The grid's boxes: a flat background inside a one-pixel grey border, black
// text, and the window's own selection colours. Drawn from the box's palette
// rather than a style sheet, which would cost every start-up a parse per box
// and slow every paint.
void GiveBoxLook(QLineEdit& box, const QColor& background);

// Called at the end of the box's paintEvent.
void PaintBoxBorder(QLineEdit& box);

}  // namespace quorvane
