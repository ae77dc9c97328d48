// The window dragged to extremes: 1x1, very large, minimised, maximised and
// restored in random order. No control may get a negative size, and
// whenever the window is not minimised its controls must sit where the
// layout computed for its current outer size puts them.
#include "tests/widgets/FormDriver.h"
#include "ui/DesignLayout.h"
#include "ui/Form1.h"
#include "ui/LinkLabel.h"
#include "ui/ResizeLayout.h"
#include "ui/ResultsListView.h"
#include "ui/ScreenTwips.h"
#include "ui/SortedComboBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Step { Tiny, Huge, Random, Design, Minimise, Maximise, Restore };

const char *stepName(Step s)
{
    switch (s) {
    case Step::Tiny: return "1x1";
    case Step::Huge: return "huge";
    case Step::Random: return "random size";
    case Step::Design: return "design size";
    case Step::Minimise: return "minimise";
    case Step::Maximise: return "maximise";
    case Step::Restore: return "restore";
    }
    return "?";
}

// Larger than any screen yet small enough for the offscreen backing store.
constexpr QSize HugeSize(3840, 2160);

TwipsRect widened(TwipsRect r, int width)
{
    r.width = width;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestWindowExtremes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void sequence_data();
    void sequence();

private:
    void apply(Step step, QRandomGenerator &random);
    QString negativeGeometry() const;
    QString layoutMismatch() const;

    std::unique_ptr<Form1> m_form;
};

void TestWindowExtremes::init()
{
    m_form = FormDriver::openProgramWindow();
    QVERIFY(m_form);
}

void TestWindowExtremes::cleanup()
{
    m_form.reset();
}

void TestWindowExtremes::sequence_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<quint32>("seed");

    using S = Step;
    QTest::addRow("tiny, restore") << QList<Step>{S::Tiny, S::Restore, S::Design} << 0u;
    QTest::addRow("huge then tiny") << QList<Step>{S::Huge, S::Tiny, S::Huge, S::Design} << 0u;
    QTest::addRow("minimise while tiny")
        << QList<Step>{S::Tiny, S::Minimise, S::Restore, S::Design} << 0u;
    QTest::addRow("resize while minimised")
        << QList<Step>{S::Minimise, S::Huge, S::Restore, S::Minimise, S::Tiny, S::Restore} << 0u;
    QTest::addRow("maximise, tiny, restore")
        << QList<Step>{S::Maximise, S::Tiny, S::Restore, S::Maximise, S::Restore} << 0u;
    QTest::addRow("minimise a maximised window")
        << QList<Step>{S::Maximise, S::Minimise, S::Restore, S::Restore} << 0u;
    QTest::addRow("maximise while minimised")
        << QList<Step>{S::Minimise, S::Maximise, S::Restore} << 0u;

    // Random walks over every kind of step.
    const Step all[] = {S::Tiny, S::Huge, S::Random, S::Design, S::Minimise, S::Maximise, S::Restore};
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QRandomGenerator random(seed);
        QList<Step> steps;
        for (int i = 0; i < 24; ++i)
            steps.append(all[random.bounded(int(std::size(all)))]);
        steps.append(S::Restore);
        QTest::addRow("random walk %u", seed) << steps << seed;
    }
}

void TestWindowExtremes::apply(Step step, QRandomGenerator &random)
{
    switch (step) {
    case Step::Tiny:
        m_form->resize(1, 1);
        break;
    case Step::Huge:
        m_form->resize(HugeSize);
        break;
    case Step::Random:
        m_form->resize(1 + random.bounded(1200), 1 + random.bounded(900));
        break;
    case Step::Design:
        m_form->resize(628, 461);
        break;
    case Step::Minimise:
        m_form->showMinimized();
        QTRY_VERIFY(m_form->isMinimized());
        break;
    case Step::Maximise:
        m_form->showMaximized();
        QTRY_VERIFY(m_form->isMaximized());
        break;
    case Step::Restore:
        m_form->showNormal();
        QTRY_VERIFY(!m_form->isMinimized() && !m_form->isMaximized());
        break;
    }
    // Let the window system's answers (geometry, state) arrive.
    QTest::qWait(1);
}

QString TestWindowExtremes::negativeGeometry() const
{
    for (const QWidget *w : m_form->findChildren<QWidget *>()) {
        if (w->width() < 0 || w->height() < 0)
            return w->objectName() + u" has size %1x%2"_s.arg(w->width()).arg(w->height());
    }
    const QHeaderView *header = m_form->ListView1->horizontalHeader();
    for (int i = 0; i < header->count(); ++i) {
        if (header->sectionSize(i) < 0)
            return u"column %1 has width %2"_s.arg(i).arg(header->sectionSize(i));
    }
    return {};
}

// Every control the pass sets, against the layout computed for the current
// outer size; every other control at its design place.
QString TestWindowExtremes::layoutMismatch() const
{
    const TwipsScale scale = screenTwipsScale(*m_form);
    const QRect outer = m_form->frameGeometry();
    const ResizeGeometry g = resizeLayout(float(scale.toTwipsX(outer.width())),
                                          float(scale.toTwipsY(outer.height())));
    TwipsRect list = widened(DesignLayout::ListView1, g.listWidth);
    list.height = g.listHeight;
    TwipsRect clear = DesignLayout::CommandClear;
    clear.left = g.clearLeft;
    const std::pair<const QWidget *, TwipsRect> expected[] = {
        {m_form->ComboVendor, widened(DesignLayout::ComboVendor, g.inputWidth)},
        {m_form->TextModel, widened(DesignLayout::TextModel, g.inputWidth)},
        {m_form->ComboType, widened(DesignLayout::ComboType, g.inputWidth)},
        {m_form->TextVendorID, widened(DesignLayout::TextVendorID, g.inputWidth)},
        {m_form->TextModelID, widened(DesignLayout::TextModelID, g.inputWidth)},
        {m_form->LabelUrl, widened(DesignLayout::LabelUrl, g.inputWidth)},
        {m_form->ListView1, list},
        {m_form->CommandClear, clear},
        {m_form->LabelVendor, DesignLayout::LabelVendor},
        {m_form->LabelModel, DesignLayout::LabelModel},
        {m_form->LabelType, DesignLayout::LabelType},
        {m_form->LabelVendorID, DesignLayout::LabelVendorID},
        {m_form->LabelModelID, DesignLayout::LabelModelID},
        {m_form->Label1, DesignLayout::Label1},
    };
    const QString size = u" at outer size %1x%2"_s.arg(outer.width()).arg(outer.height());
    for (const auto &[control, rect] : expected) {
        const QRect want = FormDriver::pixelRect(rect, *m_form);
        if (control->geometry() != want) {
            return control->objectName() + u" at (%1,%2 %3x%4), expected (%5,%6 %7x%8)"_s
                       .arg(control->x()).arg(control->y()).arg(control->width())
                       .arg(control->height()).arg(want.x()).arg(want.y())
                       .arg(want.width()).arg(want.height()) + size;
        }
    }
    const QHeaderView *header = m_form->ListView1->horizontalHeader();
    if (header->count() != DesignLayout::ColumnCount)
        return u"%1 columns"_s.arg(header->count()) + size;
    // The header keeps a section at least at its minimum size.
    const int least = header->minimumSectionSize();
    for (int i = 0; i < DesignLayout::ColumnCount; ++i) {
        const int want = scale.toPixelsX(g.columnWidths.at(std::size_t(i)));
        const int have = header->sectionSize(i);
        if (have != want && !(want < least && have == least))
            return u"column %1 is %2 wide, expected %3"_s.arg(i).arg(header->sectionSize(i)).arg(want)
                + size;
    }
    return {};
}

void TestWindowExtremes::sequence()
{
    QFETCH(QList<Step>, steps);
    QFETCH(quint32, seed);

    QRandomGenerator random(seed);
    QString done;
    for (const Step step : steps) {
        done += QString::fromLatin1(stepName(step)) + u", "_s;
        apply(step, random);
        if (QTest::currentTestFailed())
            return;
        const QString negative = negativeGeometry();
        QVERIFY2(negative.isEmpty(), qPrintable(negative + u" after "_s + done));
        if (!m_form->isMinimized()) {
            const QString wrong = layoutMismatch();
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong + u" after "_s + done));
        }
    }
    // The rows survive every pass.
    QCOMPARE(FormDriver::listedRows(*m_form->ListView1), FormDriver::selectedRows({}));
}

QTEST_MAIN(TestWindowExtremes)
#include "tst_windowextremes.moc"
