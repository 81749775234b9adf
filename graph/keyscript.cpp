// Key script parsing; named keys go through the same table as real keys.
#include "graph/keyscript.h"

#include <cctype>

#include "common/cp1252.h"
#include "common/text.h"
#include "graph/keymap.h"

namespace graph {
namespace {

std::string Trim(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return std::string(s.substr(a, b - a));
}

// The character a press types when the table queues nothing for it (such
// presses reach a real kiosk as typed text).
std::string TypedText(const KeyPress& p) {
  switch (p.key) {
    case Key::Letter:
      if (p.ctrl || p.alt) return "";
      return std::string(1, p.shift ? p.letter : static_cast<char>(std::tolower(static_cast<unsigned char>(p.letter))));
    case Key::Digit: return p.ctrl || p.alt || p.shift ? "" : std::string(1, p.letter);
    case Key::Space: return p.alt ? "" : " ";
    case Key::KpMultiply: return "*";
    case Key::KpPlus: return "+";
    case Key::KpMinus: return "-";
    case Key::KpDivide: return "/";
    default: break;
  }
  if (p.numLock && !p.ctrl && !p.alt) {
    if (p.key >= Key::Kp0 && p.key <= Key::Kp9)
      return std::string(1, static_cast<char>('0' + (static_cast<int>(p.key) - static_cast<int>(Key::Kp0))));
    if (p.key == Key::KpPeriod) return ".";
  }
  return "";
}

bool NamedKey(const std::string& body, ScriptStep& step, std::string& error) {
  std::string u = kiosk::UpperAscii(body);
  if (u == "CLOSE") {
    step.bytes = std::string("\0\x6b", 2);
    return true;
  }
  KeyPress p;
  std::size_t start = 0;
  for (;;) {
    std::size_t plus = u.find('+', start);
    if (plus == std::string::npos) break;
    std::string mod = u.substr(start, plus - start);
    if (mod == "SHIFT") p.shift = true;
    else if (mod == "CTRL") p.ctrl = true;
    else if (mod == "ALT") p.alt = true;
    else if (mod == "NUM") p.numLock = true;
    else {
      error = "unknown modifier " + mod + " in {" + body + "}";
      return false;
    }
    start = plus + 1;
  }
  KeyPress k = KeyPressFromName(u.substr(start));
  if (k.key == Key::None) {
    error = "unknown key {" + body + "}";
    return false;
  }
  k.shift = p.shift;
  k.ctrl = p.ctrl;
  k.alt = p.alt;
  k.numLock = p.numLock;
  KeyOutput out = TranslateKey(k);
  if (out.kind == KeyOutput::kChar) step.bytes = std::string(1, static_cast<char>(out.value));
  else if (out.kind == KeyOutput::kCode) step.bytes = std::string{'\0', static_cast<char>(out.value)};
  else step.bytes = TypedText(k);
  return true;
}

}  // namespace

bool ParseKeyScript(std::string_view s, std::vector<ScriptStep>& steps, std::string& error) {
  steps.clear();
  std::size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c == '{' && i + 1 < s.size() && s[i + 1] == '{') {
      steps.push_back({ScriptStep::kKey, "{", 0, ""});
      i += 2;
      continue;
    }
    if (c == '{') {
      std::size_t close = s.find('}', i);
      if (close == std::string_view::npos) {
        error = "unclosed { at offset " + std::to_string(i);
        return false;
      }
      std::string body = Trim(s.substr(i + 1, close - i - 1));
      i = close + 1;
      std::string u = kiosk::UpperAscii(body);
      ScriptStep step;
      if (u.rfind("WAIT", 0) == 0 && (u.size() == 4 || std::isspace(static_cast<unsigned char>(u[4])))) {
        std::string num = Trim(u.substr(4));
        if (num.empty() || num.size() > 9 || num.find_first_not_of("0123456789") != std::string::npos) {
          error = "bad wait {" + body + "}";
          return false;
        }
        step.kind = ScriptStep::kWait;
        step.ms = std::stoll(num);
      } else if (u.rfind("SHOT", 0) == 0 && u.size() > 4 && std::isspace(static_cast<unsigned char>(u[4]))) {
        step.kind = ScriptStep::kShot;
        step.name = Trim(body.substr(4));
        if (step.name.empty() || step.name.find_first_of("/\\") != std::string::npos || step.name[0] == '.') {
          error = "bad shot name {" + body + "}";
          return false;
        }
      } else if (!NamedKey(body, step, error)) {
        return false;
      }
      steps.push_back(step);
      continue;
    }
    // One UTF-8 character, typed as its Windows-1252 byte.
    std::size_t len = 1;
    unsigned char b = static_cast<unsigned char>(c);
    if (b >= 0xF0) len = 4;
    else if (b >= 0xE0) len = 3;
    else if (b >= 0xC0) len = 2;
    if (i + len > s.size()) len = 1;
    std::string bytes = kiosk::Utf8ToCp1252(s.substr(i, len));
    for (char ch : bytes) steps.push_back({ScriptStep::kKey, std::string(1, ch), 0, ""});
    i += len;
  }
  return true;
}

}  // namespace graph
