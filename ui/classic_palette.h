#pragma once

#include <QPalette>

namespace quorvane {

// The window's own light look, the same on every desktop theme: its fixed
// grey boxes and dark-grey headings need dark text to stay readable, and a
// dark desktop theme would paint light text over them.
QPalette ClassicPalette();

}  // namespace quorvane
