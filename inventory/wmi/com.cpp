#include "inventory/wmi/com.h"

#include "inventory/error.h"
#include "inventory/wmi/com_values.h"

namespace inventory::wmi {

Bstr::Bstr(std::wstring_view text) : string_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
  if (string_ == nullptr) throw InventoryError("SysAllocStringLen failed: out of memory");
}

std::wstring wide(std::string_view text) {
  const std::u16string utf16 = utf16FromUtf8(text);
  return {utf16.begin(), utf16.end()};
}

void check(HRESULT result, const std::string& action) {
  if (FAILED(result)) throw InventoryError(action + " failed (" + hresultText(static_cast<std::uint32_t>(result)) + ")");
}

}  // namespace inventory::wmi
