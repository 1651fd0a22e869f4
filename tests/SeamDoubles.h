#pragma once

#include "Clock.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "PrintDialog.h"
#include "SettingsStore.h"
#include "UrlOpener.h"

#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QTemporaryDir>
#include <QUrl>

namespace Zorvane::Testing {

// Each double takes its seam's place while its test mode is on, and gives production's back when
// it is switched off. Switching on starts afresh.

// Message boxes are recorded instead of shown and answer at once, with the next queued answer or
// their default button.
class TestMessageBox : public MessageBoxShower
{
public:
    struct Record
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    static void setTestMode(bool on)
    {
        instance().m_answers.clear();
        instance().m_shown.clear();
        Seam<MessageBoxShower>::install(on ? &instance() : nullptr);
    }
    static void setNextAnswer(QMessageBox::StandardButton answer)
    {
        instance().m_answers.enqueue(answer);
    }
    static const QList<Record> &shown() { return instance().m_shown; }
    static void clearShown() { instance().m_shown.clear(); }

    QMessageBox::StandardButton show(QWidget *, QMessageBox::Icon icon, const QString &title,
                                     const QString &text, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton) override
    {
        m_shown.append({icon, title, text, buttons});
        return m_answers.isEmpty() ? defaultButton : m_answers.dequeue();
    }

private:
    static TestMessageBox &instance()
    {
        static TestMessageBox box;
        return box;
    }

    QQueue<QMessageBox::StandardButton> m_answers;
    QList<Record> m_shown;
};

// Addresses are recorded instead of opened.
class TestUrlOpener : public UrlOpener
{
public:
    static void setTestMode(bool on)
    {
        instance().m_opened.clear();
        Seam<UrlOpener>::install(on ? &instance() : nullptr);
    }
    static const QList<QUrl> &opened() { return instance().m_opened; }
    static void clearOpened() { instance().m_opened.clear(); }

    void openUrl(const QUrl &url) override { m_opened.append(url); }

private:
    static TestUrlOpener &instance()
    {
        static TestUrlOpener opener;
        return opener;
    }

    QList<QUrl> m_opened;
};

// File dialogs answer at once with the next queued file name, or as Cancel when none is queued;
// the last request is kept, whether or not a test mode is on.
class TestFileDialog : public FileDialog
{
public:
    static void setTestMode(bool on)
    {
        instance().m_names.clear();
        instance().m_last = {};
        Seam<FileDialog>::install(on ? &instance() : nullptr);
    }
    static void setNextFileName(const QString &fileName) { instance().m_names.enqueue(fileName); }
    static const Request &lastRequest() { return instance().m_last; }

    QString chooseFile(QWidget *, const Request &request) override
    {
        m_last = request;
        return m_names.isEmpty() ? QString() : m_names.dequeue();
    }

private:
    static TestFileDialog &instance()
    {
        static TestFileDialog dialog;
        return dialog;
    }

    QQueue<QString> m_names;
    Request m_last;
};

// A date of the test's choosing; an invalid one gives the system clock back.
class TestClock : public Clock
{
public:
    static void setToday(const QDate &date)
    {
        instance().m_today = date;
        Seam<Clock>::install(date.isValid() ? &instance() : nullptr);
    }

    QDate currentDate() const override { return m_today; }

private:
    static TestClock &instance()
    {
        static TestClock clock;
        return clock;
    }

    QDate m_today;
};

// The real settings store, kept in a temporary folder of the test's own for as long as this lives.
class TestSettingsStore
{
public:
    TestSettingsStore() { Seam<SettingsStore>::install(&m_store); }
    ~TestSettingsStore() { Seam<SettingsStore>::install(nullptr); }
    Q_DISABLE_COPY_MOVE(TestSettingsStore)

    bool isValid() const { return m_folder.isValid(); }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    FileSettingsStore m_store{m_folder.path()};
};

// The print dialog answers with queued outcomes: Cancel, or printing to a PDF file with the range
// the user would have picked. Either way the printer is pointed at the outcome's PDF file, so that
// whatever is printed after a Cancel shows. With nothing queued it answers as Cancel.
class TestPrintDialog : public PrintDialog
{
public:
    struct Request
    {
        bool pageRangeOffered = false;
        bool selectionOffered = false;
        bool selectionPreset = false;
    };

    struct Outcome
    {
        bool accepted = false;
        QString pdfPath;
        QPrinter::PrintRange chosenRange = QPrinter::AllPages;

        static Outcome cancel(const QString &path = {}) { return {false, path}; }
        static Outcome printToPdf(const QString &path,
                                  QPrinter::PrintRange range = QPrinter::AllPages)
        {
            return {true, path, range};
        }
    };

    static void setTestMode(bool on)
    {
        instance().m_outcomes.clear();
        instance().m_requests.clear();
        Seam<PrintDialog>::install(on ? &instance() : nullptr);
    }
    static void setNextOutcome(const Outcome &outcome) { instance().m_outcomes.enqueue(outcome); }
    static const QList<Request> &requests() { return instance().m_requests; }

    bool choosePrinter(QPrinter &printer, QWidget *, bool hasSelection) override
    {
        m_requests.append({false, hasSelection, hasSelection});
        const Outcome outcome = m_outcomes.isEmpty() ? Outcome::cancel() : m_outcomes.dequeue();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outcome.pdfPath);
        if (outcome.accepted)
            printer.setPrintRange(outcome.chosenRange);
        return outcome.accepted;
    }

private:
    static TestPrintDialog &instance()
    {
        static TestPrintDialog dialog;
        return dialog;
    }

    QQueue<Outcome> m_outcomes;
    QList<Request> m_requests;
};

} // namespace Zorvane::Testing
