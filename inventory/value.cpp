#include "inventory/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "inventory/error.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace inventory {
namespace {

std::string userDecimalSeparator() {
#ifdef _WIN32
  wchar_t separator[8] = {};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  if (length > 1) {
    char utf8[32] = {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, separator, length - 1, utf8, sizeof utf8, nullptr, nullptr);
    if (bytes > 0) return std::string(utf8, static_cast<std::size_t>(bytes));
  }
  return ".";
#else
  // The C library's view of the locale: much cheaper to open than a
  // std::locale, which loads every facet.
  const locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return ".";  // the environment names a locale that is not installed
  std::string separator = nl_langinfo_l(RADIXCHAR, locale);
  freelocale(locale);
  return separator.empty() ? "." : separator;
#endif
}

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool isDecimalNumber(std::string_view text) {
  std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

}  // namespace

const NumberFormat& NumberFormat::user() {
  static const NumberFormat format{userDecimalSeparator()};
  return format;
}

InventoryValue InventoryValue::null() {
  InventoryValue value;
  value.value_ = Null{};
  return value;
}

InventoryValue InventoryValue::text(std::string text) {
  InventoryValue value;
  value.value_ = std::move(text);
  return value;
}

InventoryValue InventoryValue::integer(std::int64_t number) {
  InventoryValue value;
  value.value_ = number;
  return value;
}

InventoryValue::State InventoryValue::state() const {
  return static_cast<State>(value_.index());
}

const std::string& InventoryValue::asText() const {
  return std::get<std::string>(value_);
}

std::int64_t InventoryValue::asInteger() const {
  return std::get<std::int64_t>(value_);
}

std::optional<double> InventoryValue::toNumber() const {
  switch (state()) {
    case State::Unset:
      return 0.0;
    case State::Null:
      return std::nullopt;
    case State::Integer:
      return static_cast<double>(asInteger());
    case State::Text:
      break;
  }
  const std::string_view text = trimSpaces(asText());
  const std::string_view unsigned_text = (!text.empty() && text[0] == '+') ? text.substr(1) : text;
  double number = 0;
  if (isDecimalNumber(text)) {
    const auto [end, error] = std::from_chars(unsigned_text.data(), unsigned_text.data() + unsigned_text.size(),
                                              number, std::chars_format::fixed);
    if (error == std::errc{} && end == unsigned_text.data() + unsigned_text.size() && std::isfinite(number)) {
      return number;
    }
  }
  throw InventoryError("\"" + asText() + "\" is not a decimal number");
}

double round2(double value) {
  const double scaled = value * 100;
  if (!std::isfinite(scaled)) return value;
  double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  bool up = fraction > 0.5;
  if (fraction == 0.5) {
    // The product may have been rounded onto the halfway point; its exact
    // remainder tells on which side the value really lies.
    const double remainder = std::fma(value, 100, -scaled);
    up = remainder > 0 || (remainder == 0 && std::fmod(whole, 2) != 0);
  }
  return up ? (whole + 1) / 100 : whole / 100;
}

std::string valueText(const InventoryValue& value) {
  switch (value.state()) {
    case InventoryValue::State::Text:
      return value.asText();
    case InventoryValue::State::Integer:
      return std::to_string(value.asInteger());
    case InventoryValue::State::Unset:
    case InventoryValue::State::Null:
      break;
  }
  return {};
}

std::string valueText(double value, const NumberFormat& format) {
  if (!std::isfinite(value)) return {};
  // Round to 15 significant digits, then write them out positionally.
  char scientific[32];
  std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
  const std::string_view text = scientific;  // "d.dddddddddddddde+XX"
  std::string significand(1, text[0]);
  significand.append(text.substr(2, 14));
  const int exponent = std::atoi(scientific + text.find('e') + 1);

  std::string whole;
  std::string fraction;
  if (exponent < 0) {
    whole = "0";
    fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + significand;
  } else if (exponent >= static_cast<int>(significand.size())) {
    whole = significand + std::string(static_cast<std::size_t>(exponent) + 1 - significand.size(), '0');
  } else {
    whole = significand.substr(0, static_cast<std::size_t>(exponent) + 1);
    fraction = significand.substr(static_cast<std::size_t>(exponent) + 1);
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

  std::string result = (value < 0 && (whole != "0" || !fraction.empty())) ? "-" : "";
  result += whole;
  if (!fraction.empty()) result += format.decimalSeparator + fraction;
  return result;
}

std::string valueText(std::optional<double> value, const NumberFormat& format) {
  return value ? valueText(*value, format) : std::string();
}

}  // namespace inventory
