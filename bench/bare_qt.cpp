// The floor every Qt Widgets program pays: a small form with a line edit, three lists and a
// button, shown and gone at its first paint.
#include "BenchSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(new QLineEdit);
    for (int i = 0; i < 3; ++i) {
        auto *list = new QComboBox;
        for (int item = 1; item <= 31; ++item)
            list->addItem(QString::number(item));
        layout->addWidget(list);
    }
    layout->addWidget(new QPushButton(QStringLiteral("Go")));
    Bench::quitAtFirstPaint(&form);
    form.show();
    const int status = QApplication::exec();
    Bench::reportPeakMemory();
    return status;
}
