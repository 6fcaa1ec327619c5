#include "report_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "inventory/scan.h"
#include "inventory/testing/scripted_source.h"

namespace rigscope::cli {
namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

CommandRun run(std::vector<const char*> arguments, std::function<void(inventory::testing::ScriptedSource&)> script = {}) {
  arguments.insert(arguments.begin(), "rigscope-report");
  std::ostringstream out;
  std::ostringstream err;
  const ReportEnvironment environment{
      .systemSource =
          [&]() -> std::unique_ptr<inventory::InventorySource> {
        auto source = std::make_unique<inventory::testing::ScriptedSource>(inventory::testing::twoModuleMachine());
        if (script) script(*source);
        return source;
      },
      .vendorHost = "shop.example",
      .out = out,
      .err = err,
  };
  const int status = runReportCommand(static_cast<int>(arguments.size()), arguments.data(), environment);
  return {status, out.str(), err.str()};
}

std::string expectedScan(std::string inventory::ScanResult::*field) {
  auto source = inventory::testing::twoModuleMachine();
  return inventory::runScan(source, "shop.example").*field;
}

TEST(ReportCommand, PrintsTheReportByteForByte) {
  const CommandRun result = run({});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, expectedScan(&inventory::ScanResult::systemReport));
  EXPECT_EQ(result.err, "");
}

TEST(ReportCommand, PrintsTheLookupAddressOnRequest) {
  const CommandRun result = run({"--lookup-address"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, expectedScan(&inventory::ScanResult::lookupAddress) + "\n");
}

TEST(ReportCommand, PrintsTheWholeScanAsJson) {
  const CommandRun result = run({"--json"});
  ASSERT_EQ(result.status, 0);
  const auto json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["record"]["systemModel"], (nlohmann::json{{"state", "text"}, {"value", "Not Available"}}));
  EXPECT_EQ(json["record"]["memoryManufacturer"], (nlohmann::json{{"state", "null"}}));
  EXPECT_EQ(json["record"]["processorClock"], (nlohmann::json{{"state", "integer"}, {"value", 2933}}));
  EXPECT_EQ(json["record"]["populatedSlots"], 2);
  EXPECT_EQ(json["texts"]["slotSummary"], "4  (Currently Memory in 2 Slots)");
  EXPECT_EQ(json["rows"][1]["locator"]["value"], "DIMM1");
  EXPECT_EQ(json["systemReport"], expectedScan(&inventory::ScanResult::systemReport));
  EXPECT_EQ(json["lookupAddress"], expectedScan(&inventory::ScanResult::lookupAddress));
}

TEST(ReportCommand, ReportsFailuresOnOneLineWithStatusOne) {
  const CommandRun scan = run({}, [](auto& source) { source.failQuery("Win32_Processor", "access denied"); });
  EXPECT_EQ(scan.status, 1);
  EXPECT_EQ(scan.out, "");
  EXPECT_EQ(scan.err, "rigscope-report: querying Win32_Processor: access denied\n");

  const CommandRun missing = run({"--from-dump", "/nonexistent/dump.bin"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "rigscope-report: cannot read /nonexistent/dump.bin: No such file or directory\n");
}

TEST(ReportCommand, RefusesAWrongCommandLine) {
  for (const auto& arguments : std::vector<std::vector<const char*>>{
           {"--verbose"}, {"--json", "--lookup-address"}, {"--from-dump"}, {"extra"}}) {
    const CommandRun result = run(arguments);
    EXPECT_EQ(result.status, 2) << arguments[0];
    EXPECT_TRUE(result.err.starts_with("rigscope-report: ")) << result.err;
    EXPECT_TRUE(result.err.ends_with(" (see --help)\n")) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

TEST(ReportCommand, AnswersHelpAndVersion) {
  const CommandRun version = run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, RIGSCOPE_VERSION "\n");
  const CommandRun help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--from-dump"), std::string::npos);
}

TEST(ReportCommand, ScansADumpInsteadOfThisMachine) {
  const auto dump = std::filesystem::path(RIGSCOPE_SMBIOS_DUMPS) / "msi-ms-7816.bin";
  if (!std::filesystem::exists(dump)) GTEST_SKIP() << "no SMBIOS dumps at " << dump.parent_path() << "; skipped";
  const CommandRun result = run({"--from-dump", dump.c_str()});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("Motherboard Model: H87-G43 (MS-7816)\r\n"), std::string::npos);
}

}  // namespace
}  // namespace rigscope::cli
