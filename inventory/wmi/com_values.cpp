#include "inventory/wmi/com_values.h"

#include <cstdio>
#include <limits>
#include <optional>

#include "inventory/error.h"

namespace inventory::wmi {
namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

const char* baseTypeName(std::uint16_t type) {
  switch (type) {
    case vtEmpty: return "VT_EMPTY";
    case vtNull: return "VT_NULL";
    case vtI2: return "VT_I2";
    case vtI4: return "VT_I4";
    case vtR4: return "VT_R4";
    case vtR8: return "VT_R8";
    case vtCy: return "VT_CY";
    case vtDate: return "VT_DATE";
    case vtBstr: return "VT_BSTR";
    case vtDispatch: return "VT_DISPATCH";
    case vtError: return "VT_ERROR";
    case vtBool: return "VT_BOOL";
    case vtVariant: return "VT_VARIANT";
    case vtUnknown: return "VT_UNKNOWN";
    case vtDecimal: return "VT_DECIMAL";
    case vtI1: return "VT_I1";
    case vtUi1: return "VT_UI1";
    case vtUi2: return "VT_UI2";
    case vtUi4: return "VT_UI4";
    case vtI8: return "VT_I8";
    case vtUi8: return "VT_UI8";
    case vtInt: return "VT_INT";
    case vtUint: return "VT_UINT";
    default: return nullptr;
  }
}

struct IntegerLayout {
  int bytes;
  bool isUnsigned;
};

// Width and signedness of the integer VARTYPEs; VT_INT and VT_UINT are 32
// bits on Windows.
std::optional<IntegerLayout> integerLayout(std::uint16_t type) {
  switch (type) {
    case vtI1: return IntegerLayout{1, false};
    case vtUi1: return IntegerLayout{1, true};
    case vtI2: return IntegerLayout{2, false};
    case vtUi2: return IntegerLayout{2, true};
    case vtI4:
    case vtInt: return IntegerLayout{4, false};
    case vtUi4:
    case vtUint: return IntegerLayout{4, true};
    case vtI8: return IntegerLayout{8, false};
    case vtUi8: return IntegerLayout{8, true};
    default: return std::nullopt;
  }
}

// The property's declared signedness, when its CIM type is an integer.
std::optional<bool> cimUnsigned(std::int32_t cimType) {
  switch (cimType) {
    case cimUint8:
    case cimUint16:
    case cimUint32:
    case cimUint64: return true;
    case cimSint8:
    case cimSint16:
    case cimSint32:
    case cimSint64: return false;
    default: return std::nullopt;
  }
}

InventoryValue integerValue(const VariantData& variant, IntegerLayout layout) {
  const bool isUnsigned = cimUnsigned(variant.cimType).value_or(layout.isUnsigned);
  const int bits = layout.bytes * 8;
  std::uint64_t value = variant.bits;
  if (bits < 64) {
    value &= (std::uint64_t{1} << bits) - 1;
    const std::uint64_t signBit = std::uint64_t{1} << (bits - 1);
    if (!isUnsigned && (value & signBit) != 0) value |= ~((std::uint64_t{1} << bits) - 1);
  } else if (isUnsigned && value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    throw InventoryError("the unsigned value " + std::to_string(value) + " (" + varTypeName(variant.type) +
                         ") is too large for an integer");
  }
  return InventoryValue::integer(static_cast<std::int64_t>(value));
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Decodes one UTF-8 sequence at `at` and advances past it. A byte that starts
// no valid sequence (stray, truncated, overlong, surrogate, beyond U+10FFFF)
// gives U+FFFD and is skipped alone.
char32_t decodeUtf8(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  const int length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
  constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  char32_t c = lead & (0x7F >> length);
  bool valid = length != 0 && at + length <= text.size();
  for (int i = 1; valid && i < length; ++i) {
    valid = (byte(at + i) & 0xC0) == 0x80;
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  if (!valid || c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++at;
    return replacementCharacter;
  }
  at += length;
  return c;
}

const char* hresultName(std::uint32_t hresult) {
  switch (hresult) {
    case 0x80041001: return "WBEM_E_FAILED";
    case 0x80041002: return "WBEM_E_NOT_FOUND";
    case 0x80041003: return "WBEM_E_ACCESS_DENIED";
    case 0x80041004: return "WBEM_E_PROVIDER_FAILURE";
    case 0x80041005: return "WBEM_E_TYPE_MISMATCH";
    case 0x80041006: return "WBEM_E_OUT_OF_MEMORY";
    case 0x80041008: return "WBEM_E_INVALID_PARAMETER";
    case 0x80041009: return "WBEM_E_NOT_AVAILABLE";
    case 0x8004100A: return "WBEM_E_CRITICAL_ERROR";
    case 0x8004100C: return "WBEM_E_NOT_SUPPORTED";
    case 0x8004100E: return "WBEM_E_INVALID_NAMESPACE";
    case 0x80041010: return "WBEM_E_INVALID_CLASS";
    case 0x80041011: return "WBEM_E_PROVIDER_NOT_FOUND";
    case 0x80041013: return "WBEM_E_PROVIDER_LOAD_FAILURE";
    case 0x80041014: return "WBEM_E_INITIALIZATION_FAILURE";
    case 0x80041015: return "WBEM_E_TRANSPORT_FAILURE";
    case 0x80041017: return "WBEM_E_INVALID_QUERY";
    case 0x80041018: return "WBEM_E_INVALID_QUERY_TYPE";
    case 0x80041032: return "WBEM_E_CALL_CANCELLED";
    case 0x80041033: return "WBEM_E_SHUTTING_DOWN";
    case 0x80041069: return "WBEM_E_TIMED_OUT";
    case 0x8004106C: return "WBEM_E_QUOTA_VIOLATION";
    case 0x80004001: return "E_NOTIMPL";
    case 0x80004002: return "E_NOINTERFACE";
    case 0x80004003: return "E_POINTER";
    case 0x80004005: return "E_FAIL";
    case 0x8000FFFF: return "E_UNEXPECTED";
    case 0x80070005: return "E_ACCESSDENIED";
    case 0x8007000E: return "E_OUTOFMEMORY";
    case 0x80070057: return "E_INVALIDARG";
    case 0x80040154: return "REGDB_E_CLASSNOTREG";
    case 0x800401F0: return "CO_E_NOTINITIALIZED";
    case 0x80010106: return "RPC_E_CHANGED_MODE";
    case 0x80010108: return "RPC_E_DISCONNECTED";
    case 0x80010119: return "RPC_E_TOO_LATE";
    case 0x800706BA: return "RPC_S_SERVER_UNAVAILABLE";
    case 0x800706BE: return "RPC_S_CALL_FAILED";
    default: return nullptr;
  }
}

}  // namespace

InventoryValue toInventoryValue(const VariantData& variant) {
  switch (variant.type) {
    case vtEmpty:
    case vtNull: return InventoryValue::null();
    case vtBstr: return InventoryValue::text(utf8FromUtf16(variant.text));
    default: break;
  }
  if (const auto layout = integerLayout(variant.type)) return integerValue(variant, *layout);
  throw InventoryError("the service delivered a " + varTypeName(variant.type) +
                       " value, which is neither null, text nor an integer");
}

std::string varTypeName(std::uint16_t type) {
  std::string flags;
  if (type & vtByref) flags += "VT_BYREF|";
  if (type & vtArray) flags += "VT_ARRAY|";
  const std::uint16_t base = type & ~(vtByref | vtArray);
  if (const char* name = baseTypeName(base)) return flags + name;
  char code[24];
  std::snprintf(code, sizeof code, "VARTYPE 0x%04X", static_cast<unsigned>(type));
  return code;
}

std::string utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
      c = replacementCharacter;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::u16string utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = decodeUtf8(text, at);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::string hresultText(std::uint32_t hresult) {
  char code[32];
  std::snprintf(code, sizeof code, "HRESULT 0x%08X", static_cast<unsigned>(hresult));
  const char* name = hresultName(hresult);
  return name ? std::string(code) + " " + name : std::string(code);
}

}  // namespace inventory::wmi
