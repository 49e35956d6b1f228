// A person's eye for the keyboard check on a real X server: grabs a part of
// the screen, and tells what a person would see in such grabs.
//   grab OUT.png X Y WIDTH HEIGHT   keeps that part of the screen
//   changed BEFORE.png AFTER.png    pixels that differ by 3:1 or more
//   lines GRAB.png                  lines of dark text, counted as bands of rows
//   blended GRAB.png                pixels of the picture drawn in black and
//                                   yellows that blend its colours
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

#include "tests/visible.h"

namespace {

// Inside the box around the black pixels, a pixel that is neither one of the
// picture's colours nor a grey of the button behind it is a blend of them.
int Blended(const QImage& grab) {
  QRect outline;
  for (int y = 0; y < grab.height(); ++y) {
    for (int x = 0; x < grab.width(); ++x) {
      if (grab.pixel(x, y) == qRgb(0, 0, 0)) outline |= QRect(x, y, 1, 1);
    }
  }
  int blended = 0;
  for (int y = outline.top(); y <= outline.bottom(); ++y) {
    for (int x = outline.left(); x <= outline.right(); ++x) {
      const QRgb pixel = grab.pixel(x, y);
      const bool own =
          pixel == qRgb(0, 0, 0) || pixel == qRgb(0xFF, 0xFF, 0) || pixel == qRgb(0xC0, 0xC0, 0);
      const bool grey = qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
      blended += own || grey ? 0 : 1;
    }
  }
  return blended;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const auto is = [&](const char* command, int arguments) {
    return argc == arguments + 2 && std::strcmp(argv[1], command) == 0;
  };
  if (is("grab", 5)) {
    const QPixmap part = QGuiApplication::primaryScreen()->grabWindow(
        0, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    return part.save(argv[2]) ? 0 : 1;
  }
  if (is("changed", 2)) {
    const QImage before(argv[2]);
    const QImage after(argv[3]);
    std::printf("%d\n", quorvane::testing::VisiblyChangedPixels(before, after, before.rect()));
    return 0;
  }
  if (is("lines", 1)) {
    std::printf("%d\n", quorvane::testing::TextLines(QImage(argv[2])));
    return 0;
  }
  if (is("blended", 1)) {
    std::printf("%d\n", Blended(QImage(argv[2])));
    return 0;
  }
  std::fprintf(stderr, "usage: %s grab|changed|lines|blended ...\n", argv[0]);
  return 2;
}
