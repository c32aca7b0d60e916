#include "programming/family_i_writer_form.h"

#include <limits>

#include "programming/family_i_text_helpers.h"

namespace {

class Cursor {
 public:
  Cursor(std::string_view text, size_t pos) : text_(text), pos_(pos) {}

  size_t pos() const { return pos_; }
  bool AtEnd() const { return pos_ == text_.size(); }

  bool Literal(std::string_view literal) {
    if (text_.substr(pos_).substr(0, literal.size()) != literal) return false;
    pos_ += literal.size();
    return true;
  }

  std::optional<char> OneOf(std::string_view set) {
    if (AtEnd() || set.find(text_[pos_]) == std::string_view::npos) return std::nullopt;
    return text_[pos_++];
  }

  // Exactly n characters "0"/"1", character k giving bit k.
  std::optional<uint8_t> Bits(int n) {
    uint8_t mask = 0;
    for (int k = 0; k < n; ++k) {
      const auto c = OneOf("01");
      if (!c) return std::nullopt;
      if (*c == '1') mask |= static_cast<uint8_t>(1u << k);
    }
    return mask;
  }

  // minDigits to maxDigits decimal digits (an optional minus sign first when signed), read
  // as a number within lo..hi.
  std::optional<long long> Number(size_t minDigits, size_t maxDigits, long long lo, long long hi,
                                  bool isSigned = false) {
    const size_t start = pos_;
    if (isSigned && !AtEnd() && text_[pos_] == '-') ++pos_;
    const size_t digitsStart = pos_;
    while (!AtEnd() && pos_ - digitsStart < maxDigits && text_[pos_] >= '0' && text_[pos_] <= '9')
      ++pos_;
    const auto value = ParseNumber(text_.substr(start, pos_ - start));
    if (pos_ - digitsStart < minDigits || !value || *value < lo || *value > hi) return std::nullopt;
    return value;
  }

  std::string_view Take(size_t n) {
    if (text_.size() - pos_ < n) return {};
    const auto piece = text_.substr(pos_, n);
    pos_ += n;
    return piece;
  }

 private:
  std::string_view text_;
  size_t pos_;
};

constexpr long long kByteMax = 255;
constexpr long long kMinutesMax = std::numeric_limits<uint32_t>::max();
constexpr size_t kAnyLength = 20;

// The tail of a commanded group after its name: ",<conf>;FF-LL,TTT;".
bool MatchCommandTail(Cursor& c, OutputImage& img) {
  if (!c.Literal(",")) return false;
  const auto conf = c.Number(1, 3, 0, kByteMax);
  if (!conf || !c.Literal(";")) return false;
  const auto first = c.Number(2, 2, 0, 99);
  if (!first || !c.Literal("-")) return false;
  const auto last = c.Number(2, 2, 0, 99);
  if (!last || !c.Literal(",")) return false;
  const auto time = c.Number(3, 3, 0, kByteMax);
  if (!time || !c.Literal(";")) return false;
  img.conferma = static_cast<uint8_t>(*conf);
  img.first = static_cast<int>(*first);
  img.last = static_cast<int>(*last);
  img.tempoOn = static_cast<uint8_t>(*time);
  return true;
}

// Groups i..4 from pos; a command name is up to 8 characters of anything, so each length is
// tried until the rest of the text fits.
bool MatchGroups(std::string_view text, size_t pos, int i, OutputsImage& out) {
  if (i > 4) return pos == text.size();
  Cursor c(text, pos);
  if (!c.Literal("O" + std::to_string(i) + "=")) return false;
  const auto polarity = c.OneOf("HL");
  if (!polarity || !c.Literal(";")) return false;
  OutputImage& img = out[i - 1];
  img = OutputImage{};
  img.polarity = *polarity == 'H' ? 1 : 0;
  if (c.Literal("E:")) {
    const auto mask = c.Bits(8);
    if (!mask || !c.Literal(";")) return false;
    img.kind = OutputImage::Kind::Events;
    img.mask = *mask;
    return MatchGroups(text, c.pos(), i + 1, out);
  }
  if (!c.Literal("M:")) return false;
  img.kind = OutputImage::Kind::Commanded;
  for (size_t length = 0; length <= 8 && c.pos() + length <= text.size(); ++length) {
    Cursor tail(text, c.pos() + length);
    if (!MatchCommandTail(tail, img)) continue;
    img.name = std::string(text.substr(c.pos(), length));
    if (MatchGroups(text, tail.pos(), i + 1, out)) return true;
  }
  return false;
}

}  // namespace

std::optional<OutputsImage> MatchWriterOutputs(std::string_view text) {
  OutputsImage out;
  if (!MatchGroups(text, 0, 1, out)) return std::nullopt;
  return out;
}

std::optional<OptionsImage> MatchWriterOptions(std::string_view text) {
  OptionsImage img;
  Cursor c(text, 0);
  if (!c.Literal("IP:")) return std::nullopt;
  for (int i = 0; i < 4; ++i) {
    const auto p = c.OneOf("HL");
    if (!p) return std::nullopt;
    img.polarityHigh[i] = *p == 'H';
  }
  if (!c.Literal(";IS:")) return std::nullopt;
  for (int i = 0; i < 4; ++i) {
    const auto pair = c.Bits(2);
    if (!pair) return std::nullopt;
    img.serv1[i] = *pair & 1;
    img.serv2[i] = *pair & 2;
  }
  if (!c.Literal(";MP:")) return std::nullopt;
  const auto sms = c.Number(6, kAnyLength, 0, kMinutesMax);
  if (!sms || !c.Literal(",DP:")) return std::nullopt;
  const auto report = c.Number(6, kAnyLength, 0, kMinutesMax);
  if (!report || !c.Literal(";C2:")) return std::nullopt;
  const auto code = c.Take(4);
  if (code.size() != 4 || !c.Literal(";T:")) return std::nullopt;
  const auto credit = c.Number(2, kAnyLength, 0, kByteMax);
  if (!credit || !c.Literal(";P")) return std::nullopt;
  const auto priority = c.OneOf("AI");
  if (!priority || !c.Literal(";R:")) return std::nullopt;
  const auto digits = c.Number(1, kAnyLength, std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max(), true);
  if (!digits || !c.Literal(";P:")) return std::nullopt;
  // The prefix is the last token: everything up to the closing ";".
  const std::string_view rest = text.substr(c.pos());
  if (rest.empty() || rest.back() != ';') return std::nullopt;
  img.smsInterval = static_cast<uint32_t>(*sms);
  img.reportInterval = static_cast<uint32_t>(*report);
  img.secondCode = std::string(code);
  img.credit = static_cast<uint8_t>(*credit);
  img.priority = *priority == 'A';
  img.digitsRemoved = static_cast<int32_t>(*digits);
  img.prefix = std::string(rest.substr(0, rest.size() - 1));
  return img;
}
