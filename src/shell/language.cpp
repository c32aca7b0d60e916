#include "shell/language.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

#include "shell/language_lines.h"
#include "shell/message_box.h"

namespace {

struct Entry {
  int number;
  std::string text;
};

// Sorted by number, one entry per number.
using Index = std::vector<Entry>;

std::mutex mutex;
std::string folder;
std::shared_ptr<const Index> loaded = std::make_shared<Index>();

Index BuildIndex(const std::string& bytes) {
  struct Candidate {
    int number;
    std::string_view line;
    size_t textStart;
  };
  std::vector<Candidate> candidates;
  for (std::string_view line : SplitTextLines(bytes)) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const auto number = ParseTextNumber(line.substr(0, equals));
    if (!number || *number <= 0) continue;
    candidates.push_back({*number, line, equals + 1});
  }
  // Stable, so lines equal but for case keep their file order.
  std::stable_sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
    if (a.number != b.number) return a.number < b.number;
    return CompareTextNoCase(a.line, b.line) < 0;
  });
  Index index;
  index.reserve(candidates.size());
  for (const auto& c : candidates) {
    if (!index.empty() && index.back().number == c.number) continue;
    index.push_back({c.number, std::string(c.line.substr(c.textStart))});
  }
  return index;
}

void Install(std::shared_ptr<const Index> index) {
  std::lock_guard lock(mutex);
  loaded = std::move(index);
}

}  // namespace

void SetLanguageFolder(const std::string& path) {
  std::lock_guard lock(mutex);
  folder = path;
}

std::string CurrentLanguageFolder() {
  std::lock_guard lock(mutex);
  return folder;
}

void LoadLanguage(const std::string& name) {
  Install(std::make_shared<Index>());
  try {
    const std::string path = CurrentLanguageFolder() + name + "/" + name + ".ln3";
    Install(std::make_shared<Index>(BuildIndex(ReadWholeFile(path))));
  } catch (const std::exception& e) {
    ShowMessageBox(e.what(), MsgKind::Warning, MsgButtons::Ok);
  }
}

std::string LanguageText(int n) {
  try {
    std::lock_guard lock(mutex);
    const auto it = std::lower_bound(loaded->begin(), loaded->end(), n,
                                     [](const Entry& e, int key) { return e.number < key; });
    if (it == loaded->end() || it->number != n) return {};
    return it->text;
  } catch (const std::exception& e) {
    try {
      ShowMessageBox(e.what(), MsgKind::Warning, MsgButtons::Ok);
    } catch (...) {
    }
    return {};
  }
}
