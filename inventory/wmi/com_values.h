#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "inventory/value.h"

// What COM hands over (VARIANTs, UTF-16 strings, HRESULTs) turned into plain
// C++ values. Nothing here needs Windows, so it is tested on every platform.
namespace inventory::wmi {

// VARTYPE codes (wtypes.h), spelled out so the conversion needs no Windows
// headers; wmi_source.cpp checks them against the SDK's.
enum VarType : std::uint16_t {
  vtEmpty = 0,
  vtNull = 1,
  vtI2 = 2,
  vtI4 = 3,
  vtR4 = 4,
  vtR8 = 5,
  vtCy = 6,
  vtDate = 7,
  vtBstr = 8,
  vtDispatch = 9,
  vtError = 10,
  vtBool = 11,
  vtVariant = 12,
  vtUnknown = 13,
  vtDecimal = 14,
  vtI1 = 16,
  vtUi1 = 17,
  vtUi2 = 18,
  vtUi4 = 19,
  vtI8 = 20,
  vtUi8 = 21,
  vtInt = 22,
  vtUint = 23,
  vtArray = 0x2000,
  vtByref = 0x4000,
};

// The integer CIMTYPE codes (wbemcli.h) that IWbemClassObject::Get reports.
enum CimType : std::int32_t {
  cimEmpty = 0,
  cimSint16 = 2,
  cimSint32 = 3,
  cimString = 8,
  cimSint8 = 16,
  cimUint8 = 17,
  cimUint16 = 18,
  cimUint32 = 19,
  cimSint64 = 20,
  cimUint64 = 21,
};

// A property's VARIANT copied out of COM: its VARTYPE, the CIM type the
// service declared for the property, the first eight bytes of the value
// union as they lie in memory (little-endian; bytes beyond the VARTYPE's
// width are whatever was there) and, for VT_BSTR, the string's UTF-16 units.
struct VariantData {
  std::uint16_t type = vtEmpty;
  std::int32_t cimType = cimEmpty;
  std::uint64_t bits = 0;
  std::u16string text{};
};

// The value the collection works with:
// - VT_EMPTY and VT_NULL give null;
// - VT_BSTR gives its text in UTF-8, unchanged otherwise (64-bit counts
//   arrive as decimal text and stay text);
// - VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4, VT_INT, VT_UINT, VT_I8 and
//   VT_UI8 give an integer. The service hands uint32 properties over as
//   VT_I4, so an unsigned CIM type makes the bits count as unsigned.
// Anything else throws InventoryError naming the VARTYPE. That includes
// VT_BOOL: no property the collection reads is boolean, and a truth value
// has no honest integer form (VARIANT_TRUE is -1), so it is refused rather
// than guessed at. So are arrays, references, reals and dates.
[[nodiscard]] InventoryValue toInventoryValue(const VariantData& variant);

// "VT_I4", "VT_ARRAY|VT_BSTR", or "VARTYPE 0x0048" for a code without a name.
[[nodiscard]] std::string varTypeName(std::uint16_t type);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string utf8FromUtf16(std::u16string_view text);

// UTF-8 to UTF-16; a byte that starts no valid sequence becomes U+FFFD.
[[nodiscard]] std::u16string utf16FromUtf8(std::string_view text);

// "HRESULT 0x80041002 WBEM_E_NOT_FOUND": the code in hex, with its name when
// it is one the management service or COM commonly returns.
[[nodiscard]] std::string hresultText(std::uint32_t hresult);

}  // namespace inventory::wmi
