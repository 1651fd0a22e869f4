#include "UrlOpener.h"

#include <QDesktopServices>

namespace Zorvane {

namespace {

struct TestState
{
    bool on = false;
    QList<QUrl> opened;
};

TestState &testState()
{
    static TestState s;
    return s;
}

} // namespace

void UrlOpener::open(const QUrl &url)
{
    TestState &t = testState();
    if (t.on) {
        t.opened.append(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void UrlOpener::setTestMode(bool on)
{
    testState() = TestState{};
    testState().on = on;
}

const QList<QUrl> &UrlOpener::opened()
{
    return testState().opened;
}

void UrlOpener::clearOpened()
{
    testState().opened.clear();
}

} // namespace Zorvane
