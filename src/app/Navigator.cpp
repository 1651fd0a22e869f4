#include "Navigator.h"

#include "ApplyReading.h"
#include "DisplayWindow.h"
#include "EntryForm.h"
#include "FocusMark.h"
#include "FrameWindow.h"
#include "ReadingTexts.h"
#include "ReportWindow.h"
#include "SkyNote.h"

namespace Zorvane {

Navigator::Navigator() : m_entryForm(std::make_unique<EntryForm>())
{
    // Proceed, Back and Print by key move the focus into another window; its mark shows there.
    showFocusMarksAfterKeys();
    connect(m_entryForm.get(), &EntryForm::readingRequested, this, &Navigator::showReading);
}

Navigator::~Navigator()
{
    // A frame still open when the program's windows go away (tests end that way) goes with them.
    delete m_frame.data();
}

void Navigator::showReading(qint16 monthIndex, qint16 dayIndex)
{
    LoadReadingTexts();

    if (!m_frame) {
        auto *frame = new FrameWindow;
        m_frame = frame;
        connect(frame, &FrameWindow::printRequested, this, &Navigator::printReport);
        connect(frame, &FrameWindow::backRequested, this, &Navigator::showEntryForm);
        // Closed frames are deleted later, with their display; a new Proceed in between makes a
        // new one.
        connect(frame, &FrameWindow::frameClosed, this, [this, frame] {
            if (m_frame == frame)
                m_frame = nullptr;
            frame->deleteLater();
        });
        connect(frame->skyNote(), &SkyNote::readingRequested, this, &Navigator::showSkyReading);
    }
    const std::optional<SunSign> sign = SignFromDate(monthIndex, dayIndex);
    if (DisplayWindow *display = m_frame->display(); display && sign)
        ApplyReading(*display, *sign);

    m_skyDay = SkyDay();
    m_birthDate = QDate(m_entryForm->birthData().Year, monthIndex + 1, dayIndex + 1);
    if (sign && m_birthDate.isValid()) {
        const QTimeZone system = QTimeZone::systemTimeZone();
        m_skyDay = judgeDay(m_birthDate, *sign, system.isValid() ? system : QTimeZone::utc());
        m_shownSign = *sign;
    }
    updateSkyNote();

    m_entryForm->hide();
    m_frame->showMaximized();
    m_frame->raise();
    m_frame->activateWindow();
}

void Navigator::printReport()
{
    if (!m_frame)
        return;
    ReportSources sources;
    sources.birthData = m_entryForm->birthData();
    sources.monthText = m_entryForm->monthText();
    sources.dayText = m_entryForm->dayText();
    sources.yearText = m_entryForm->yearText();
    sources.display = m_frame->display();
    sources.closingNote = skyNoteText(m_skyDay, m_birthDate, m_shownSign);
    showReport(m_frame, sources);
}

void Navigator::updateSkyNote()
{
    if (m_frame)
        m_frame->skyNote()->setNote(skyNoteText(m_skyDay, m_birthDate, m_shownSign),
                                    skyNoteSigns(m_skyDay, m_shownSign), m_skyDay.table);
}

// The birth data and what Save writes stay as they are: only the reading on show changes.
void Navigator::showSkyReading(SunSign sign)
{
    if (!m_frame)
        return;
    ApplyReading(*m_frame->reloadDisplay(), sign);
    m_shownSign = sign;
    updateSkyNote();
}

void Navigator::showEntryForm()
{
    m_entryForm->show();
    m_entryForm->activateWindow();
}

} // namespace Zorvane
