#include "Application.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "Design.h"
#include "EntryForm.h"
#include "FirstPaint.h"
#include "Navigator.h"
#include "QtWorkarounds.h"
#include "SharedPaletteStyle.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace Zorvane {

namespace {

const QString kUsage = QStringLiteral("Usage: zorvane [--help] [--version] [FILE.zvr]");

// Options that QApplication takes for itself; they must pass here to reach it. Session managers
// restart programs with -session.
void acceptToolkitOptions(QCommandLineParser &parser)
{
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
          "stylesheet", "session", "qwindowgeometry", "qwindowtitle", "qwindowicon"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Qt ends a program that it cannot give a display with an abort, after several lines of its own.
// While the application starts, its messages are held back: a failure to start prints one line and
// ends with status 1, and a good start passes them on as they came.
using StartMessages = QList<std::tuple<QtMsgType, QString>>;
StartMessages *s_startMessages = nullptr;

void holdStartMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        s_startMessages->append({type, message});
        return;
    }
    // The first warning names the cause ("could not connect to display :5"); Qt's last word does
    // not.
    QString reason = message;
    for (const auto &[heldType, text] : std::as_const(*s_startMessages)) {
        if (heldType != QtDebugMsg && heldType != QtInfoMsg) {
            reason = text;
            break;
        }
    }
    print(stderr, QStringLiteral("zorvane: cannot open a display: ") %
                      reason.section(u'\n', 0, 0).trimmed() % u'\n');
    std::_Exit(1);
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // -platform and the other toolkit options are single-dash words, not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Zorvane gives a Kabbalistic-astrology reading: a name and a birth date give "
        "a sun sign,\nshown on the Tree of Life with its texts and Tarot cards."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FILE.zvr"),
                                 QStringLiteral("A reading file to open, as File > Open would."),
                                 QStringLiteral("[FILE.zvr]"));
    acceptToolkitOptions(parser);

    CommandLine result;
    if (arguments.isEmpty())
        return result;
    const auto refuse = [&result](const QString &why) {
        result.run = false;
        result.exitStatus = 2;
        result.error = QStringLiteral("zorvane: ") % why % u' ' % kUsage % u'\n';
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
    } else if (parser.isSet(help)) {
        result.run = false;
        // Qt names the program from QCoreApplication, which does not exist yet.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'), kUsage);
        result.output = text;
    } else if (parser.isSet(version)) {
        result.run = false;
        result.output = QStringLiteral("Zorvane " ZORVANE_VERSION "\n");
    } else if (const QStringList files = parser.positionalArguments(); files.size() > 1) {
        refuse(QStringLiteral("only one reading file can be opened at a time."));
    } else {
        result.readingFile = files.value(0);
    }
    return result;
}

int StartUp(int argc, char *argv[], const EntryFormShown &onShown)
{
    // Before QApplication, which needs a display: help, version and refusals must not.
    const CommandLine commandLine = parseCommandLine(argumentsOf(argc, argv));
    if (!commandLine.run) {
        print(stdout, commandLine.output);
        print(stderr, commandLine.error);
        return commandLine.exitStatus;
    }

    // A file-size limit must fail the write (EFBIG) and reach the program's own failure handling,
    // not end the process with a partly written file.
    std::signal(SIGXFSZ, SIG_IGN);

    StartMessages startMessages;
    s_startMessages = &startMessages;
    const QtMessageHandler previous = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    s_startMessages = nullptr;
    for (const auto &[type, text] : std::as_const(startMessages))
        qt_message_output(type, QMessageLogContext(), text);
    // Before anything reads or writes the per-user settings.
    QApplication::setOrganizationName(QStringLiteral("zorvane"));
    QApplication::setApplicationName(QStringLiteral("zorvane"));
    // The installed menu entry's name: Wayland docks match the window to it by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVANE_APP_ID));
    // Held until the program ends; a second start stops here, before any window of its own.
    const SingleInstance instance(SingleInstance::userLockDirs());
    if (!proceedAsOnlyInstance(instance))
        return 0;
    // The program ends through ShutDown only: Back closes the last visible window on its way
    // to showing the entry form again.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    // Over the desktop's own style, which it creates only when first asked to draw.
    QApplication::setStyle(new SharedPaletteStyle);

    Navigator navigator;
    EntryForm &entryForm = navigator.entryForm();
    // Decoding the icon loads Qt's image readers, and the reading's fonts are needed only at the
    // first Proceed: the entry form can appear without either.
    runAfterFirstPaint(&entryForm, [] {
        QApplication::setWindowIcon(appIcon());
        preloadReadingFonts();
    });
    entryForm.show();
    if (onShown)
        onShown(navigator);
    // A file handed over by the file manager opens as if chosen in the open dialog.
    if (const QString path = commandLine.readingFile; !path.isEmpty())
        QTimer::singleShot(0, &entryForm, [&entryForm, path] { entryForm.openReadingFile(path); });
    return QApplication::exec();
}

} // namespace Zorvane
