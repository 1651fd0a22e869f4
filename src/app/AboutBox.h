#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace Zorvane {

class ClickableLabel;

// frmAbout: the program's icon, name, a short description and a link to the maker's home page.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AboutBox)

    void cmdOK_Click();
    void lblHomePage_Click();

private:
    void centreOnScreen();

    QLabel *m_picIcon = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblDescription = nullptr;
    ClickableLabel *m_lblHomePage = nullptr;
    QPushButton *m_cmdOK = nullptr;
};

// Shows a new frmAbout, application-modal over parent, until the user closes it; it is
// discarded when closed.
void showAboutBox(QWidget *parent);

} // namespace Zorvane
