#include "ui/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    // An address holds '&' and maybe '<': never read it as rich text.
    setTextFormat(Qt::PlainText);
    setCursor(Qt::ArrowCursor);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
}

void LinkLabel::setLinkText(const QString &text)
{
    setText(text);
    setAccessibleDescription(text);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    m_leftPressed = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    const bool click = m_leftPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (click)
        Q_EMIT clicked();
}
