// The WMI source against the management service of Wine 8 (wbemprox), run
// under wine64. Wine answers the seven classes, but from a smaller schema
// than Windows: it has no Speed or ExtClock and no memory array instances,
// and most values come from the machine running Wine, so only their kinds
// are checked here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "inventory/error.h"
#include "inventory/record.h"
#include "inventory/wmi/com_initialisation.h"
#include "inventory/wmi/wmi_source.h"

namespace inventory::wmi {
namespace {

std::unique_ptr<InventoryService> connectLocal() {
  WmiSource source;
  return source.connect(localMoniker);
}

std::string errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const InventoryError& error) {
    return error.what();
  }
  return "(no failure)";
}

enum class Kind { Text, DecimalText, Integer, Missing };

struct PropertyCase {
  const char* name;
  Kind kind;
};

struct ClassCase {
  const char* className;
  bool hasInstances;
  std::vector<PropertyCase> properties;
};

// Every class and property the collection asks for, spelled as it asks.
const ClassCase wineAnswers[] = {
    {"Win32_ComputerSystem",
     true,
     {{"manufacturer", Kind::Text}, {"Model", Kind::Text}, {"TotalPhysicalMemory", Kind::DecimalText},
      {"SystemType", Kind::Text}}},
    {"Win32_PhysicalMemoryArray", false, {}},
    {"Win32_PhysicalMemory",
     true,
     {{"capacity", Kind::DecimalText}, {"memorytype", Kind::Integer}, {"speed", Kind::Missing},
      {"devicelocator", Kind::Text}}},
    {"Win32_Processor",
     true,
     {{"Name", Kind::Text}, {"manufacturer", Kind::Text}, {"CurrentClockSpeed", Kind::Integer},
      {"extclock", Kind::Missing}}},
    {"Win32_Bios", true, {{"manufacturer", Kind::Text}, {"SMBIOSBIOSVersion", Kind::Text}}},
    {"Win32_ComputerSystemProduct", true, {{"IdentifyingNumber", Kind::Text}, {"Version", Kind::Text}}},
    {"Win32_Baseboard", true, {{"manufacturer", Kind::Text}, {"product", Kind::Text}}},
};

void expectKind(const InventoryInstance& instance, const std::string& className, const PropertyCase& property) {
  SCOPED_TRACE(className + "." + property.name);
  if (property.kind == Kind::Missing) {
    EXPECT_EQ(errorOf([&] { (void)instance.read(property.name); }),
              std::string("IWbemClassObject::Get of \"") + property.name + "\" of a " + className +
                  " instance failed (HRESULT 0x80041002 WBEM_E_NOT_FOUND)");
    return;
  }
  const InventoryValue value = instance.read(property.name);
  switch (property.kind) {
    case Kind::Text:
      EXPECT_TRUE(value.isText()) << valueText(value);
      break;
    case Kind::DecimalText:
      ASSERT_TRUE(value.isText()) << valueText(value);
      EXPECT_FALSE(value.asText().empty());
      EXPECT_TRUE(std::all_of(value.asText().begin(), value.asText().end(), [](char c) { return std::isdigit(c); }))
          << value.asText();
      EXPECT_GT(*value.toNumber(), 0);
      break;
    case Kind::Integer:
      ASSERT_TRUE(value.isInteger()) << valueText(value);
      EXPECT_GE(value.asInteger(), 0);
      break;
    case Kind::Missing:
      break;
  }
}

TEST(WmiSourceUnderWine, AnswersEveryClassAndPropertyTheCollectionReads) {
  const auto service = connectLocal();
  for (const ClassCase& expected : wineAnswers) {
    SCOPED_TRACE(expected.className);
    const InventoryInstances instances = service->query(std::string("Select * from ") + expected.className);
    if (!expected.hasInstances) {
      EXPECT_TRUE(instances.empty());
      continue;
    }
    ASSERT_FALSE(instances.empty());
    for (const auto& instance : instances) {
      for (const PropertyCase& property : expected.properties) expectKind(*instance, expected.className, property);
    }
  }
}

TEST(WmiSourceUnderWine, DeliversAStringAsExactlyItsText) {
  const auto instances = connectLocal()->query("Select * from Win32_ComputerSystem");
  ASSERT_EQ(instances.size(), 1u);
  EXPECT_EQ(instances[0]->read("SystemType"), InventoryValue::text("x64 based PC"));  // Wine's own constant
}

TEST(WmiSourceUnderWine, MatchesClassAndPropertyNamesWithoutRegardToCase) {
  const auto service = connectLocal();
  const auto instances = service->query("select * from WIN32_BIOS");
  ASSERT_EQ(instances.size(), 1u);
  const InventoryValue manufacturer = instances[0]->read("Manufacturer");
  ASSERT_TRUE(manufacturer.isText());
  EXPECT_EQ(instances[0]->read("manufacturer"), manufacturer);
  EXPECT_EQ(instances[0]->read("MANUFACTURER"), manufacturer);
}

TEST(WmiSourceUnderWine, ConnectsWithTheLocalMonikerInAnyCase) {
  std::string upper(localMoniker);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  for (const std::string& moniker : {std::string(localMoniker), upper}) {
    WmiSource source;
    const auto service = source.connect(moniker);
    ASSERT_NE(service, nullptr) << moniker;
    EXPECT_EQ(service->query("Select * from Win32_Bios").size(), 1u) << moniker;
  }
}

TEST(WmiSourceUnderWine, RefusesMonikersOfOtherMachinesNamespacesOrImpersonation) {
  const std::string expectedEnd =
      "\" is not \"winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2\": only root\\cimv2 of this "
      "machine, with impersonation, can be asked";
  for (const char* moniker : {
           "",
           "winmgmts:",
           "winmgmts:\\\\.\\root\\cimv2",
           "winmgmts:{impersonationLevel=identify}!\\\\.\\root\\cimv2",
           "winmgmts:{impersonationLevel=impersonate}!\\\\server\\root\\cimv2",
           "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\default",
       }) {
    WmiSource source;
    EXPECT_EQ(errorOf([&] { (void)source.connect(moniker); }),
              std::string("the moniker \"") + moniker + expectedEnd);
  }
}

TEST(WmiSourceUnderWine, ReportsARefusedQueryWithItsHresult) {
  const auto service = connectLocal();
  EXPECT_EQ(errorOf([&] { (void)service->query("Select * frm Win32_Bios"); }),
            "IWbemServices::ExecQuery of \"Select * frm Win32_Bios\" failed (HRESULT 0x80041017 "
            "WBEM_E_INVALID_QUERY)");
}

TEST(WmiSourceUnderWine, CollectionStopsAtTheMissingSpeed) {
  WmiSource source;
  EXPECT_EQ(errorOf([&] { (void)collectInventory(source); }),
            "reading \"speed\" of Win32_PhysicalMemory: IWbemClassObject::Get of \"speed\" of a "
            "Win32_PhysicalMemory instance failed (HRESULT 0x80041002 WBEM_E_NOT_FOUND)");
}

}  // namespace
}  // namespace inventory::wmi

int main(int argc, char** argv) {
  try {
    const inventory::wmi::ComInitialisation com;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
  } catch (const inventory::InventoryError& error) {
    std::cerr << "wmi_source_wine_tests: " << error.what() << '\n';
    return 1;
  }
}
