#include "ui/pixel_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
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
    case 'K':
      return QColor(0x00, 0x00, 0x00);
    case 'Y':
      return QColor(0xFF, 0xFF, 0x00);
    case 'D':
      return QColor(0xC0, 0xC0, 0x00);
    case 'O':
      return QColor(0x80, 0x80, 0x00);
    case 'W':
      return QColor(0xFF, 0xFF, 0xFF);
    case 'S':
      return QColor(0xC0, 0xC0, 0xC0);
    default:
      return Qt::transparent;
  }
}

// The picture at the largest whole multiple of its pixels that fits the
// device pixels asked for, centred: any other scale would blend its colours.
QPixmap Painted(const PixelArt& art, QSize devicePixels) {
  const int scale = std::max(
      1, std::min(devicePixels.width() / PictureWidth, devicePixels.height() / PictureHeight));
  const QPoint origin((devicePixels.width() - PictureWidth * scale) / 2,
                      (devicePixels.height() - PictureHeight * scale) / 2);
  QPixmap pixmap(devicePixels);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  for (int y = 0; y < PictureHeight; ++y) {
    for (int x = 0; x < PictureWidth; ++x) {
      const char pixel = art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      if (pixel != '.') {
        painter.fillRect(origin.x() + x * scale, origin.y() + y * scale, scale, scale,
                         ColourOf(pixel));
      }
    }
  }
  return pixmap;
}

// Qt 6.8 reworked how an icon asks its engine for a scaled picture: before
// it, scaledPixmap() is handed the size in device pixels; from it on, in
// device-independent pixels, to be multiplied by the scale.
QSize DevicePixels(const QSize& asked, qreal scale) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  return asked * scale;
#else
  Q_UNUSED(scale);
  return asked;
#endif
}

// Draws the picture for whatever size and display scale is asked, instead of
// letting QIcon smooth a stored pixmap to a fractional scale such as 150 %.
class PixelArtEngine : public QIconEngine {
 public:
  explicit PixelArtEngine(const PixelArt& art) : art_(art) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    const qreal scale = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, drawn(rect.size() * scale, scale));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    return Painted(art_, size);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
    return drawn(DevicePixels(size, scale), scale);
  }
  QIconEngine* clone() const override { return new PixelArtEngine(art_); }

 private:
  QPixmap drawn(QSize devicePixels, qreal scale) const {
    QPixmap pixmap = Painted(art_, devicePixels);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  const PixelArt& art_;
};

QIcon IconOf(const PixelArt& art) { return QIcon(new PixelArtEngine(art)); }

constexpr std::array ProgramIconSides{16, 24, 32, 48, 64, 128, 256};

// The program's icon is shipped at each size a desktop asks for, each made
// without smoothing; a size's file is read only when it is first asked for,
// so a window that is never given an icon (offscreen) reads none.
class ProgramIconEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int wanted = std::max(size.width(), size.height());
    const auto* side = std::find_if(ProgramIconSides.begin(), ProgramIconSides.end(),
                                    [&](int shipped) { return shipped >= wanted; });
    const QPixmap shipped(
        QString(":/icons/quorvane-%1.png").arg(side == ProgramIconSides.end() ? 256 : *side));
    return shipped.size() == size
               ? shipped
               : shipped.scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int side : ProgramIconSides) sizes.append(QSize(side, side));
    return sizes;
  }
  QIconEngine* clone() const override { return new ProgramIconEngine; }
};

}  // namespace

QIcon OpenFolderIcon() { return IconOf(OpenFolder); }
QIcon DisketteIcon() { return IconOf(Diskette); }

QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace quorvane
