#include "inventory/wmi/com_initialisation.h"

#include <windows.h>
// after windows.h, which it builds on
#include <objbase.h>

#include "inventory/wmi/com.h"

namespace inventory::wmi {

ComInitialisation::ComInitialisation() {
  // S_FALSE (already initialised on this thread) still needs its CoUninitialize.
  check(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE), "CoInitializeEx");
  const HRESULT security = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
  // RPC_E_TOO_LATE: the process already chose its security; the proxy blanket
  // set at connect still asks for impersonation.
  if (FAILED(security) && security != RPC_E_TOO_LATE) {
    CoUninitialize();
    check(security, "CoInitializeSecurity");
  }
}

ComInitialisation::~ComInitialisation() {
  CoUninitialize();
}

}  // namespace inventory::wmi
