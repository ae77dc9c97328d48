#pragma once

#include <QLabel>

// A label used as a link: blue, underlined, arrow pointer, and a click
// notification on a left-button release inside it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    // Sets the shown address; assistive tools read it as the description.
    void setLinkText(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_leftPressed = false;
};
