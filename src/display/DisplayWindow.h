#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace Zorvane {

class GroupFrame;
class TabControl;
class TreeOfLife;

// frmDisplay: the borderless child of the frame window that shows one reading on three tabs
// beside the Tree-of-Life drawing. Every control carries its design name as its objectName, so
// ApplyReading writes into it and the report reads back from it by name. Labels are QLabels,
// text panels read-only QPlainTextEdits, card pictures QLabels showing a pixmap.
class DisplayWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DisplayWindow)

public:
    explicit DisplayWindow(QWidget *parent = nullptr);

    TreeOfLife *treeOfLife() const { return m_tree; }
    TabControl *tabs() const { return m_tabs; }

public slots:
    // The sphere help: the name and text of sphere index (SephiraIndex, Daat 10) into the help
    // labels of the third tab. An index outside 0..10 only hides the hint.
    void ShowSphereInfo(qint16 index);
    // Empties both help labels.
    void ClearSphereInfo();

    void lblClick_MouseMove(qint16 index);
    void Frame2_MouseMove();
    void picSplit_MouseMove();
    void picSplitTwo_MouseMove();
    void lblSphereDesc_MouseMove();
    void lblSunSignDesc_MouseMove();
    void SSTab1_MouseDown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTreeFrame();
    void buildTabs();
    void buildSephirothPage(QWidget *page);
    void buildPathPage(QWidget *page);
    void buildSunSignPage(QWidget *page);
    void Form_Load();

    GroupFrame *m_treeFrame = nullptr;
    TreeOfLife *m_tree = nullptr;
    TabControl *m_tabs = nullptr;
    QWidget *m_picSplit = nullptr;
    QWidget *m_picSplitTwo = nullptr;
    QWidget *m_picSplitThree = nullptr;
    QPointer<QLabel> m_lblSphereName;
    QPointer<QLabel> m_lblSphereDesc;
    QPointer<QLabel> m_lblSunSignDesc;
};

} // namespace Zorvane
