#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop's web browser: while it lives, addresses of the
// given schemes that the program opens are recorded here instead.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    explicit BrowserStandIn(const QStringList &schemes = {QStringLiteral("http"),
                                                          QStringLiteral("https")});
    ~BrowserStandIn() override;

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }

private:
    QStringList m_schemes;
};
