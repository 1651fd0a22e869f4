#pragma once

#include <QCursor>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

class QTextEdit;

namespace Zorvane {

struct WebAddress
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString href;
};

// The stretches of text that have the form of a web address (scheme://..., www...., mailto:...),
// without the punctuation that usually closes a sentence around them.
QList<WebAddress> findWebAddresses(QStringView text);

// Turns web addresses in a rich-text box into links and opens a link when the left button is
// pressed on it. The press is not consumed: the box still places its cursor and starts a
// selection. Addresses are recognised in whatever text reaches the box while attached.
class LinkHandler : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkHandler)

public:
    explicit LinkHandler(QObject *parent = nullptr);
    ~LinkHandler() override;

    void attach(QTextEdit *box);
    // Harmless when nothing is attached.
    void detach();
    bool isAttached() const { return !m_box.isNull(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markLinks(int from, int charsRemoved, int charsAdded);

    QPointer<QTextEdit> m_box;
    QMetaObject::Connection m_contentsChange;
    QCursor m_boxCursor;
    bool m_marking = false;
};

} // namespace Zorvane
