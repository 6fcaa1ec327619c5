#pragma once

// Owners for what COM hands out, so that every interface, string and VARIANT
// is released exactly once, also when a failure unwinds the stack.

#include <windows.h>
// after windows.h, which they build on
#include <oleauto.h>
#include <unknwn.h>

#include <string>
#include <string_view>
#include <utility>

namespace inventory::wmi {

// Holds one reference to a COM interface and releases it.
template <class Interface>
class ComPtr final {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  [[nodiscard]] Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // The address an out parameter fills; whatever was held is released first.
  [[nodiscard]] Interface** put() {
    reset();
    return &pointer_;
  }
  [[nodiscard]] void** putVoid() { return reinterpret_cast<void**>(put()); }

  void reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

// A BSTR that is freed with the object.
class Bstr final {
 public:
  explicit Bstr(std::wstring_view text);
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(string_); }

  [[nodiscard]] BSTR get() const { return string_; }

 private:
  BSTR string_;
};

// A VARIANT that is cleared with the object.
class Variant final {
 public:
  Variant() { VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&value_); }

  [[nodiscard]] VARIANT* get() { return &value_; }
  [[nodiscard]] const VARIANT& value() const { return value_; }

 private:
  VARIANT value_;
};

// UTF-8 to the UTF-16 that COM takes.
[[nodiscard]] std::wstring wide(std::string_view text);

// Throws InventoryError "<action> failed (HRESULT 0x... NAME)" when `result`
// is a failure.
void check(HRESULT result, const std::string& action);

}  // namespace inventory::wmi
