#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "test_language.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  if (!LoadEnglishForTests()) {
    std::fprintf(stderr, "The English language file of the source tree has no texts.\n");
    return 1;
  }
  return RUN_ALL_TESTS();
}
