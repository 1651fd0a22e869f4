#pragma once

#include <QLabel>
#include <QStringList>

namespace Zorvane {

// A label whose caption wraps within its fixed box the way the design's labels wrap: lines break
// at blanks only, the blanks at a break vanish, and blanks that open the caption stay and count,
// so a caption can push its first word onto the second line with leading blanks.
class WrapLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WrapLabel)

public:
    explicit WrapLabel(QWidget *parent = nullptr);

    // The caption as it is drawn, one entry per line.
    QStringList wrappedLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zorvane
