#include "SharedPaletteStyle.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Zorvane;

namespace {

// The desktop's style, noting the palette of every button face it is asked to draw.
class NotingStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    mutable QList<QPalette> buttonPalettes;
    mutable int overflowIconsMade = 0;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        overflowIconsMade += icon == SP_ToolBarHorizontalExtensionButton;
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_PushButton)
            buttonPalettes.append(option->palette);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// A window built afresh, as each reading builds its frame: its own palette, its own button.
QPalette drawnInNewWindow(NotingStyle &noting, const QColor &face)
{
    QWidget window;
    QPalette pal = window.palette();
    pal.setColor(QPalette::Button, face);
    pal.setColor(QPalette::ButtonText, Qt::black);
    window.setPalette(pal);
    QPushButton button(QStringLiteral("Back"), &window);
    button.resize(80, 25);
    button.grab();
    return noting.buttonPalettes.last();
}

} // namespace

class TestSharedPaletteStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_noting = new NotingStyle;
        QApplication::setStyle(new SharedPaletteStyle(m_noting));
    }

    // The style's image cache is keyed by the palette's identity: windows built again must
    // present the same one, and different colours must never share one.
    void windowsBuiltAgain_drawWithOnePalettePerColours()
    {
        const QPalette first = drawnInNewWindow(*m_noting, Qt::white);
        const QPalette again = drawnInNewWindow(*m_noting, Qt::white);
        const QPalette red = drawnInNewWindow(*m_noting, Qt::red);

        QCOMPARE(again.cacheKey(), first.cacheKey());
        QCOMPARE(again.color(QPalette::Button), QColor(Qt::white));
        QVERIFY(red.cacheKey() != first.cacheKey());
        QCOMPARE(red.color(QPalette::Button), QColor(Qt::red));
        QCOMPARE(red.color(QPalette::ButtonText), QColor(Qt::black));
    }

    // Building a menu bar must not decode its overflow button's pictures; drawing the button
    // still shows the desktop's icon.
    void menuBarOverflowIcon_isMadeWhenFirstDrawn()
    {
        m_noting->overflowIconsMade = 0;
        QMenuBar bar;
        QCOMPARE(m_noting->overflowIconsMade, 0);

        auto *overflow = bar.findChild<QToolButton *>();
        QVERIFY(overflow);
        const QImage drawn = overflow->icon().pixmap(16, 16).toImage();
        QCOMPARE(m_noting->overflowIconsMade, 1);
        const QImage desktop = QProxyStyle()
                                   .standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                   .pixmap(16, 16)
                                   .toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn, desktop);
    }

private:
    NotingStyle *m_noting = nullptr;
};

QTEST_MAIN(TestSharedPaletteStyle)
#include "tst_sharedpalettestyle.moc"
