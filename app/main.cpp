#include <QApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "inventory/facts/dump_source.h"
#include "inventory/system_source.h"
#include "inventory/source.h"
#include "ui/browser_pane.h"
#include "ui/dialog.h"
#include "ui/font_warm_up.h"
#include "ui/form1.h"
#include "ui/frm_splash.h"
#include "ui/rendering.h"

#ifdef _WIN32
#include <optional>

#include "inventory/wmi/com_initialisation.h"
#endif

int main(int argc, char* argv[]) {
  const auto parsed = rigscope::parseCommandLine(argc, argv);
  if (const auto* error = std::get_if<rigscope::UsageError>(&parsed)) {
    std::cerr << error->usage << '\n';
    return 2;
  }
  // Before the root check: printing the version needs no sandbox.
  if (const auto* notice = std::get_if<rigscope::Notice>(&parsed)) {
    std::cout << notice->text << std::flush;
    return std::cout ? 0 : 1;
  }
  const auto& commandLine = std::get<rigscope::CommandLine>(parsed);

  const char* sandboxSwitch = std::getenv("QTWEBENGINE_DISABLE_SANDBOX");
  if (const auto refusal = rigscope::rootRefusal(rigscope::runningAsRoot(), sandboxSwitch)) {
    std::cerr << "rigscope: " << *refusal << '\n';
    return 1;
  }

#ifdef _WIN32
  // COM for the management service: set up before Qt, which joins the same
  // apartment, and released after the windows and the source are gone.
  std::optional<inventory::wmi::ComInitialisation> com;
  try {
    com.emplace();
  } catch (const std::exception& failure) {
    std::cerr << "rigscope: " << failure.what() << '\n';
    return 1;
  }
#endif

  // Declared before the application, so it outlives every window that scans with it.
  std::unique_ptr<inventory::InventorySource> source;
  try {
    source = commandLine.dumpPath ? inventory::makeDumpSource(*commandLine.dumpPath) : inventory::makeSystemSource();
  } catch (const std::exception& failure) {
    std::cerr << "rigscope: " << failure.what() << '\n';
    return 1;
  }

  // Overlaps reading the font configuration with everything up to the first window.
  const rigscope::FontWarmUp fontWarmUp;
  rigscope::prepareSoftwareRendering();
  // The browser engine reports its set-up at every start; that is for its developers.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  QApplication app(argc, argv);
  // Ties the windows to the installed launcher, for the desktop's icon and grouping.
  QGuiApplication::setDesktopFileName(QStringLiteral(RIGSCOPE_APP_ID));

  const QString vendorHost = QStringLiteral(RIGSCOPE_VENDOR_HOST);
  QPointer<rigscope::Form1> form;
  QPointer<rigscope::frmSplash> splash;
  QPointer<rigscope::Dialog> dialog = new rigscope::Dialog([&] {
    splash = new rigscope::frmSplash([&] {
      form = new rigscope::Form1(*source, vendorHost);
      return form.data();
    });
    return splash.data();
  });
  // The browser engine starts while the disclaimer is read, not after OK.
  QObject::connect(dialog, &rigscope::Dialog::onScreen, &rigscope::startBrowserEngine);
  dialog->show();
  const int status = QApplication::exec();

  // The browser pane has to go before the application does.
  delete form.data();
  delete splash.data();
  delete dialog.data();
  return status;
}
