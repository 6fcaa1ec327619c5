#include "inventory/wmi/wmi_source.h"

#include <windows.h>
// after windows.h, which it builds on
#include <wbemidl.h>

#include <cstring>
#include <string>

#include "inventory/error.h"
#include "inventory/query_text.h"
#include "inventory/record.h"
#include "inventory/wmi/com.h"
#include "inventory/wmi/com_values.h"

namespace inventory::wmi {

// The codes com_values spells out must be the SDK's.
constexpr bool sameCode(int ours, int sdk) {
  return ours == sdk;
}
static_assert(sameCode(vtEmpty, VT_EMPTY) && sameCode(vtNull, VT_NULL) && sameCode(vtI2, VT_I2) &&
              sameCode(vtI4, VT_I4) && sameCode(vtR8, VT_R8) && sameCode(vtBstr, VT_BSTR) && sameCode(vtBool, VT_BOOL) &&
              sameCode(vtDecimal, VT_DECIMAL) && sameCode(vtI1, VT_I1) && sameCode(vtUi1, VT_UI1) &&
              sameCode(vtUi2, VT_UI2) && sameCode(vtUi4, VT_UI4) && sameCode(vtI8, VT_I8) && sameCode(vtUi8, VT_UI8) &&
              sameCode(vtInt, VT_INT) && sameCode(vtUint, VT_UINT) && sameCode(vtArray, VT_ARRAY) &&
              sameCode(vtByref, VT_BYREF));
static_assert(sameCode(cimSint8, CIM_SINT8) && sameCode(cimUint8, CIM_UINT8) && sameCode(cimSint16, CIM_SINT16) &&
              sameCode(cimUint16, CIM_UINT16) && sameCode(cimSint32, CIM_SINT32) &&
              sameCode(cimUint32, CIM_UINT32) && sameCode(cimSint64, CIM_SINT64) &&
              sameCode(cimUint64, CIM_UINT64) && sameCode(cimString, CIM_STRING));

namespace {

// The text in double quotes, for messages.
std::string quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  out += text;
  out += '"';
  return out;
}

std::string narrow(const wchar_t* text, std::size_t length) {
  return utf8FromUtf16(std::u16string(text, text + length));
}

VariantData describe(const VARIANT& variant, CIMTYPE cimType) {
  VariantData data{.type = variant.vt, .cimType = cimType};
  if (variant.vt == VT_BSTR) {
    data.text.assign(variant.bstrVal, variant.bstrVal + SysStringLen(variant.bstrVal));
  } else {
    static_assert(sizeof variant.llVal == sizeof data.bits);
    std::memcpy(&data.bits, &variant.llVal, sizeof data.bits);
  }
  return data;
}

class WmiInstance final : public InventoryInstance {
 public:
  explicit WmiInstance(ComPtr<IWbemClassObject> object) : object_(std::move(object)) {}

  InventoryValue read(std::string_view property) const override {
    const std::wstring name = wide(property);
    Variant value;
    CIMTYPE cimType = CIM_EMPTY;
    const HRESULT result = object_->Get(name.c_str(), 0, value.get(), &cimType, nullptr);
    if (FAILED(result)) check(result, "IWbemClassObject::Get of " + subject(property));
    try {
      return toInventoryValue(describe(value.value(), cimType));
    } catch (const InventoryError& error) {
      throw withContext("converting " + subject(property), error);
    }
  }

 private:
  [[nodiscard]] std::string subject(std::string_view property) const {
    return quoted(property) + " of a " + className() + " instance";
  }

  // The instance's class as the service names it, for messages.
  [[nodiscard]] std::string className() const {
    Variant value;
    if (FAILED(object_->Get(L"__CLASS", 0, value.get(), nullptr, nullptr)) || value.value().vt != VT_BSTR) {
      return "(class unknown)";
    }
    return narrow(value.value().bstrVal, SysStringLen(value.value().bstrVal));
  }

  ComPtr<IWbemClassObject> object_;
};

class WmiService final : public InventoryService {
 public:
  explicit WmiService(ComPtr<IWbemServices> services) : services_(std::move(services)) {}

  InventoryInstances query(std::string_view queryText) override {
    const std::string query = quoted(queryText);
    const Bstr language(L"WQL");
    const Bstr text(wide(queryText));
    ComPtr<IEnumWbemClassObject> enumerator;
    check(services_->ExecQuery(language.get(), text.get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                               nullptr, enumerator.put()),
          "IWbemServices::ExecQuery of " + query);

    // With WBEM_FLAG_RETURN_IMMEDIATELY the query runs while we enumerate,
    // so a refusal can also come from Next.
    InventoryInstances instances;
    for (;;) {
      ComPtr<IWbemClassObject> object;
      ULONG returned = 0;
      const HRESULT result = enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, object.put(), &returned);
      check(result, "IEnumWbemClassObject::Next for " + query);
      if (result == WBEM_S_TIMEDOUT) throw InventoryError("IEnumWbemClassObject::Next for " + query + " timed out");
      if (returned == 0) break;
      instances.push_back(std::make_unique<WmiInstance>(std::move(object)));
    }
    return instances;
  }

 private:
  ComPtr<IWbemServices> services_;
};

}  // namespace

std::unique_ptr<InventoryService> WmiSource::connect(std::string_view moniker) {
  if (!equalsIgnoreCase(moniker, localMoniker)) {
    throw InventoryError("the moniker " + quoted(moniker) + " is not " + quoted(localMoniker) +
                         ": only root\\cimv2 of this machine, with impersonation, can be asked");
  }
  ComPtr<IWbemLocator> locator;
  check(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, locator.putVoid()),
        "CoCreateInstance of the WbemLocator");

  const Bstr namespacePath(L"ROOT\\CIMV2");
  ComPtr<IWbemServices> services;
  check(locator->ConnectServer(namespacePath.get(), nullptr, nullptr, nullptr, WBEM_FLAG_CONNECT_USE_MAX_WAIT,
                               nullptr, nullptr, services.put()),
        "IWbemLocator::ConnectServer to ROOT\\CIMV2");
  check(CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE),
        "CoSetProxyBlanket with impersonation on ROOT\\CIMV2");
  return std::make_unique<WmiService>(std::move(services));
}

}  // namespace inventory::wmi
