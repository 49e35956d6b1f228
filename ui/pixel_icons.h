#pragma once

#include <QIcon>

namespace quorvane {

// The 16 by 15 pictures of the two buttons, drawn here pixel by pixel and
// scaled by whole pixels, so they stay crisp on any display scale.
QIcon OpenFolderIcon();
QIcon DisketteIcon();

inline constexpr int PictureWidth = 16;
inline constexpr int PictureHeight = 15;

}  // namespace quorvane
