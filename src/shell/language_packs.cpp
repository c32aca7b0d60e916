#include "shell/language_packs.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "shell/language.h"
#include "shell/language_lines.h"
#include "shell/message_box.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarker = "BOF ->";

bool IsPackName(const std::string& fileName) {
  if (fileName.size() <= 4 || fileName.front() == '.') return false;
  const std::string ext = fileName.substr(fileName.size() - 4);
  return CompareTextNoCase(ext, ".cmp") == 0;
}

std::string SectionName(std::string_view marker) {
  std::string_view name = marker.substr(kMarker.size());
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return std::string(name);
}

bool IsSafeFileName(const std::string& name) {
  return !name.empty() && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos &&
         name.find("..") == std::string::npos;
}

void WriteSection(const fs::path& target, const std::vector<std::string_view>& lines) {
  std::FILE* file = std::fopen(target.c_str(), "wb");
  if (!file) {
    throw std::runtime_error("Cannot create file \"" + target.string() + "\". " +
                             std::strerror(errno));
  }
  int error = 0;
  for (std::string_view line : lines) {
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
        std::fwrite("\r\n", 1, 2, file) != 2) {
      error = errno;
      break;
    }
  }
  if (std::fclose(file) != 0 && error == 0) error = errno;
  if (error != 0) {
    throw std::runtime_error("Cannot write file \"" + target.string() + "\". " +
                             std::strerror(error));
  }
}

// Writes the section's lines, or skips the section when its name would leave `folder`.
void FinishSection(const fs::path& pack, const fs::path& folder, const std::string& name,
                   const std::vector<std::string_view>& lines) {
  const fs::path target = folder / name;
  if (!IsSafeFileName(name) || fs::is_symlink(target)) {
    ShowMessageBox("Language pack \"" + pack.filename().string() + "\": the section \"" + name +
                       "\" does not name a file of its own folder and was skipped.",
                   MsgKind::Warning, MsgButtons::Ok);
    return;
  }
  WriteSection(target, lines);
}

void UnpackPack(const fs::path& pack) {
  const std::string fileName = pack.filename().string();
  const fs::path folder =
      fs::path(CurrentLanguageFolder()) / fileName.substr(0, fileName.size() - 4);
  fs::create_directories(folder);
  const std::string bytes = ReadWholeFile(pack.string());
  std::vector<std::string_view> lines;
  std::optional<std::string> pending;
  for (std::string_view line : SplitTextLines(bytes)) {
    if (line.substr(0, kMarker.size()) != kMarker) {
      lines.push_back(line);
      continue;
    }
    if (pending) {
      FinishSection(pack, folder, *pending, lines);
      lines.clear();
    }
    pending = SectionName(line);
    if (UiHost* host = CurrentUiHost()) host->ProcessMessages();
  }
  if (pending) FinishSection(pack, folder, *pending, lines);
  fs::remove(pack);
}

std::vector<fs::path> FindPacks() {
  std::vector<fs::path> packs;
  for (const auto& entry : fs::directory_iterator(CurrentLanguageFolder())) {
    if (entry.is_regular_file() && !entry.is_symlink() &&
        IsPackName(entry.path().filename().string())) {
      packs.push_back(entry.path());
    }
  }
  std::sort(packs.begin(), packs.end());
  return packs;
}

}  // namespace

bool HasLanguagePack(const std::string& language) {
  try {
    for (const fs::path& pack : FindPacks()) {
      const std::string fileName = pack.filename().string();
      if (fileName.substr(0, fileName.size() - 4) == language) return true;
    }
  } catch (const std::exception&) {
  }
  return false;
}

void UnpackLanguagePacks() {
  UiHost* host = CurrentUiHost();
  if (host) host->SetWaitCursor(true);
  try {
    for (const fs::path& pack : FindPacks()) UnpackPack(pack);
  } catch (const std::exception& e) {
    ShowMessageBox(e.what(), MsgKind::Warning, MsgButtons::Ok);
  }
  if (host) host->SetWaitCursor(false);
}
