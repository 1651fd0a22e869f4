#pragma once

#include "BirthData.h"
#include "LinkHandler.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;

namespace Zorvane {

class ClickableLabel;

// Where the report reads its values from when it is composed.
struct ReportSources
{
    BirthData birthData; // as the last successful Proceed stored it
    QString monthText;   // the entry form's current list texts
    QString dayText;
    QString yearText;
    const QWidget *display = nullptr; // frmDisplay, read back by control name
    QString closingNote;              // the final paragraph, when there is one
};

// Shows frmSave modally over the frame until the user closes it; the report is composed anew.
void showReport(QWidget *frame, const ReportSources &sources);

// frmSave: the report of the displayed reading, from which it is saved or printed. The report
// is composed when the window is built; the display is not read again afterwards.
class ReportWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportWindow)

public:
    explicit ReportWindow(const ReportSources &sources, QWidget *parent = nullptr);
    ~ReportWindow() override;

    void done(int result) override;

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();
    void Label1_Click();
    void Label14_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load(const ReportSources &sources);
    void Form_Unload();
    void compose(const ReportSources &sources);

    BirthData m_birthData;
    ClickableLabel *m_label14 = nullptr;
    ClickableLabel *m_label1 = nullptr;
    QTextEdit *m_rtb = nullptr;
    QPushButton *m_cmdSave = nullptr;
    QPushButton *m_cmdPrint = nullptr;
    LinkHandler m_links;
};

} // namespace Zorvane
