#include "inventory/query_text.h"

#include <algorithm>

namespace inventory {
namespace {

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::string_view> queriedClass(std::string_view queryText) {
  constexpr std::string_view prefix = "Select * from ";
  if (queryText.size() <= prefix.size() || !equalsIgnoreCase(queryText.substr(0, prefix.size()), prefix)) {
    return std::nullopt;
  }
  const std::string_view name = queryText.substr(prefix.size());
  if (!std::all_of(name.begin(), name.end(), isNameCharacter)) return std::nullopt;
  return name;
}

}  // namespace inventory
