#pragma once

#include <optional>
#include <string_view>

namespace inventory {

// ASCII case-insensitive equality, as the management service compares class
// and property names.
[[nodiscard]] bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The class name of a query "Select * from <class>" (keywords in any case,
// single spaces), or nothing for any other query text.
[[nodiscard]] std::optional<std::string_view> queriedClass(std::string_view queryText);

}  // namespace inventory
