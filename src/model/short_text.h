// A text held inside a record with a fixed capacity: assigning a longer value keeps its
// first N bytes (Windows-1252, one byte per character).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N>
class ShortText {
 public:
  static constexpr std::size_t kCapacity = N;

  ShortText() = default;
  ShortText(std::string_view text) { assign(text); }    // NOLINT: implicit by design
  ShortText(const char* text) { assign(text); }         // NOLINT
  ShortText(const std::string& text) { assign(text); }  // NOLINT

  ShortText& operator=(std::string_view text) { return assign(text); }
  ShortText& operator=(const char* text) { return assign(text); }
  ShortText& operator=(const std::string& text) { return assign(text); }

  ShortText& assign(std::string_view text) {
    value_.assign(text.substr(0, N));
    return *this;
  }

  const std::string& str() const { return value_; }
  operator const std::string&() const { return value_; }  // NOLINT
  const char* c_str() const { return value_.c_str(); }
  std::size_t size() const { return value_.size(); }
  bool empty() const { return value_.empty(); }
  void clear() { value_.clear(); }

  friend bool operator==(const ShortText& a, const ShortText& b) = default;
  friend bool operator==(const ShortText& a, std::string_view b) { return a.value_ == b; }
  // Without these a literal or a std::string is ambiguous between the two above and
  // std::string's own comparison.
  friend bool operator==(const ShortText& a, const char* b) { return a.value_ == b; }
  friend bool operator==(const ShortText& a, const std::string& b) { return a.value_ == b; }

 private:
  std::string value_;
};
