#include "FileDialog.h"

#include <QFileDialog>
#include <QQueue>

namespace Zorvane {

namespace {

struct TestState
{
    bool on = false;
    QQueue<QString> names;
    FileDialog::Request last;
};

TestState &testState()
{
    static TestState s;
    return s;
}

QString run(QWidget *parent, const FileDialog::Request &request)
{
    TestState &t = testState();
    t.last = request;
    if (t.on)
        return t.names.isEmpty() ? QString() : t.names.dequeue();

    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString FileDialog::getSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &defaultSuffix)
{
    return run(parent, {title, filter, defaultSuffix, true});
}

QString FileDialog::getOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &defaultSuffix)
{
    return run(parent, {title, filter, defaultSuffix, false});
}

void FileDialog::setTestMode(bool on)
{
    testState() = TestState{};
    testState().on = on;
}

void FileDialog::setNextFileName(const QString &fileName)
{
    testState().names.enqueue(fileName);
}

const FileDialog::Request &FileDialog::lastRequest()
{
    return testState().last;
}

} // namespace Zorvane
