// What the readers of positions and games share about plain text.
#pragma once

#include <string_view>

// Blanks of any kind: spaces, tabs, line ends, form feeds.
constexpr bool espace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// The text without the blanks around it.
constexpr std::string_view rogner_espaces(std::string_view s) {
  while (!s.empty() && espace(s.front())) s.remove_prefix(1);
  while (!s.empty() && espace(s.back())) s.remove_suffix(1);
  return s;
}

// The text without the UTF-8 byte order mark some programs write first.
constexpr std::string_view sans_bom(std::string_view s) {
  return s.substr(0, 3) == "\xEF\xBB\xBF" ? s.substr(3) : s;
}
