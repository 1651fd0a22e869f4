#pragma once

#include <QGroupBox>

namespace Zorvane {

// A group frame as the design draws it: an etched rectangle whose top edge runs through the
// middle of the caption, the caption in the frame's text colour on the frame's own background.
class GroupFrame : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupFrame)

public:
    explicit GroupFrame(const QString &title, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zorvane
