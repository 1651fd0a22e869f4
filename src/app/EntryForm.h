#pragma once

#include "BirthData.h"
#include "ReadingFile.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QComboBox;
class QPushButton;

namespace Zorvane {

class ClickableLabel;
class NameBox;

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
    bool validateBirthData();
    void cmdProceed_Click();
    void cmdOpen_Click();
    // Opens a reading file as cmdOpen does once its dialog has given the path.
    void openReadingFile(const QString &path);
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
    void buildDetails(QWidget *parent);
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
