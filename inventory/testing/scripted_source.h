#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inventory/source.h"

namespace inventory::testing {

// Properties of one scripted instance, by name.
using Properties = std::vector<std::pair<std::string, InventoryValue>>;

// An in-memory inventory source for tests: classes hold instances, instances
// hold properties, and a failure can be injected at connect, at any query or
// at any read. Property and class names match without regard to case, as
// the Windows service matches them; an unknown property fails to read.
class ScriptedSource final : public InventorySource {
 public:
  ScriptedSource();
  ScriptedSource(ScriptedSource&&) noexcept = default;
  ScriptedSource& operator=(ScriptedSource&&) noexcept = default;
  ~ScriptedSource() override;

  struct Script;  // shared with the services and instances it hands out

  // Adds one instance of `className`, after those already added.
  ScriptedSource& addInstance(const std::string& className, Properties properties);

  void failConnect(std::string message);
  void failQuery(const std::string& className, std::string message);
  // Fails every read of `property` from instances of `className`.
  void failRead(const std::string& className, const std::string& property, std::string message);
  // Makes each query take this long before it answers (for slow-scan tests).
  void delayQueries(int milliseconds);

  // "connect <moniker>" and "query <text>" in the order received.
  [[nodiscard]] std::vector<std::string> log() const;

  [[nodiscard]] std::unique_ptr<InventoryService> connect(std::string_view moniker) override;

 private:
  std::shared_ptr<Script> script_;
};

// A complete, plausible machine with two modules; tests change what they need.
[[nodiscard]] ScriptedSource twoModuleMachine();

}  // namespace inventory::testing
