// Checks the shipped language files against each other and against the text numbers the
// code asks for: a number missing from a file shows as an empty caption or message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "shell/language.h"
#include "temp_dir.h"
#include "test_language.h"

namespace fs = std::filesystem;

namespace {

const char* const kLanguages[] = {"English", "Italiano"};

// The numbers passed to LanguageText as literals, and those listed in "language texts:"
// comments, over every source file below src/.
std::set<int> NumbersUsedByTheCode() {
  static const std::regex literal(R"(LanguageText\(\s*(\d+)\s*\))");
  static const std::regex listed(R"(language texts:\s*([0-9][0-9 ,\-]*))");
  static const std::regex item(R"((\d+)(?:\s*-\s*(\d+))?)");
  std::set<int> numbers;
  for (const auto& entry : fs::recursive_directory_iterator(VELA_SOURCE_DIR "/src")) {
    const auto ext = entry.path().extension();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::string source = ReadFileBytes(entry.path());
    for (std::sregex_iterator m(source.begin(), source.end(), literal), end; m != end; ++m) {
      numbers.insert(std::stoi((*m)[1]));
    }
    for (std::sregex_iterator m(source.begin(), source.end(), listed), end; m != end; ++m) {
      const std::string list = (*m)[1];
      for (std::sregex_iterator i(list.begin(), list.end(), item); i != end; ++i) {
        const int first = std::stoi((*i)[1]);
        const int last = (*i)[2].matched ? std::stoi((*i)[2]) : first;
        for (int n = first; n <= last; ++n) numbers.insert(n);
      }
    }
  }
  return numbers;
}

// Parses a shipped file strictly: "NNNNN=text" with CR LF after every line, numbers
// ascending, every text non-empty.
std::map<int, std::string> ReadStrictly(const std::string& language) {
  const std::string bytes =
      ReadFileBytes(ShippedLanguageFolder() + language + "/" + language + ".ln3");
  static const std::regex line(R"(([0-9]{5})=([^\r\n]+)\r\n)");
  std::map<int, std::string> texts;
  size_t consumed = 0;
  int previous = 0;
  for (std::sregex_iterator m(bytes.begin(), bytes.end(), line), end; m != end; ++m) {
    EXPECT_EQ(static_cast<size_t>(m->position()), consumed)
        << language << ": malformed line after text " << previous;
    consumed = m->position() + m->length();
    const int n = std::stoi((*m)[1]);
    EXPECT_GT(n, previous) << language << ": numbers out of order";
    previous = n;
    texts[n] = (*m)[2];
  }
  EXPECT_EQ(consumed, bytes.size()) << language << ": malformed line after text " << previous;
  return texts;
}

TEST(LanguageFiles, HoldEveryNumberTheCodeUsesAndTheSameNumbersInEveryLanguage) {
  const std::set<int> used = NumbersUsedByTheCode();
  ASSERT_FALSE(used.empty());
  std::set<int> first;
  for (const char* language : kLanguages) {
    std::set<int> numbers;
    for (const auto& [n, text] : ReadStrictly(language)) numbers.insert(n);
    for (int n : used) EXPECT_TRUE(numbers.count(n)) << language << " lacks text " << n;
    if (first.empty()) first = numbers;
    EXPECT_EQ(numbers, first) << language << " and " << kLanguages[0] << " differ";
  }
}

TEST(LanguageFiles, LoadToExactlyTheirLines) {
  for (const char* language : kLanguages) {
    const auto texts = ReadStrictly(language);
    LoadLanguage(language);
    for (const auto& [n, text] : texts) EXPECT_EQ(LanguageText(n), text) << language << n;
  }
  LoadEnglishForTests();
}

TEST(LanguageFiles, AreWindows1252NotUtf8) {
  for (const char* language : kLanguages) {
    for (const auto& [n, text] : ReadStrictly(language)) {
      for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool undefined = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        const bool utf8Lead = (c == 0xC2 || c == 0xC3) && i + 1 < text.size() &&
                              (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        EXPECT_FALSE(undefined || utf8Lead || c < 0x20) << language << " text " << n;
      }
    }
  }
}

}  // namespace
