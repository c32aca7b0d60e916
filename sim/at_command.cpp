#include "sim/at_command.h"

#include <cctype>

namespace {

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '!' || c == '%' || c == '-' ||
         c == '.' || c == '/' || c == ':' || c == '_';
}

char Up(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Reads the parameter part of an extended command up to ";" outside quotes.
bool ReadExtendedTail(const std::string& s, size_t* i, AtCommand* cmd) {
  if (*i < s.size() && s[*i] == '?') {
    cmd->kind = AtCommand::kRead;
    ++*i;
    return true;
  }
  if (*i < s.size() && s[*i] == '=') {
    ++*i;
    if (*i < s.size() && s[*i] == '?') {
      cmd->kind = AtCommand::kTest;
      ++*i;
      return true;
    }
    cmd->kind = AtCommand::kSet;
    bool inQuote = false;
    while (*i < s.size() && (inQuote || s[*i] != ';')) {
      if (s[*i] == '"') inQuote = !inQuote;
      cmd->args += s[(*i)++];
    }
    return !inQuote;
  }
  return true;
}

}  // namespace

bool SplitCommandLine(const std::string& body, std::vector<AtCommand>* commands) {
  commands->clear();
  size_t i = 0;
  while (i < body.size()) {
    const char c = body[i];
    if (c == ' ' || c == ';') {
      ++i;
      continue;
    }
    AtCommand cmd;
    if (c == '+' || c == '^' || c == '*' || c == '$' || c == '%' || c == '#') {
      cmd.name += c;
      ++i;
      while (i < body.size() && IsNameChar(body[i])) cmd.name += Up(body[i++]);
      if (cmd.name.size() < 2 || !ReadExtendedTail(body, &i, &cmd)) return false;
      // Anything else before the ";" makes the line malformed.
      while (i < body.size() && body[i] == ' ') ++i;
      if (i < body.size() && body[i] != ';') return false;
    } else if (Up(c) == 'D') {  // dial: the rest of the line is its argument
      cmd.name = "D";
      cmd.args = body.substr(i + 1);
      i = body.size();
    } else if (Up(c) == 'S' && i + 1 < body.size() &&
               std::isdigit(static_cast<unsigned char>(body[i + 1]))) {
      cmd.name = "S";
      ++i;
      while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])))
        cmd.name += body[i++];
      if (i < body.size() && body[i] == '?') {
        cmd.kind = AtCommand::kRead;
        ++i;
      } else if (i < body.size() && body[i] == '=') {
        cmd.kind = AtCommand::kSet;
        ++i;
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])))
          cmd.args += body[i++];
      }
    } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '&') {
      if (c == '&') {
        if (i + 1 >= body.size() || !std::isalpha(static_cast<unsigned char>(body[i + 1])))
          return false;
        cmd.name = std::string("&") + Up(body[i + 1]);
        i += 2;
      } else {
        cmd.name = std::string(1, Up(c));
        ++i;
      }
      while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])))
        cmd.args += body[i++];
      if (i < body.size() && body[i] == '?') {
        cmd.kind = AtCommand::kRead;
        ++i;
      }
    } else {
      return false;
    }
    commands->push_back(cmd);
  }
  return true;
}

std::vector<AtArg> SplitArgs(const std::string& args) {
  std::vector<AtArg> out;
  if (args.empty()) return out;
  AtArg cur;
  bool inQuote = false;
  std::string bare;
  auto finish = [&]() {
    if (!cur.quoted) {
      size_t b = bare.find_first_not_of(" \t");
      size_t e = bare.find_last_not_of(" \t");
      cur.text = b == std::string::npos ? std::string() : bare.substr(b, e - b + 1);
    }
    out.push_back(cur);
    cur = AtArg();
    bare.clear();
  };
  for (char c : args) {
    if (inQuote) {
      if (c == '"')
        inQuote = false;
      else
        cur.text += c;
    } else if (c == '"') {
      inQuote = true;
      cur.quoted = true;
    } else if (c == ',') {
      finish();
    } else if (!cur.quoted) {
      bare += c;
    }
  }
  finish();
  return out;
}

bool ArgNumber(const std::vector<AtArg>& args, size_t i, int* value) {
  if (i >= args.size() || args[i].text.empty() || args[i].text.size() > 9) return false;
  int v = 0;
  for (char c : args[i].text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    v = v * 10 + (c - '0');
  }
  *value = v;
  return true;
}
