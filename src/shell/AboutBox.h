#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace Zorvane {

// frmAbout: the program's icon, name, a short description and a link to the maker's home page.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(AboutBox)

    void cmdOK_Click();
    void lblHomePage_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void centreOnScreen();

    QLabel *m_picIcon = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblDescription = nullptr;
    QLabel *m_lblHomePage = nullptr;
    QPushButton *m_cmdOK = nullptr;
};

// Shows a new frmAbout, application-modal over parent, until the user closes it; it is
// discarded when closed.
void ShowAboutBox(QWidget *parent);

} // namespace Zorvane
