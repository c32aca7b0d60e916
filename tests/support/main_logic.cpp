#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>

#include "test_language.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);  // settings and SQL want an application object
  if (!LoadEnglishForTests()) {
    std::fprintf(stderr, "The English language file of the source tree has no texts.\n");
    return 1;
  }
  return RUN_ALL_TESTS();
}
