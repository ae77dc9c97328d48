// Baselines for the start-up figures: an empty Qt window of the program's
// design client size; with --table the same window holding a stock table
// view of 520 five-column rows and one text box; with --widgets one of each
// standard control the program uses, with a few rows of text.
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

// A stock table view of `rows` five-column rows where the program has its list.
void addTable(QWidget &window, int rows)
{
    auto *table = new QTableView(&window);
    auto *model = new QStandardItemModel(rows, 5, table);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 5; ++column)
            model->setItem(row, column, new QStandardItem(u"Row %1"_s.arg(row)));
    table->setModel(model);
    table->setGeometry(8, 208, 601, 214);
}

void addStandardControls(QWidget &window)
{
    (new QLabel(u"Vendor:"_s, &window))->setGeometry(8, 16, 65, 17);
    auto *combo = new QComboBox(&window);
    combo->addItems({QString(), u"Flow"_s, u"Level"_s});
    combo->setGeometry(104, 16, 441, 21);
    (new QLineEdit(&window))->setGeometry(104, 48, 441, 19);
    (new QPushButton(u"Clear"_s, &window))->setGeometry(560, 16, 49, 153);
    addTable(window, 20);
}

void addTableAndTextBox(QWidget &window)
{
    (new QLineEdit(&window))->setGeometry(104, 48, 441, 19);
    addTable(window, 520);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Bare Qt window"_s);
    window.resize(628, 461);
    if (QApplication::arguments().contains(u"--widgets"_s))
        addStandardControls(window);
    else if (QApplication::arguments().contains(u"--table"_s))
        addTableAndTextBox(window);
    window.show();
    return app.exec();
}
