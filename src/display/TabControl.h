#pragma once

#include <QList>
#include <QWidget>

namespace Zorvane {

class TabStrip;

// SSTab1: a tab strip across the top and a raised body below it. The pages are its own
// children, placed where the layout puts them; only the selected tab's page is shown.
class TabControl : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabControl)

public:
    explicit TabControl(QWidget *parent = nullptr);

    // The page becomes a child of the control; its geometry stays the caller's.
    int addTab(QWidget *page, const QString &caption);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    QWidget *page(int index) const;
    TabStrip *tabBar() const { return m_strip; }

    // Height of the strip in pixels; the tabs take all of it.
    void setTabHeight(int pixels);

signals:
    void currentChanged(int index);
    // A mouse button went down over the control itself: its strip or its border, not a page.
    void mousePressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showCurrentPage();

    TabStrip *m_strip = nullptr;
    QList<QWidget *> m_pages;
    int m_tabHeight = 0;
};

} // namespace Zorvane
