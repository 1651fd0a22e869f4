#pragma once

#include <QComboBox>

namespace Zorvane {

// A date list of the entry form. On Unix, Qt names a list by its current entry and leaves its
// caption to the label relation, which not every screen reader follows; a DateList is named by
// its accessible name, and its current entry is its value. Its open list has the closed box's
// colours.
class DateList : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DateList)

public:
    explicit DateList(QWidget *parent = nullptr);

    void showPopup() override;
    // From now on the popup's selected entry is the chosen one, even while it is closed, for
    // screen readers that look there. The popup is made when first needed, not at start-up.
    void selectChosenEntryInPopup();

private:
    bool m_listStyled = false;
    bool m_popupFollows = false;
};

} // namespace Zorvane
