#pragma once

#include "ReadingTables.h"
#include "SunSign.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;

namespace Zorvane {

class DiagramItem;

inline constexpr int kPathLineCount = 22;

// Frame2: the Tree of Life, drawn from fixed tables. Spheres and paths are painted on this one
// surface in their stacking order, each kept as a DiagramItem child named for the design; the
// labels over them are real QLabels, the sphere labels lblClick(0) ... lblClick(10) being the
// pointer targets of the sphere help.
class TreeOfLife : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TreeOfLife)

public:
    explicit TreeOfLife(QWidget *parent = nullptr);

    // ShpCircle(index); nullptr outside 0..10.
    DiagramItem *circle(int index) const;
    QLabel *sphereLabel(int index) const;

    // What a reading marks: the sign's trump beside its path, and its Sephiroth and the path
    // between them in the highlight colour.
    void showTrump(SunSign sign);
    void highlightSphere(Sephira sephira);
    void highlightPath(Sephira one, Sephira two);

    // The pointing hand and its caption, hidden until the display places them.
    struct Hint
    {
        QLabel *image;
        QLabel *caption;
    };
    Hint hint() const { return {m_hintImage, m_hintCaption}; }

    // Whether a point lies on the bare background, clear of every shape and line.
    bool isBackground(const QPoint &pos) const;

    // The sphere the keyboard stands on; the diagram starts on Keter.
    int currentSphere() const { return m_current; }

signals:
    // Pointer movement over lblClick(index), with or without a button held.
    void sphereLabelMouseMove(qint16 index);
    // Pointer movement over the background.
    void backgroundMouseMove();
    // The keyboard reached sphere index: by focus entering the diagram or by a key.
    void sphereFocused(qint16 index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void buildShapes();
    void buildLabels();
    void setCurrentSphere(int index);
    void announceCurrentSphere();
    // The sphere an arrow key leads to from the current one, given as the direction it points
    // in; the current one where none lies that way.
    int nearestSphere(int right, int down) const;

    QList<QPointer<DiagramItem>> m_paintOrder; // back to front
    std::array<QPointer<DiagramItem>, kSphereCount> m_circles{};
    std::array<QPointer<QLabel>, kSphereCount> m_sphereLabels{};
    std::array<QPointer<DiagramItem>, kPathLineCount> m_pathLines{};
    std::array<QPointer<QLabel>, kSignCount> m_trumps{};
    QLabel *m_hintImage = nullptr;
    QLabel *m_hintCaption = nullptr;
    int m_current = 0;
};

} // namespace Zorvane
