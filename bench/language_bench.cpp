// Times loading the shipped English file and looking one text up.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "shell/language.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

}  // namespace

int main() {
  SetLanguageFolder(VELA_SOURCE_DIR "/resources/LANGUAGE/");

  std::vector<double> loads;
  for (int i = 0; i < 200; ++i) {
    const auto start = Clock::now();
    LoadLanguage("English");
    loads.push_back(Microseconds(Clock::now() - start));
  }
  std::sort(loads.begin(), loads.end());
  if (LanguageText(1).empty()) {
    std::fprintf(stderr, "the English file did not load\n");
    return 1;
  }

  // Numbers spread over the file, some of them absent, so every lookup searches.
  const int numbers[] = {1, 21, 58, 119, 146, 237, 356, 440, 504, 1124, 9, 600};
  constexpr int kRounds = 200000;
  size_t chars = 0;
  const auto start = Clock::now();
  for (int r = 0; r < kRounds; ++r) {
    for (int n : numbers) chars += LanguageText(n).size();
  }
  const double perLookup = Microseconds(Clock::now() - start) / (kRounds * std::size(numbers));

  std::printf("load English.ln3: median %.0f us, best %.0f us, worst %.0f us (%zu runs)\n",
              loads[loads.size() / 2], loads.front(), loads.back(), loads.size());
  std::printf("LanguageText: %.3f us per lookup (%zu characters read)\n", perLookup, chars);
  return 0;
}
