// A language folder of its own for one test, with a scripted host to see the boxes. The
// shipped English texts are loaded again afterwards for the tests that follow.
#pragma once

#include <gtest/gtest.h>

#include "scripted_host.h"
#include "shell/language.h"
#include "temp_dir.h"
#include "test_language.h"

class LanguageFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { SetLanguageFolder(Folder().string()); }
  void TearDown() override {
    InstallUiHost(nullptr);
    LoadEnglishForTests();
  }

  std::filesystem::path Folder() const { return root.path() / "LANGUAGE" / ""; }
  // Writes LANGUAGE/<name>/<name>.ln3.
  void WriteLanguage(const std::string& name, const std::string& bytes) const {
    root.Write("LANGUAGE/" + name + "/" + name + ".ln3", bytes);
  }

  TempDir root;
  ScopedScriptedHost scoped;
  ScriptedHost& host = scoped.host;
};
