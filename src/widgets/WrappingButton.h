#pragma once

#include <QPushButton>

namespace Zorvane {

// A push button whose caption wraps within its width, as a tall narrow button needs.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zorvane
