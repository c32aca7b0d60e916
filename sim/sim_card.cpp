#include "sim/sim_card.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace {

const char kHeader[] = "# vela-sim SIM";

// Splits one line of the text form into words; quoted words are unescaped.
bool SplitWords(const std::string& line, std::vector<std::string>* words, std::string* error) {
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    std::string word;
    if (c != '"') {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
      words->push_back(word);
      continue;
    }
    ++i;
    bool closed = false;
    while (i < line.size()) {
      const char d = line[i++];
      if (d == '"') {
        closed = true;
        break;
      }
      if (d != '\\') {
        word += d;
        continue;
      }
      if (i >= line.size()) break;
      const char e = line[i++];
      switch (e) {
        case 'n':
          word += '\n';
          break;
        case 'r':
          word += '\r';
          break;
        case 't':
          word += '\t';
          break;
        case 'x': {
          if (i + 2 > line.size() || !std::isxdigit(static_cast<unsigned char>(line[i])) ||
              !std::isxdigit(static_cast<unsigned char>(line[i + 1]))) {
            *error = "bad \\x escape";
            return false;
          }
          word += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
          i += 2;
          break;
        }
        default:
          word += e;
      }
    }
    if (!closed) {
      *error = "unterminated quoted text";
      return false;
    }
    words->push_back(word);
  }
  return true;
}

bool ToIndex(const std::string& s, int* value) {
  if (s.empty() || s.size() > 6) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  *value = std::stoi(s);
  return *value > 0;
}

bool IsStatus(const std::string& s) {
  return s == "REC UNREAD" || s == "REC READ" || s == "STO UNSENT" || s == "STO SENT";
}

PhoneEntry Entry(const char* number, int type, const char* name) {
  PhoneEntry e;
  e.number = number;
  e.type = type;
  e.name = name;
  return e;
}

}  // namespace

std::string QuoteSimText(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 32 || c == 127) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

SimCard FreshSimCard() {
  SimCard sim;
  sim.phoneBooks["RC"][1] = Entry("+393331234567", 145, "Rossi");
  sim.phoneBooks["RC"][2] = Entry("0212345678", 129, "");
  sim.phoneBooks["MC"][1] = Entry("+393479876543", 145, "Bianchi");
  sim.phoneBooks["DC"][1] = Entry("800123456", 129, "Assistenza");
  return sim;
}

std::string FormatSimText(const SimCard& sim) {
  std::ostringstream out;
  out << kHeader << "\n";
  out << "pin " << QuoteSimText(sim.pin) << (sim.pinRequest ? " on" : " off") << "\n";
  for (const auto& [storage, entries] : sim.phoneBooks)
    for (const auto& [index, e] : entries)
      out << "pb " << storage << " " << index << " " << QuoteSimText(e.number) << " " << e.type
          << " " << QuoteSimText(e.name) << "\n";
  for (const auto& [index, m] : sim.messages)
    out << "sms " << index << " " << QuoteSimText(m.status) << " " << QuoteSimText(m.address) << " "
        << QuoteSimText(m.timestamp) << " " << QuoteSimText(m.text) << "\n";
  for (const SentMessage& s : sim.sent)
    out << "sent " << QuoteSimText(s.destination) << " " << QuoteSimText(s.text) << "\n";
  return out.str();
}

bool ParseSimText(const std::string& text, SimCard* sim, std::string* error) {
  SimCard result;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& what) {
    if (error) *error = "line " + std::to_string(lineNo) + ": " + what;
    return false;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> w;
    std::string why;
    if (!SplitWords(line, &w, &why)) return fail(why);
    if (w.empty() || w[0][0] == '#') continue;
    int index = 0;
    if (w[0] == "pin") {
      if (w.size() != 3 || (w[2] != "on" && w[2] != "off"))
        return fail("expected: pin \"PIN\" on|off");
      result.pin = w[1];
      result.pinRequest = w[2] == "on";
    } else if (w[0] == "pb") {
      int type = 0;
      if (w.size() != 6 || w[1].empty() || !ToIndex(w[2], &index) || !ToIndex(w[4], &type))
        return fail("expected: pb STORAGE INDEX \"NUMBER\" TYPE \"NAME\"");
      result.phoneBooks[w[1]][index] = PhoneEntry{w[3], type, w[5]};
    } else if (w[0] == "sms") {
      if (w.size() != 6 || !ToIndex(w[1], &index) || !IsStatus(w[2]))
        return fail("expected: sms INDEX \"STATUS\" \"ADDRESS\" \"TIME\" \"TEXT\"");
      result.messages[index] = StoredMessage{w[2], w[3], w[4], w[5]};
    } else if (w[0] == "sent") {
      if (w.size() != 3) return fail("expected: sent \"DESTINATION\" \"TEXT\"");
      result.sent.push_back(SentMessage{w[1], w[2]});
    } else {
      return fail("unknown record \"" + w[0] + "\"");
    }
  }
  *sim = result;
  return true;
}
