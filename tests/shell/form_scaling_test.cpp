#include "shell/form_scaling.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    int rounded;
  } cases[] = {{0.5, 0},    {1.5, 2},  {2.5, 2},   {3.5, 4},   {10.5, 10}, {2.4999, 2},
               {2.5001, 3}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-2.6, -3}, {7.0, 7}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ScaleForScreen, OnlyANarrowerScreenScales) {
  EXPECT_FALSE(ScaleForScreen(QSize(1024, 768), 800, 600).apply);
  EXPECT_FALSE(ScaleForScreen(QSize(800, 480), 800, 600).apply);  // width alone decides
  const ScreenScale small = ScaleForScreen(QSize(640, 480), 800, 600);
  ASSERT_TRUE(small.apply);
  EXPECT_DOUBLE_EQ(small.wf, 0.8);
  EXPECT_DOUBLE_EQ(small.hf, 0.8);
  const ScreenScale wide = ScaleForScreen(QSize(799, 900), 800, 600);
  ASSERT_TRUE(wide.apply);
  EXPECT_DOUBLE_EQ(wide.hf, 1.5);
}

TEST(ScaleBounds, RoundsEachEdgeHalfToEven) {
  // 700 / 800 = 0.875 exactly: 12 -> 10.5 -> 10, 20 -> 17.5 -> 18, 4 -> 3.5 -> 4.
  const ScreenScale scale = ScaleForScreen(QSize(700, 525), 800, 600);
  EXPECT_EQ(ScaleBounds(QRect(12, 20, 4, 12), scale), QRect(10, 18, 4, 10));
  EXPECT_EQ(ScaleBounds(QRect(100, 50, 200, 30), ScaleForScreen(QSize(640, 480), 800, 600)),
            QRect(80, 40, 160, 24));
  EXPECT_EQ(ScaleFontSize(10, scale), 9);  // 8.75
  EXPECT_EQ(ScaleFontSize(1, ScaleForScreen(QSize(100, 75), 800, 600)), 1);
}

// A page as the designer would lay it out: absolute controls, a group box holding more,
// a grid, and a part placed by a layout.
struct Page {
  Page() {
    form.resize(800, 600);
    QFont font = form.font();
    font.setPointSize(10);
    form.setFont(font);
    label = new QLabel("Label", &form);
    label->setGeometry(100, 50, 200, 30);
    group = new QGroupBox(&form);
    group->setGeometry(400, 100, 300, 200);
    inner = new QLineEdit(group);
    inner->setGeometry(20, 40, 100, 25);
    grid = new QTableWidget(3, 2, &form);
    grid->setGeometry(10, 300, 400, 200);
    grid->setColumnWidth(0, 100);
    grid->setColumnWidth(1, 55);
    box = new QWidget(&form);
    box->setGeometry(0, 520, 800, 80);
    auto* layout = new QVBoxLayout(box);
    laidOut = new QLineEdit(box);
    layout->addWidget(laidOut);
  }
  QWidget form;
  QLabel* label;
  QGroupBox* group;
  QLineEdit* inner;
  QTableWidget* grid;
  QWidget* box;
  QLineEdit* laidOut;
};

TEST(ScaleFormToScreen, OnAWideScreenOnlySetsTheFont) {
  Page page;
  ScaleFormToScreen(&page.form, 800, 600, QSize(1024, 768));
  EXPECT_EQ(page.form.font().family(), "Arial");
  EXPECT_EQ(page.form.size(), QSize(800, 600));
  EXPECT_EQ(page.label->geometry(), QRect(100, 50, 200, 30));
  EXPECT_EQ(page.inner->geometry(), QRect(20, 40, 100, 25));
  EXPECT_EQ(page.grid->columnWidth(1), 55);
  EXPECT_EQ(page.label->font().pointSize(), 10);
}

TEST(ScaleFormToScreen, On640x480EveryControlShrinksByFourFifths) {
  Page page;
  page.form.show();
  const QRect laidOutBefore = page.laidOut->geometry();
  ScaleFormToScreen(&page.form, 800, 600, QSize(640, 480));

  EXPECT_EQ(page.form.size(), QSize(640, 480));
  EXPECT_EQ(page.label->geometry(), QRect(80, 40, 160, 24));
  EXPECT_EQ(page.group->geometry(), QRect(320, 80, 240, 160));
  EXPECT_EQ(page.inner->geometry(), QRect(16, 32, 80, 20));
  EXPECT_EQ(page.grid->geometry(), QRect(8, 240, 320, 160));
  EXPECT_EQ(page.box->geometry(), QRect(0, 416, 640, 64));
  EXPECT_EQ(page.grid->columnWidth(0), 80);
  EXPECT_EQ(page.grid->columnWidth(1), 44);
  // Fonts shrink once, also inside the group box: 10 -> 8, not 10 -> 8 -> 6.
  for (QWidget* w : {static_cast<QWidget*>(page.label), static_cast<QWidget*>(page.group),
                     static_cast<QWidget*>(page.inner), static_cast<QWidget*>(page.grid)})
    EXPECT_EQ(w->font().pointSize(), 8) << w->metaObject()->className();
  EXPECT_EQ(page.label->font().family(), "Arial");
  // The layout keeps placing its own control inside the shrunken box.
  EXPECT_NE(page.laidOut->geometry(), laidOutBefore);
  EXPECT_LE(page.laidOut->geometry().right(), page.box->width());
}

TEST(CenterPanel, CentresAlongOneAxisRoundingTowardZero) {
  QWidget form;
  form.resize(801, 600);
  QWidget panel(&form);
  panel.setGeometry(5, 7, 200, 100);
  CenterPanel(&form, &panel, CenterAxis::Horizontal);
  EXPECT_EQ(panel.pos(), QPoint(300, 7));  // 601 / 2
  CenterPanel(&form, &panel, CenterAxis::Vertical);
  EXPECT_EQ(panel.pos(), QPoint(300, 250));
  EXPECT_EQ(CenteredOffset(100, 105), -2);  // toward zero, not -3
}

}  // namespace
