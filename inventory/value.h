#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace inventory {

// The decimal separator that real numbers are written with.
struct NumberFormat {
  std::string decimalSeparator = ".";

  // The separator of the user's locale, looked up once per process.
  [[nodiscard]] static const NumberFormat& user();
};

// One property value as the inventory source delivers it: unset (never
// assigned), null (no value), text, or integer.
class InventoryValue final {
 public:
  enum class State { Unset, Null, Text, Integer };

  InventoryValue() = default;
  [[nodiscard]] static InventoryValue null();
  [[nodiscard]] static InventoryValue text(std::string text);
  [[nodiscard]] static InventoryValue integer(std::int64_t value);

  [[nodiscard]] State state() const;
  [[nodiscard]] bool isUnset() const { return state() == State::Unset; }
  [[nodiscard]] bool isNull() const { return state() == State::Null; }
  [[nodiscard]] bool isText() const { return state() == State::Text; }
  [[nodiscard]] bool isInteger() const { return state() == State::Integer; }

  // Precondition: isText() / isInteger().
  [[nodiscard]] const std::string& asText() const;
  [[nodiscard]] std::int64_t asInteger() const;

  // The value as a number: text read as a decimal number, an integer as its
  // value, unset as 0, null as no number. Throws InventoryError for text that
  // is not a decimal number.
  [[nodiscard]] std::optional<double> toNumber() const;

  friend bool operator==(const InventoryValue&, const InventoryValue&) = default;

 private:
  struct Unset {
    friend bool operator==(Unset, Unset) = default;
  };
  struct Null {
    friend bool operator==(Null, Null) = default;
  };
  std::variant<Unset, Null, std::string, std::int64_t> value_;
};

// 1024: the only unit constant; divisors are its powers, formed in floating point.
inline constexpr double unitBase = 1024.0;

// Rounds to two decimal places, a value exactly halfway going to the even neighbour.
[[nodiscard]] double round2(double value);

// The one rule by which values and numbers become text: unset and null give
// the empty text, text is unchanged, an integer gives its decimal digits.
[[nodiscard]] std::string valueText(const InventoryValue& value);

// A real number's shortest decimal form with at most 15 significant digits,
// without exponent or trailing zeros, with the given decimal separator.
[[nodiscard]] std::string valueText(double value, const NumberFormat& format = NumberFormat::user());

// A quotient that may be null: null gives the empty text.
[[nodiscard]] std::string valueText(std::optional<double> value,
                                    const NumberFormat& format = NumberFormat::user());

}  // namespace inventory
