#pragma once

#include <QIcon>

namespace quorvane {

// The 16 by 15 pictures of the two buttons, drawn here pixel by pixel and
// scaled by whole pixels, so they stay crisp on any display scale.
QIcon OpenFolderIcon();
QIcon DisketteIcon();

// The program's own icon, the desktop's 16 by 16 picture, at every size a
// title bar, task bar or window switcher asks for, from 16 to 256 pixels,
// each read only when first asked for.
QIcon ProgramIcon();

inline constexpr int PictureWidth = 16;
inline constexpr int PictureHeight = 15;

}  // namespace quorvane
