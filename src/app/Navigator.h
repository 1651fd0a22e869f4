#pragma once

#include "EntryForm.h"
#include "FrameWindow.h"
#include "SkySign.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace Zorvane {

// Owns the program's two main windows and carries the user between them: a successful Proceed
// on the entry form opens the reading in the frame, Print there opens the report of what the
// entry form holds, Back shows the entry form again. The windows never refer to each other.
//
// Ownership: the entry form lives as long as the navigator, and the frame until it is closed; the
// display is the frame's child. The report window and the about box delete themselves when closed.
class Navigator : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Navigator)

public:
    Navigator();
    ~Navigator() override;

    EntryForm &entryForm() const { return *m_entryForm; }
    // The frame of the reading on screen, if any.
    FrameWindow *frame() const { return m_frame; }

private:
    void showReading(qint16 monthIndex, qint16 dayIndex);
    void printReport();
    void showEntryForm();
    void showSkyReading(SunSign sign);
    void updateSkyNote();

    std::unique_ptr<EntryForm> m_entryForm;
    QPointer<FrameWindow> m_frame;
    // The birth day as the sky saw it, and the sign whose reading is on show.
    SkyDay m_skyDay;
    QDate m_birthDate;
    SunSign m_shownSign = SunSign::Aries;
};

} // namespace Zorvane
