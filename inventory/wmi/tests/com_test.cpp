#include "inventory/wmi/com.h"

#include <gtest/gtest.h>

#include <utility>

namespace inventory::wmi {
namespace {

// An object that only counts its references.
class CountedObject final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }

  ULONG references = 1;  // the one an out parameter hands over
};

TEST(ComPtr, ReleasesEachReferenceItIsHandedExactlyOnce) {
  CountedObject a;
  CountedObject b;
  {
    ComPtr<IUnknown> first;
    *first.put() = &a;
    ComPtr<IUnknown> second(std::move(first));
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(a.references, 1u);

    ComPtr<IUnknown> third;
    *third.put() = &b;
    third = std::move(second);  // lets go of b, takes a over
    EXPECT_EQ(b.references, 0u);
    EXPECT_EQ(a.references, 1u);

    *third.put() = &b;  // refilling lets go of a first
    b.references = 1;
    EXPECT_EQ(a.references, 0u);
  }
  EXPECT_EQ(b.references, 0u);
  EXPECT_EQ(a.references, 0u);
}

}  // namespace
}  // namespace inventory::wmi
