#include "TabControl.h"

#include "TabStrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Zorvane {

TabControl::TabControl(QWidget *parent) : QWidget(parent), m_strip(new TabStrip(this))
{
    // The strip and body are drawn in the desktop's button colours, whatever the window's.
    const QPalette desktop = QApplication::palette();
    QPalette pal = palette();
    for (const QPalette::ColorRole role :
         {QPalette::Button, QPalette::ButtonText, QPalette::Light, QPalette::Midlight,
          QPalette::Dark, QPalette::Mid, QPalette::Shadow})
        pal.setColor(role, desktop.color(role));
    setPalette(pal);
    m_strip->setFocusPolicy(Qt::TabFocus);
    connect(m_strip, &QTabBar::currentChanged, this, &TabControl::showCurrentPage);
    connect(m_strip, &QTabBar::currentChanged, this, &TabControl::currentChanged);
    connect(m_strip, &TabStrip::mousePressed, this, &TabControl::mousePressed);
}

int TabControl::addTab(QWidget *page, const QString &caption)
{
    page->setParent(this);
    // A click on a page is not a click on the control.
    page->setAttribute(Qt::WA_NoMousePropagation);
    m_pages.append(page);
    const int index = m_strip->addTab(caption);
    showCurrentPage();
    return index;
}

int TabControl::count() const
{
    return m_strip->count();
}

int TabControl::currentIndex() const
{
    return m_strip->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_strip->setCurrentIndex(index);
}

QString TabControl::tabText(int index) const
{
    return m_strip->tabText(index);
}

QWidget *TabControl::page(int index) const
{
    return m_pages.value(index);
}

void TabControl::setTabHeight(int pixels)
{
    m_tabHeight = pixels;
    m_strip->setGeometry(0, 0, width(), m_tabHeight);
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_strip->setGeometry(0, 0, width(), m_tabHeight);
}

void TabControl::showCurrentPage()
{
    const int current = currentIndex();
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == current);
}

void TabControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mousePressed();
}

void TabControl::keyPressEvent(QKeyEvent *event)
{
    // The keys of every Qt tab widget, from anywhere inside a page: Ctrl+Tab and Ctrl+PageDown
    // to the next tab, Ctrl+Shift+Tab and Ctrl+PageUp to the one before, round the end.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_Tab)
        step = 1;
    else if ((modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
              (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab)))
        step = -1;
    else if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_PageDown)
        step = 1;
    else if (modifiers == Qt::ControlModifier && event->key() == Qt::Key_PageUp)
        step = -1;
    if (step == 0 || count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    setCurrentIndex((currentIndex() + step + count()) % count());
}

void TabControl::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    const QPalette pal = palette();
    // The raised body the pages sit in.
    const QRect body(0, m_tabHeight - 1, width(), height() - m_tabHeight + 1);
    p.fillRect(body, pal.color(QPalette::Button));
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(body.topLeft(), body.bottomLeft());
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(body.topRight(), body.bottomRight());
    p.drawLine(body.bottomLeft(), body.bottomRight());
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(body.topRight() + QPoint(-1, 1), body.bottomRight() + QPoint(-1, -1));
    p.drawLine(body.bottomLeft() + QPoint(1, -1), body.bottomRight() + QPoint(-1, -1));
}

} // namespace Zorvane
