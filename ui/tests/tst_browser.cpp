// The browser pane really asks the vendor's host for the lookup page: a small
// HTTP server on 127.0.0.1 inside the test receives the request.

#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineView>
#include <memory>

#include "inventory/scan.h"
#include "machine.h"
#include "test_support.h"
#include "ui/form1.h"

namespace {

// Answers every GET with a small page and remembers what was asked for.
class LookupServer final : public QObject {
 public:
  struct Request {
    QByteArray target;
    QByteArray host;
  };

  LookupServer() {
    QVERIFY(server_.listen(QHostAddress::LocalHost, 0));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }

  [[nodiscard]] QString host() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }

  QList<Request> requests;

 private:
  void serve(QTcpSocket* socket) {
    QByteArray& buffer = pending_[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    Request request;
    request.target = requestLine.value(1);
    for (const QByteArray& line : lines) {
      if (line.toLower().startsWith("host:")) request.host = line.mid(5).trimmed();
    }
    requests << request;
    pending_.remove(socket);

    const QByteArray page = "<html><head><title>Upgrade lookup</title></head><body>Compatible memory</body></html>";
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
                  QByteArray::number(page.size()) + "\r\n\r\n" + page);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  QHash<QTcpSocket*, QByteArray> pending_;
};

}  // namespace

class BrowserTest : public QObject {
  Q_OBJECT

 private slots:
  // The request goes out as soon as the scan has run, before the window is
  // shown: the page is on its way while the splash is still up.
  void paneRequestsTheLookupAddress() {
    LookupServer server;
    auto source = rigscope::testing::scriptedMachine();
    const auto form = std::make_unique<rigscope::Form1>(source, server.host());
    QCOMPARE(form->getRigscope(), QStringLiteral("Success"));

    const auto lookup = [&] {
      for (const LookupServer::Request& request : server.requests) {
        if (request.target.startsWith("/mc/")) return request;
      }
      return LookupServer::Request{};
    };
    QTRY_VERIFY_WITH_TIMEOUT(!lookup().target.isEmpty(), 20000);
    QVERIFY(!form->isVisible());

    auto expectedSource = rigscope::testing::scriptedMachine();
    const std::string address = inventory::runScan(expectedSource, server.host().toStdString()).lookupAddress;
    const std::string origin = "http://" + server.host().toStdString();
    QVERIFY(address.starts_with(origin));
    // What a request line cannot carry (spaces, angle brackets) arrives
    // escaped; everything else arrives as the core wrote it.
    const QByteArray expectedTarget = QByteArray::fromStdString(address.substr(origin.size()))
                                          .replace(" ", "%20")
                                          .replace("<", "%3C")
                                          .replace(">", "%3E");
    QCOMPARE(lookup().target, expectedTarget);
    QCOMPARE(lookup().host, server.host().toLatin1());
    QVERIFY(lookup().target.startsWith("/mc/rigscope.asp?manufacturer%20=%20Acme%20"));

    auto* pane = form->findChild<QWebEngineView*>("WB");
    QTRY_COMPARE_WITH_TIMEOUT(pane->title(), QStringLiteral("Upgrade lookup"), 20000);
  }
};

RIGSCOPE_UI_TEST_MAIN(BrowserTest)
#include "tst_browser.moc"
