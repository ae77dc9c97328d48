// The program's window whose hand-over of an address to the browser fails:
// the desktop's handler for web addresses throws. Run by tst_form_failure,
// which expects the program to end at once with the failure reported.
#include "ui/Form1.h"
#include "ui/ResultsListView.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <stdexcept>

class FailingBrowser : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url)
    {
        throw std::runtime_error("no browser took " + url.toString().toStdString());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FailingBrowser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    Form1 form;
    form.Form_Load();
    form.show();
    // A row chosen and clicked, then the link label clicked.
    form.ListView1->selectRow(1);
    form.ListView1_Click();
    form.LabelUrl_Click();
    return 0; // never reached: the failure ends the program
}

#include "failing_window.moc"
