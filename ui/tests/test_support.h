#pragma once

#include <QApplication>
#include <QtTest>
#include <functional>
#include <memory>
#include <string_view>

#include "inventory/source.h"

class QListWidget;
class QMessageBox;
class QTimer;

namespace rigscope::testing {

// Renders as the program does, lets the browser pane run as root under Xvfb
// and keeps its output quiet; called before the application object exists.
void prepareEnvironment();

// Answers the next message box from the event loop: hands it to `inspect`,
// then presses OK (or closes it, should it have no OK button). Returns the
// watching timer, which a test may delete when no box is due after all.
QTimer* answerNextMessageBox(std::function<void(QMessageBox&)> inspect);

// The texts of a list's rows, top to bottom.
[[nodiscard]] QStringList itemsOf(const QListWidget* list);

// Forwards to another source and lets a test look in whenever a scan connects.
class SpySource final : public inventory::InventorySource {
 public:
  explicit SpySource(inventory::InventorySource& inner, std::function<void()> onConnect = {})
      : inner_(inner), onConnect_(std::move(onConnect)) {}

  [[nodiscard]] std::unique_ptr<inventory::InventoryService> connect(std::string_view moniker) override {
    ++connects;
    if (onConnect_) onConnect_();
    return inner_.connect(moniker);
  }

  int connects = 0;

 private:
  inventory::InventorySource& inner_;
  std::function<void()> onConnect_;
};

}  // namespace rigscope::testing

// A Qt Test main for window tests: the environment first, then the application.
#define RIGSCOPE_UI_TEST_MAIN(TestObject)                        \
  int main(int argc, char* argv[]) {                             \
    rigscope::testing::prepareEnvironment();                     \
    QApplication app(argc, argv);                                \
    TestObject test;                                             \
    return QTest::qExec(&test, argc, argv);                      \
  }
