#include "shell/qt/app_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "shell/qt/tests/qt_app.h"

namespace keyloom {
namespace {

bool IsOneFlatColour(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    }
  }
  return true;
}

// A program links the icons from a static library, as this test does.
TEST(AppIconTest, EachProgramsIconIsThereInEverySizeAndIsNotOneFlatColour) {
  EnsureQtApp();
  for (const char* program : {"Quipcast", "Keyloom"}) {
    const QIcon icon = AppIcon(program);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
      const QImage image = icon.pixmap(size, size).toImage();
      ASSERT_FALSE(image.isNull()) << program << " " << size;
      EXPECT_EQ(image.width(), size) << program;
      EXPECT_FALSE(IsOneFlatColour(image)) << program << " " << size;
    }
  }
}

TEST(AppIconTest, TheTwoProgramsCanBeToldApart) {
  EnsureQtApp();
  EXPECT_NE(AppIcon("Quipcast").pixmap(32, 32).toImage(),
            AppIcon("Keyloom").pixmap(32, 32).toImage());
}

}  // namespace
}  // namespace keyloom
