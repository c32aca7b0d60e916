#include "sim/faults.h"

#include <cctype>
#include <cstdio>

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool ParseCount(const std::string& text, int* value) {
  if (text.empty() || text.size() > 9) return false;
  int v = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    v = v * 10 + (c - '0');
  }
  *value = v;
  return true;
}

bool ParseByte(const std::string& text, int* value) {
  if (text.size() > 2 && (text[0] == '0') && (text[1] == 'x' || text[1] == 'X')) {
    int v = 0;
    for (size_t i = 2; i < text.size(); ++i) {
      const int c = std::tolower(static_cast<unsigned char>(text[i]));
      if (!std::isxdigit(c)) return false;
      v = v * 16 + (std::isdigit(c) ? c - '0' : c - 'a' + 10);
    }
    if (v > 255) return false;
    *value = v;
    return true;
  }
  return ParseCount(text, value) && *value <= 255;
}

}  // namespace

std::string RefusedName(const std::string& text) {
  if (text.size() == 1 && !std::isalpha(static_cast<unsigned char>(text[0]))) return text;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    int v = 0;
    if (ParseByte(text, &v)) {
      if (v > 32 && v < 127 && !std::isalpha(v)) return std::string(1, static_cast<char>(v));
      char buf[8];
      std::snprintf(buf, sizeof buf, "0x%02X", v);
      return buf;
    }
  }
  std::string name = Upper(text);
  if (name.size() > 2 && name.compare(0, 2, "AT") == 0) name.erase(0, 2);
  if (!name.empty() && std::isalpha(static_cast<unsigned char>(name[0])) && name.size() > 2)
    name.insert(name.begin(), '+');
  return name;
}

bool Faults::Refuses(const std::string& name) const {
  return refused.count(name) > 0;
}

bool SetFault(Faults* f, const std::string& spec, std::string* error) {
  const size_t eq = spec.find('=');
  const std::string name = spec.substr(0, eq);
  const bool hasValue = eq != std::string::npos;
  const std::string value = hasValue ? spec.substr(eq + 1) : std::string();
  int n = 0;
  auto bad = [&](const char* what) {
    if (error) *error = "fault \"" + spec + "\": " + what;
    return false;
  };
  if (name == "silent" && !hasValue) {
    f->silent = true;
  } else if (name == "silent-after") {
    if (!ParseCount(value, &n)) return bad("needs a count, e.g. silent-after=5");
    f->silentAfter = n;
  } else if (name == "garbage" && !hasValue) {
    f->garbage = true;
  } else if (name == "chatter" && !hasValue) {
    f->chatter = true;
  } else if (name == "error") {
    if (value.empty()) return bad("needs a command, e.g. error=AT+CMGW or error=8");
    f->refused.insert(RefusedName(value));
  } else if (name == "bad-checksum" && !hasValue) {
    f->badChecksum = true;
  } else if (name == "pin" && !hasValue) {
    f->pin = true;
  } else if (name == "not-ready" && !hasValue) {
    f->notReady = true;
  } else if (name == "warning") {
    if (!hasValue) {
      n = 0x20;
    } else if (!ParseByte(value, &n)) {
      return bad("needs a byte, e.g. warning=0x10");
    }
    f->warning = n;
  } else if (name == "cut" && !hasValue) {
    f->cut = true;
  } else if (name == "cut-after") {
    if (!ParseCount(value, &n)) return bad("needs a count, e.g. cut-after=3");
    f->cutAfter = n;
  } else if (name == "slow") {
    if (!hasValue) {
      n = 1000;
    } else if (!ParseCount(value, &n)) {
      return bad("needs milliseconds, e.g. slow=1500");
    }
    f->slowMs = n;
  } else if (name == "prompt-crlf" && !hasValue) {
    f->promptCrLf = true;
  } else if (name == "store-from") {
    if (!ParseCount(value, &n) || n < 1) return bad("needs an index, e.g. store-from=20");
    f->storeFrom = n;
  } else {
    return bad("unknown fault (see sim/README.md)");
  }
  return true;
}

bool ClearFault(Faults* f, const std::string& spec, std::string* error) {
  const size_t eq = spec.find('=');
  const std::string name = spec.substr(0, eq);
  if (name == "silent") {
    f->silent = false;
  } else if (name == "silent-after") {
    f->silentAfter = -1;
  } else if (name == "garbage") {
    f->garbage = false;
  } else if (name == "chatter") {
    f->chatter = false;
  } else if (name == "error") {
    if (eq == std::string::npos)
      f->refused.clear();
    else
      f->refused.erase(RefusedName(spec.substr(eq + 1)));
  } else if (name == "bad-checksum") {
    f->badChecksum = false;
  } else if (name == "pin") {
    f->pin = false;
  } else if (name == "not-ready") {
    f->notReady = false;
  } else if (name == "warning") {
    f->warning = -1;
  } else if (name == "cut") {
    f->cut = false;
  } else if (name == "cut-after") {
    f->cutAfter = -1;
  } else if (name == "slow") {
    f->slowMs = 0;
  } else if (name == "prompt-crlf") {
    f->promptCrLf = false;
  } else if (name == "store-from") {
    f->storeFrom = 0;
  } else {
    if (error) *error = "fault \"" + spec + "\": unknown fault";
    return false;
  }
  return true;
}

std::vector<std::string> FaultNames(const Faults& f) {
  std::vector<std::string> out;
  if (f.silent) out.push_back("silent");
  if (f.silentAfter >= 0) out.push_back("silent-after=" + std::to_string(f.silentAfter));
  if (f.garbage) out.push_back("garbage");
  if (f.chatter) out.push_back("chatter");
  for (const std::string& r : f.refused) out.push_back("error=" + r);
  if (f.badChecksum) out.push_back("bad-checksum");
  if (f.pin) out.push_back("pin");
  if (f.notReady) out.push_back("not-ready");
  if (f.warning >= 0) out.push_back("warning=" + std::to_string(f.warning));
  if (f.cut) out.push_back("cut");
  if (f.cutAfter >= 0) out.push_back("cut-after=" + std::to_string(f.cutAfter));
  if (f.slowMs > 0) out.push_back("slow=" + std::to_string(f.slowMs));
  if (f.promptCrLf) out.push_back("prompt-crlf");
  if (f.storeFrom > 0) out.push_back("store-from=" + std::to_string(f.storeFrom));
  return out;
}
