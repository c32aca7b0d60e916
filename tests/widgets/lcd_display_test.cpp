#include "widgets/lcd_display.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

TEST(LcdDisplay, LinesAndPictures) {
  LcdDisplay lcd;
  lcd.SetLine(1, "Operator");
  lcd.SetLine(7, "ignored");  // only four lines
  EXPECT_EQ(lcd.Line(1), "Operator");
  EXPECT_EQ(lcd.Line(7), "");

  TempDir dir;
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::black);
  const QString good = QString::fromStdString((dir.path() / "sign.bmp").string());
  ASSERT_TRUE(image.save(good));
  EXPECT_TRUE(lcd.SetPictureFile(good));
  EXPECT_EQ(lcd.PictureFile(), good);
  // A picture that cannot be loaded is removed rather than left stale.
  EXPECT_FALSE(lcd.SetPictureFile(good + ".missing"));
  EXPECT_FALSE(lcd.HasPicture());
  lcd.resize(214, 94);
  EXPECT_FALSE(lcd.grab().isNull());  // paints without a picture too
}

}  // namespace
