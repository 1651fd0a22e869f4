// The floor for Proceed: plain Qt building and showing a maximized window that holds as many
// labels, text panels and pictures as Zorvane's display, in code, with layouts, after the program
// has been idle for a quarter of a second. The counts come from the command line, one
// "labels,panels,pictures" group for the side beside the tabs and one for each tab page, as
// bench_zorvane census prints them.
#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <cstdio>

namespace {

struct Census
{
    int labels = 0;
    int panels = 0;
    int pictures = 0;
};

Census parse(const char *group)
{
    const QList<QByteArray> n = QByteArray(group).split(',');
    return {n.value(0).toInt(), n.value(1).toInt(), n.value(2).toInt()};
}

// A card-sized picture drawn in code, so that the floor pays no image decoding.
QPixmap picture()
{
    QPixmap pixmap(114, 150);
    pixmap.fill(Qt::darkBlue);
    QPainter painter(&pixmap);
    painter.setPen(Qt::yellow);
    painter.drawEllipse(pixmap.rect().adjusted(10, 10, -10, -10));
    return pixmap;
}

QWidget *page(const Census &census)
{
    static const QString paragraph =
        QStringLiteral("A paragraph of description as long as one of the reading's texts. ")
            .repeated(8);
    auto *widget = new QWidget;
    auto *grid = new QGridLayout(widget);
    int cell = 0;
    const auto add = [&](QWidget *w) {
        grid->addWidget(w, cell / 4, cell % 4);
        ++cell;
    };
    for (int i = 0; i < census.labels; ++i)
        add(new QLabel(QStringLiteral("Label %1").arg(i)));
    for (int i = 0; i < census.panels; ++i) {
        auto *panel = new QPlainTextEdit;
        panel->setReadOnly(true);
        panel->setPlainText(paragraph);
        add(panel);
    }
    for (int i = 0; i < census.pictures; ++i) {
        auto *box = new QLabel;
        box->setPixmap(picture());
        add(box);
    }
    return widget;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SIDE TAB...  (each LABELS,PANELS,PICTURES)\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.setObjectName(QStringLiteral("plainWindow"));
    QElapsedTimer timer;
    Bench::whenIdle([&] {
        timer.start();
        auto *row = new QHBoxLayout(&window);
        row->addWidget(page(parse(argv[1])));
        auto *tabs = new QTabWidget;
        for (int i = 2; i < argc; ++i)
            tabs->addTab(page(parse(argv[i])), QStringLiteral("Page %1").arg(i - 1));
        row->addWidget(tabs, 2);
        // Timed to the first paint inside the window, as the Proceed row times the display's.
        new Bench::PaintWatch("plainWindow", [&timer](QObject *) {
            std::printf("window_ms %.3f\n", double(timer.nsecsElapsed()) / 1e6);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        });
        window.showMaximized();
    });
    return QApplication::exec();
}
