#include "inventory/facts/fact_source.h"

#include <gtest/gtest.h>

#include "inventory/error.h"
#include "inventory/record.h"

namespace inventory {
namespace {

FactSource oneProcessorMachine() {
  MachineFacts facts;
  facts.processors.push_back(ProcessorFacts{.name = InventoryValue::text("Example CPU"),
                                            .manufacturer = InventoryValue::text("GenuineIntel"),
                                            .currentClockSpeed = InventoryValue::integer(2400),
                                            .extClock = InventoryValue::null()});
  return FactSource(std::move(facts));
}

std::string failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const InventoryError& error) {
    return error.what();
  }
  return "no failure";
}

TEST(FactSource, AcceptsOnlyTheLocalNamespaceMoniker) {
  FactSource source = oneProcessorMachine();
  EXPECT_NE(source.connect(localMoniker), nullptr);
  EXPECT_NE(source.connect("WINMGMTS:{impersonationLevel=Impersonate}!\\\\.\\ROOT\\CIMV2"), nullptr);
  for (const char* moniker : {"winmgmts:", "winmgmts:{impersonationLevel=impersonate}!\\\\server\\root\\cimv2",
                              "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\default"}) {
    EXPECT_EQ(failureOf([&] { (void)source.connect(moniker); }),
              "cannot connect to \"" + std::string(moniker) +
                  "\": only the local machine's root\\cimv2 namespace is answered here");
  }
}

TEST(FactSource, AnswersTheSevenClassesWhateverTheirCase) {
  FactSource source = oneProcessorMachine();
  const auto service = source.connect(localMoniker);
  EXPECT_EQ(service->query("Select * from Win32_Processor").size(), 1u);
  EXPECT_EQ(service->query("SELECT * FROM win32_processor").size(), 1u);
  for (const char* className : {"Win32_ComputerSystem", "Win32_PhysicalMemoryArray", "Win32_PhysicalMemory",
                                "Win32_Bios", "Win32_ComputerSystemProduct", "Win32_Baseboard"}) {
    EXPECT_TRUE(service->query(std::string("Select * from ") + className).empty()) << className;
  }
}

TEST(FactSource, RefusesOtherQueriesAndClassesClearly) {
  FactSource source = oneProcessorMachine();
  const auto service = source.connect(localMoniker);
  EXPECT_EQ(failureOf([&] { (void)service->query("Select * from Win32_DiskDrive"); }),
            "the class \"Win32_DiskDrive\" is not known here");
  for (const char* query : {"Select Name from Win32_Processor", "Select * from Win32_Processor where Name='x'",
                            "Win32_Processor", ""}) {
    EXPECT_EQ(failureOf([&] { (void)service->query(query); }),
              "cannot answer the query \"" + std::string(query) + "\": only \"Select * from <class>\" is supported");
  }
}

TEST(FactSource, ReadsPropertiesWhateverTheirCaseAndRefusesUnknownOnes) {
  FactSource source = oneProcessorMachine();
  const auto instances = source.connect(localMoniker)->query("Select * from Win32_Processor");
  EXPECT_EQ(instances[0]->read("name"), InventoryValue::text("Example CPU"));
  EXPECT_EQ(instances[0]->read("CURRENTCLOCKSPEED"), InventoryValue::integer(2400));
  EXPECT_TRUE(instances[0]->read("extclock").isNull());
  EXPECT_EQ(failureOf([&] { (void)instances[0]->read("L2CacheSize"); }),
            "the class Win32_Processor has no property \"L2CacheSize\"");
}

TEST(FactSource, KeepsInstancesUsableAfterTheSourceIsGone) {
  InventoryInstances instances;
  {
    FactSource source = oneProcessorMachine();
    instances = source.connect(localMoniker)->query("Select * from Win32_Processor");
  }
  EXPECT_EQ(instances[0]->read("Manufacturer"), InventoryValue::text("GenuineIntel"));
}

}  // namespace
}  // namespace inventory
