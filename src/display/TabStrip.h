#pragma once

#include <QTabBar>

namespace Zorvane {

// The tab strip of SSTab1: every tab takes an equal share of the strip's width and its full
// height, and a caption too long for one line wraps onto the next inside its tab, so there is
// never a scroll arrow and never an elided caption.
class TabStrip : public QTabBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabStrip)

public:
    explicit TabStrip(QWidget *parent = nullptr);

signals:
    // Any mouse button went down over the strip, on a tab or beside the tabs.
    void mousePressed();

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace Zorvane
