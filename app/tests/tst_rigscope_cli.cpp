// The rigscope program refuses what it cannot do before any window opens:
// a wrong command line, a run as root, a dump file it cannot read. Its
// --version and --help need no window either.

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

    const QString usage = QStringLiteral("usage: rigscope [--from-dump FILE | --version | --help]");
    QTest::newRow("unknown option") << QStringList{"--verbose"} << QByteArray("1") << false << 2 << usage;
    QTest::newRow("version with more") << QStringList{"--version", "--from-dump", "a.bin"} << QByteArray("1")
                                       << false << 2 << usage;
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

  // --version and --help answer on standard output and end, as root too (a
  // package's checks run as root) and without a display.
  void printsAndEnds_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("start");  // what the output starts with
    QTest::addColumn<QString>("alsoShown");  // empty: the output is exactly start

    // The same version rigscope-report prints, from the one in CMake.
    QTest::newRow("version") << "--version" << QStringLiteral(RIGSCOPE_VERSION "\n") << QString();
    QTest::newRow("help") << "--help" << "usage: rigscope [--from-dump FILE | --version | --help]\n"
                          << "--from-dump FILE";
  }

  void printsAndEnds() {
    QFETCH(QString, option);
    QFETCH(QString, start);
    QFETCH(QString, alsoShown);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RIGSCOPE_PROGRAM), {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), 0);
    const QString printed = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(printed.startsWith(start), qPrintable(printed));
    if (alsoShown.isEmpty()) {
      QCOMPARE(printed, start);
    } else {
      QVERIFY2(printed.contains(alsoShown), qPrintable(printed));
    }
  }
};

QTEST_GUILESS_MAIN(RigscopeCliTest)
#include "tst_rigscope_cli.moc"
