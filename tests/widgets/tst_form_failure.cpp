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
    void failingStartUpEndsProgram();
};

void TestFormFailure::failingStartUpEndsProgram()
{
    QProcess program;
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.start(QStringLiteral(FAILING_WINDOW), {});
    QVERIFY(program.waitForStarted());
    QVERIFY(program.waitForFinished(60'000));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(errors.contains(u"std::out_of_range"_s), qPrintable(errors));
    QVERIFY2(errors.contains(u"catalogue slot 520 does not exist"_s), qPrintable(errors));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestFormFailure)
#include "tst_form_failure.moc"
