#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QPushButton;
class QScrollArea;

namespace Zorvane {

class DisplayWindow;
class ClickableLabel;
class SkyNote;

// Left edges in twips of the frame's elements for a screen W twips wide.
struct FrameLefts
{
    double banner = 0;
    double name = 0;
    double exit = 0;
    double back = 0;
    double display = 0;
    double print = 0;
};

inline constexpr double kPrintWidth = 1260;
inline constexpr double kBackWidth = 1260;
inline constexpr double kMdiExitWidth = 1335;

FrameLefts frameLayout(double screenWidth, double bannerWidth, double nameWidth,
                       double displayWidth);

// frmMdi: the maximized frame around the display window, with its banner, the program's name
// and the Print, Back and Exit buttons.
class FrameWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrameWindow)

public:
    explicit FrameWindow(QWidget *parent = nullptr);
    ~FrameWindow() override;

    DisplayWindow *display() const;
    // Closes the display and loads a fresh one in its place, for another sign's reading.
    DisplayWindow *reloadDisplay();
    SkyNote *skyNote() const { return m_skyNote; }

    void cmdPrint_Click();
    void cmdBack_Click();
    void cmdMdiExit_Click();
    void lblQuillmereBanner_Click();

signals:
    // Print and Back: what the user asked for, carried out by whoever holds the windows.
    void printRequested();
    void backRequested();
    // The frame has been closed, by Back or on the way out. It does not delete itself: whoever
    // holds it does (the navigator, later).
    void frameClosed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Load();
    void buildMenus();

    QPointer<DisplayWindow> m_display;
    QWidget *m_displayArea = nullptr;
    QScrollArea *m_client = nullptr;
    ClickableLabel *m_lblQuillmereBanner = nullptr;
    QLabel *m_lblSoftwareName = nullptr;
    QPushButton *m_cmdPrint = nullptr;
    QPushButton *m_cmdBack = nullptr;
    QPushButton *m_cmdMdiExit = nullptr;
    SkyNote *m_skyNote = nullptr;
    bool m_goingBack = false;
};

} // namespace Zorvane
