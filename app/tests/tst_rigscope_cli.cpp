// The rigscope program refuses what it cannot do before any window opens:
// a wrong command line, a run as root, a dump file it cannot read.

#include <unistd.h>

#include <QProcess>
#include <QtTest>

class RigscopeCliTest : public QObject {
  Q_OBJECT

 private slots:
  void refusesBeforeAnyWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("disableSandbox");  // empty: not set
    QTest::addColumn<bool>("needsRoot");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString usage = QStringLiteral("usage: rigscope [--from-dump FILE]");
    QTest::newRow("unknown option") << QStringList{"--help"} << QByteArray("1") << false << 2 << usage;
    QTest::newRow("dump without file") << QStringList{"--from-dump"} << QByteArray("1") << false << 2 << usage;
    QTest::newRow("two dumps") << QStringList{"--from-dump", "a.bin", "b.bin"} << QByteArray("1") << false << 2
                               << usage;
    QTest::newRow("a toolkit option") << QStringList{"-platform", "offscreen"} << QByteArray("1") << false << 2
                                      << usage;
    QTest::newRow("unreadable dump") << QStringList{"--from-dump", "/nonexistent/customer.bin"} << QByteArray("1")
                                     << false << 1 << "/nonexistent/customer.bin";
    QTest::newRow("root") << QStringList{} << QByteArray() << true << 1
                          << "Run it as your own user; it needs no root rights.";
    QTest::newRow("root, sandbox switch not 1") << QStringList{} << QByteArray("0") << true << 1
                                                << "Run it as your own user; it needs no root rights.";
  }

  void refusesBeforeAnyWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, disableSandbox);
    QFETCH(bool, needsRoot);
    QFETCH(int, status);
    QFETCH(QString, message);
    if (needsRoot && geteuid() != 0) QSKIP("the root refusal shows only when run as root");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    if (!disableSandbox.isEmpty()) environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), disableSandbox);
    // Should the program get as far as a window, it must not need a display.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RIGSCOPE_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(errors.contains(message), qPrintable(errors));
    QCOMPARE(errors.count(QLatin1Char('\n')), 1);  // one message, one line
  }
};

QTEST_GUILESS_MAIN(RigscopeCliTest)
#include "tst_rigscope_cli.moc"
