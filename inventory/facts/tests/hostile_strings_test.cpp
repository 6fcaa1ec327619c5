// Firmware strings as hostile as a table can carry them, through the whole
// scan: the report keeps its lines and the lookup address its parameters.
#include <gtest/gtest.h>

#include <algorithm>

#include "inventory/facts/fact_source.h"
#include "inventory/facts/smbios_facts.h"
#include "inventory/scan.h"
#include "inventory/smbios/testing/table_builder.h"

namespace inventory {
namespace {

using namespace smbios::testing;

ScanResult scanTableWith(const std::string& odd) {
  const Bytes table = tableOf({
      StructureBuilder(0, 0x18, 0).u8(0x04, 1).u8(0x05, 2).strings({odd, odd}),
      StructureBuilder(1, 0x1B, 1).u8(0x04, 1).u8(0x05, 2).u8(0x06, 3).u8(0x07, 4).strings({odd, odd, odd, odd}),
      StructureBuilder(2, 0x0F, 2).u8(0x04, 1).u8(0x05, 2).strings({odd, odd}),
      StructureBuilder(4, 0x1A, 4).u8(0x07, 1).u8(0x10, 2).u16(0x16, 2400).u8(0x18, 0x41).strings({odd, odd}),
      StructureBuilder(17, 0x22, 17).u16(0x0C, 4096).u8(0x10, 1).u8(0x12, 0x1A).u16(0x15, 2400).strings({odd}),
      endOfTable(),
  });
  FactSource source(factsFromSmbios(smbios::parseDump(dumpOf(table))));
  return runScan(source, "shop.example", NumberFormat{"."});
}

// The values of the address's parameters, in order, split at '&' after '?'.
std::vector<std::string> parametersOf(const std::string& address) {
  std::vector<std::string> parameters;
  std::string_view query = std::string_view(address).substr(address.find('?') + 1);
  while (true) {
    const auto end = query.find('&');
    parameters.emplace_back(query.substr(0, end));
    if (end == std::string_view::npos) break;
    query.remove_prefix(end + 1);
  }
  return parameters;
}

TEST(HostileFirmwareStrings, NeitherAddReportLinesNorSplitAddressParameters) {
  const struct {
    const char* name;
    std::string firmware;
    std::string shown;  // in report lines, UTF-8
  } cases[] = {
      {"line breaks", "Acme\r\nBios: forged", "Acme..Bios: forged"},
      {"escape sequence", "\x1b[2JAcme\x07", ".[2JAcme."},
      {"other controls", std::string("A\x01\x1f\x7f" "B"), "A...B"},
      {"latin-1", "Gr\xfc\xdf Gott", "Gr\xc3\xbc\xc3\x9f Gott"},
      {"broken utf-8", "\xe2\x82", "\xc3\xa2\xc2\x82"},
      {"query characters", "A&B=C#D+E%F?G", "A&B=C#D+E%F?G"},
      {"very long", std::string(5000, 'x'), std::string(5000, 'x')},
  };
  for (const auto& c : cases) {
    const ScanResult result = scanTableWith(c.firmware);
    const std::string& report = result.systemReport;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 35) << c.name;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\r'), 35) << c.name;
    EXPECT_NE(report.find("\r\nSystem Model: " + c.shown + "\r\n"), std::string::npos) << c.name;
    EXPECT_NE(report.find("\r\nSlots: " + c.shown + ",\r\n"), std::string::npos) << c.name;

    const auto parameters = parametersOf(result.lookupAddress);
    ASSERT_EQ(parameters.size(), 9u) << c.name << ": " << result.lookupAddress;
    EXPECT_TRUE(parameters[0].starts_with("manufacturer = ")) << c.name;
    EXPECT_TRUE(parameters[1].starts_with("mdlname=")) << c.name;
    EXPECT_EQ(parameters[8], "site=quillfieldstore") << c.name;
    EXPECT_EQ(result.lookupAddress.find('#'), std::string::npos) << c.name;
  }
  EXPECT_NE(scanTableWith("A&B=C#D+E%F?G").lookupAddress.find("&bName=A%26B%3DC%23D%2BE%25F?G&"), std::string::npos);
}

}  // namespace
}  // namespace inventory
