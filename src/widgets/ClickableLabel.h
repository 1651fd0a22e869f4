#pragma once

#include <QLabel>

namespace Zorvane {

// A label that acts like a link: the pointing hand over it, and clicked() when the left button
// is released over the label it was pressed on, or when Enter or Space is pressed on it. Tab
// reaches it, and screen readers see a link.
class ClickableLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zorvane
