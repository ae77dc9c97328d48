// Baselines for the start-up figures: an empty Qt window of the program's
// design client size; with --table the same window holding a stock table
// view of 520 five-column rows and one text box; with --widgets one of each
// standard control the program uses, with a few rows of text; with
// --same-controls the program's fourteen controls at their design places:
// two sorted drop-downs of 94 and 16 entries, three text boxes, seven
// labels, a button and the 520-row table, and no icon.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// A stock table view of `rows` five-column rows at `place`.
void addTable(QWidget &window, int rows, const QRect &place)
{
    auto *table = new QTableView(&window);
    auto *model = new QStandardItemModel(rows, 5, table);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 5; ++column)
            model->setItem(row, column, new QStandardItem(u"Row %1"_s.arg(row)));
    table->setModel(model);
    table->setGeometry(place);
}

void addStandardControls(QWidget &window)
{
    (new QLabel(u"Vendor:"_s, &window))->setGeometry(8, 16, 65, 17);
    auto *combo = new QComboBox(&window);
    combo->addItems({QString(), u"Flow"_s, u"Level"_s});
    combo->setGeometry(104, 16, 441, 21);
    (new QLineEdit(&window))->setGeometry(104, 48, 441, 19);
    (new QPushButton(u"Clear"_s, &window))->setGeometry(560, 16, 49, 153);
    addTable(window, 20, {8, 208, 601, 214});
}

void addTableAndTextBox(QWidget &window)
{
    (new QLineEdit(&window))->setGeometry(104, 48, 441, 19);
    addTable(window, 520, {8, 208, 601, 214});
}

// A stock drop-down holding `entries` texts (an empty one among them), sorted.
void addSortedCombo(QWidget &window, int entries, const QRect &place)
{
    auto *combo = new QComboBox(&window);
    QStringList texts{QString()};
    for (int i = entries - 1; i > 0; --i)
        texts << u"Entry %1 of the list"_s.arg(i);
    combo->addItems(texts);
    combo->model()->sort(0);
    combo->setCurrentIndex(-1);
    combo->setGeometry(place);
}

void addSameControls(QWidget &window)
{
    const char16_t *const captions[] = {u"Vendor:", u"Model:", u"Type:", u"Vendor ID:",
                                        u"Model ID:", u"Website:"};
    for (int row = 0; row < 6; ++row)
        (new QLabel(QString::fromUtf16(captions[row]), &window))
            ->setGeometry(8, 16 + 32 * row, row == 5 ? 73 : 65, 17);
    addSortedCombo(window, 94, {104, 16, 449, 21});
    addSortedCombo(window, 16, {104, 80, 449, 21});
    for (int top : {48, 112, 144})
        (new QLineEdit(&window))->setGeometry(104, top, 449, 19);
    (new QLabel(u"http://registry.invalid/link_id=0"_s, &window))->setGeometry(104, 176, 513, 17);
    (new QPushButton(u"Clear"_s, &window))->setGeometry(568, 16, 49, 153);
    addTable(window, 520, {8, 208, 609, 241});
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Bare Qt window"_s);
    window.resize(628, 461);
    if (QApplication::arguments().contains(u"--same-controls"_s))
        addSameControls(window);
    else if (QApplication::arguments().contains(u"--widgets"_s))
        addStandardControls(window);
    else if (QApplication::arguments().contains(u"--table"_s))
        addTableAndTextBox(window);
    window.show();
    return app.exec();
}
