// A failure inside a handler ends the program at once, reporting the
// failure, instead of unwinding through the event loop or carrying on
// with a half-made window.
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFormFailure : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failingHandlerEndsProgram();
};

void TestFormFailure::failingHandlerEndsProgram()
{
    QProcess program;
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/" FAILING_WINDOW), {});
    QVERIFY(program.waitForStarted());
    QVERIFY(program.waitForFinished(60'000));
#ifdef Q_OS_WIN
    // Windows ends an aborted program with exit code 3 instead of a signal.
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 3);
#else
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
#endif
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(errors.contains(u"std::runtime_error"_s), qPrintable(errors));
    // The failing step had the clicked row's address in hand.
    QVERIFY2(errors.contains(u"no browser took http://"_s), qPrintable(errors));
    QVERIFY2(errors.contains(u"link_id=902&"_s), qPrintable(errors));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestFormFailure)
#include "tst_form_failure.moc"
