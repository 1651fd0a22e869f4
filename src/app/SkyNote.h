#pragma once

#include "SunSign.h"

#include <QLabel>
#include <QList>
#include <QWidget>

class QHBoxLayout;

namespace Zorvane {

// The frame's note on where the Sun really stood on the birth day, with links to other readings.
// Hidden while there is nothing to tell.
class SkyNote : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkyNote)

public:
    explicit SkyNote(QWidget *parent = nullptr);

    void setNote(const QString &text, const QList<SunSign> &offered, SunSign table);
    QString text() const { return m_text->text(); }

signals:
    void readingRequested(Zorvane::SunSign sign);

private:
    QLabel *m_text = nullptr;
    QHBoxLayout *m_links = nullptr;
};

} // namespace Zorvane
