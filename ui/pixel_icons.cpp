#include "ui/pixel_icons.h"

#include <QPainter>
#include <QPixmap>
#include <array>
#include <string_view>

namespace quorvane {

namespace {

using PixelArt = std::array<std::string_view, PictureHeight>;

// K black, Y yellow, D dark yellow, O olive, W white, S silver; '.' is clear.
constexpr PixelArt OpenFolder{
    "................", "..KKKK..........", ".KDDDDK.........", "KDDDDDDKKKKKKK..",
    "KDDDDDDDDDDDDK..", "KDDDDDDDDDDDDK..", "KDDDKKKKKKKKKKKK", "KDDKYYYYYYYYYYYK",
    "KDKYYYYYYYYYYYK.", "KDKYYYYYYYYYYYK.", "KKYYYYYYYYYYYK..", "KKYYYYYYYYYYYK..",
    "KYYYYYYYYYYYK...", "KKKKKKKKKKKKK...", "................",
};

constexpr PixelArt Diskette{
    "KKKKKKKKKKKKKKK.", "KOKWWWWWWWWWKOK.", "KOKWWWWWWWWWKOK.", "KOKWWWWWWWWWKOK.",
    "KOKWWWWWWWWWKOK.", "KOOKKKKKKKKKOOK.", "KOOOOOOOOOOOOOK.", "KOOOOOOOOOOOOOK.",
    "KOOKKKKKKKKKOOK.", "KOOKSSSSKSSSKOK.", "KOOKSSSSKSSSKOK.", "KOOKSSSSKSSSKOK.",
    "KOOKSSSSSSSSKOK.", ".KOKSSSSSSSSKOK.", "..KKKKKKKKKKKKK.",
};

QColor ColourOf(char pixel) {
  switch (pixel) {
    case 'K': return QColor(0x00, 0x00, 0x00);
    case 'Y': return QColor(0xFF, 0xFF, 0x00);
    case 'D': return QColor(0xC0, 0xC0, 0x00);
    case 'O': return QColor(0x80, 0x80, 0x00);
    case 'W': return QColor(0xFF, 0xFF, 0xFF);
    case 'S': return QColor(0xC0, 0xC0, 0xC0);
    default: return Qt::transparent;
  }
}

QPixmap Painted(const PixelArt& art, int scale) {
  QPixmap pixmap(PictureWidth * scale, PictureHeight * scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  for (int y = 0; y < PictureHeight; ++y) {
    for (int x = 0; x < PictureWidth; ++x) {
      const char pixel = art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      if (pixel != '.') painter.fillRect(x * scale, y * scale, scale, scale, ColourOf(pixel));
    }
  }
  painter.end();
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

QIcon IconOf(const PixelArt& art) {
  QIcon icon;
  for (const int scale : {1, 2, 3, 4}) icon.addPixmap(Painted(art, scale));
  return icon;
}

}  // namespace

QIcon OpenFolderIcon() { return IconOf(OpenFolder); }
QIcon DisketteIcon() { return IconOf(Diskette); }

// Scaled without smoothing, so each picture pixel stays a square of whole pixels.
QIcon ProgramIcon() {
  const QImage largest(":/icons/quorvane-256.png");
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(
        largest.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  }
  return icon;
}

}  // namespace quorvane
