#include "shell/qt/app_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "shell/qt/tests/qt_app.h"

namespace keyloom {
namespace {

// A program links the icons from a static library, as this test does.
TEST(AppIconTest, TheIconIsThereInEverySizeAndIsNotOneFlatColour) {
  EnsureQtApp();
  const QIcon icon = AppIcon();
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_FALSE(image.isNull()) << size;
    EXPECT_EQ(image.width(), size);
    bool varies = false;
    for (int y = 0; y < image.height() && !varies; ++y) {
      for (int x = 0; x < image.width() && !varies; ++x)
        varies = image.pixel(x, y) != image.pixel(0, 0);
    }
    EXPECT_TRUE(varies) << size;
  }
}

}  // namespace
}  // namespace keyloom
