#pragma once

#include "BirthData.h"
#include "ReadingFile.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QPushButton;
class QValidator;

namespace Zorvane {

class ClickableLabel;

// The name box. Every typed character goes through the form's key handler, which may change it
// or swallow it (0). Text that arrives without a key press of its own - pasted by Shift+Insert,
// the context menu or a middle click, dropped, or committed by an input method - passes the same
// rule through a validator: lower case becomes capitals and anything else is dropped, and the
// refusal is reported once per edit. Text the program sets with setTextAsIs is not filtered.
class NameBox : public QLineEdit
{
public:
    explicit NameBox(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(NameBox)

    void setKeyPressHandler(std::function<int(int)> handler) { m_keyPress = std::move(handler); }
    void setRefusedHandler(std::function<void()> handler) { m_refused = std::move(handler); }
    void setTextAsIs(const QString &text);

    // The character code a key press types, as the key handler sees it; 0 for keys that type
    // nothing (arrows, Delete, Alt combinations).
    static int typedCode(const QKeyEvent &event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A dragged reading file passes on to the form, which opens it (Qt then sends the rest of
    // the drag there); other text drops here.
    void dragEnterEvent(QDragEnterEvent *event) override;

private:
    QValidator *m_filter = nullptr;
    std::function<int(int)> m_keyPress;
    std::function<void()> m_refused;
};

// frmMain: the first window, where the user enters a name and a date of birth and asks for the
// reading. Hidden, never closed, while a reading is on screen; closing it ends the program.
class EntryForm : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EntryForm)

public:
    explicit EntryForm(QWidget *parent = nullptr);
    ~EntryForm() override;

    const BirthData &birthData() const { return m_birthData; }
    QString dayText() const;
    QString monthText() const;
    QString yearText() const;

    int txtName_KeyPress(int keyAscii);
    bool ValidateBirthData();
    void cmdProceed_Click();
    void cmdOpen_Click();
    // Opens a reading file as cmdOpen does once its dialog has given the path.
    void OpenReadingFile(const QString &path);
    void cmdExit_Click();
    void Label61_Click();

signals:
    // Proceed has validated and stored the birth data: the reading of this date is wanted.
    void readingRequested(qint16 monthIndex, qint16 dayIndex);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildClient();
    void buildMenus();
    void centreOnScreen();
    void Form_Load();
    void txtName_Refused();
    void applyReadingFile(const std::optional<std::array<QString, kReadingFileLines>> &lines);

    BirthData m_birthData;

    ClickableLabel *m_label61 = nullptr;
    NameBox *m_txtName = nullptr;
    QComboBox *m_cboDate = nullptr;
    QComboBox *m_cboMonth = nullptr;
    QComboBox *m_cboYear = nullptr;
    QPushButton *m_cmdOpen = nullptr;
    QPushButton *m_cmdProceed = nullptr;
    QPushButton *m_cmdExit = nullptr;
};

} // namespace Zorvane
