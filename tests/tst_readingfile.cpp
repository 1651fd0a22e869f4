#include "ReadingFile.h"
#include "ShiftCodec.h"

#include "ChildProcess.h"
#include "WorkedExample.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Zorvane;
using namespace Zorvane::Testing;

class TestReadingFile : public QObject
{
    Q_OBJECT

private slots:
    // The shift codec
    void encode_shiftsEveryCodeBy85();
    void encode_refusesCodesAbove170();
    void decode_skipsBytesBelow85();
    void textForm_roundTrips();

    // Writing
    void annaExample_isByteForByte();
    void write_thenRead_roundTrips();
    void write_unencodableName_failsAndLeavesOldFile();
    void write_intoMissingFolder_reportsTheReason();
    void write_overAnExistingFile_keepsItsPermissions_evenAtTheNameLengthLimit();
    void write_thatHitsTheFileSizeLimit_keepsTheOldFileAndSaysWhy();

    // Reading bad files
    void read_empty();
    void read_twoLines_leavesTheRestEmpty();
    void read_nineLines_ignoresAllAfterTheFourth();
    void read_loneLineFeeds_andNoFinalLineEnd();
    void read_everyLineEndEndsOneLine_data();
    void read_everyLineEndEndsOneLine();
    void read_binaryAndPlainText_decodeWhatTheyCan();
    void read_longName_comesBackWhole_data();
    void read_longName_comesBackWhole();
    void read_folderOrMissingFile_reportsIt();
    void read_pipe_isRefusedWithoutBlocking();
    void read_gigabyteWithoutLineEnds_staysSmall();

private:
};

void TestReadingFile::encode_shiftsEveryCodeBy85()
{
    QCOMPARE(ShiftEncode(u"ANNA"), std::optional(QByteArray::fromHex("96A3A396")));
    QCOMPARE(ShiftEncode(u" "), std::optional(QByteArray("\x75")));
    QCOMPARE(ShiftEncode(u"y"), std::optional(QByteArray("\xCE")));
    QCOMPARE(ShiftEncode(u""), std::optional(QByteArray()));
}

void TestReadingFile::encode_refusesCodesAbove170()
{
    QVERIFY(ShiftEncode(QString(QChar(170))).has_value());
    QCOMPARE(*ShiftEncode(QString(QChar(170))), QByteArray("\xFF"));
    QVERIFY(!ShiftEncode(QString(QChar(171))).has_value());
    QVERIFY(!ShiftEncode(u"ANN\u00e9").has_value());
    QVERIFY(!ShiftEncode(u"\u0100").has_value());
}

void TestReadingFile::decode_skipsBytesBelow85()
{
    QCOMPARE(ShiftDecode(QByteArray::fromHex("96A3A396")), QStringLiteral("ANNA"));
    // Plain digits and capitals lie below 85 and disappear; 'a' (97) decodes to '\x0c'.
    QCOMPARE(ShiftDecode("ANNA 1975"), QString());
    QCOMPARE(ShiftDecode(QByteArray("\x55", 1)), QString(QChar(0)));
    QCOMPARE(ShiftDecode(QByteArray("\x00\x54\xFF", 3)), QString(QChar(170)));
}

void TestReadingFile::textForm_roundTrips()
{
    const auto encoded = shiftEncodeText(u"Duration");
    QVERIFY(encoded.has_value());
    QVERIFY(!encoded->contains(QStringLiteral("Duration")));
    QCOMPARE(shiftDecodeText(*encoded), QStringLiteral("Duration"));
    QCOMPARE(shiftDecodeText(u"2026-12-07"), QString()); // never encoded: nothing survives
    QCOMPARE(shiftDecodeText(QString(QChar(0x2603))), QString());
}

void TestReadingFile::annaExample_isByteForByte()
{
    const BirthData anna{QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 7};
    const EncodeResult r = encodeReadingFile(anna);
    QVERIFY(r.bytes.has_value());
    QCOMPARE(*r.bytes, annaBytes());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("anna.zvr"));
    QVERIFY(writeReadingFile(path, anna).ok);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), annaBytes());
}

void TestReadingFile::write_thenRead_roundTrips()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.zvr"));
    const BirthData data{QStringLiteral("MARY ANN"), 2050, QStringLiteral("December"), 31};
    QVERIFY(writeReadingFile(path, data).ok);
    const ReadResult r = readReadingFile(path);
    QVERIFY(r.ok);
    QCOMPARE(r.lines[0], QStringLiteral("MARY ANN"));
    QCOMPARE(r.lines[1], QStringLiteral("31"));
    QCOMPARE(r.lines[2], QStringLiteral("December"));
    QCOMPARE(r.lines[3], QStringLiteral("2050"));
}

void TestReadingFile::write_unencodableName_failsAndLeavesOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.zvr"));
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 7}).ok);
    const FileResult r = writeReadingFile(
        path, {QStringLiteral("J\u00d6RG\u0100"), 1975, QStringLiteral("March"), 7});
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), annaBytes());
}

void TestReadingFile::write_intoMissingFolder_reportsTheReason()
{
    QTemporaryDir dir;
    const FileResult r =
        writeReadingFile(dir.filePath(QStringLiteral("no/such/folder/x.zvr")),
                         {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 7});
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
}

void TestReadingFile::write_overAnExistingFile_keepsItsPermissions_evenAtTheNameLengthLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(251, u's') + QStringLiteral(".zvr")); // 255 bytes
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 7}).ok);
    QVERIFY(chmod(QFile::encodeName(path).constData(), 0640) == 0);
    const FileResult again =
        writeReadingFile(path, {QStringLiteral("LEE"), 1980, QStringLiteral("May"), 1});
    QVERIFY2(again.ok, qPrintable(again.error));
    QCOMPARE(readReadingFile(path).lines[0], QStringLiteral("LEE"));
    struct stat st
    {
    };
    QCOMPARE(stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void TestReadingFile::write_thatHitsTheFileSizeLimit_keepsTheOldFileAndSaysWhy()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("good.zvr"));
    QVERIFY(writeReadingFile(path, {QStringLiteral("ANNA"), 1975, QStringLiteral("March"), 7}).ok);
    const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    // A file-size limit below the new content makes the write fail the way a full disk does.
    const auto result = inChild(
        [&]() -> QByteArray {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{8, 8};
            setrlimit(RLIMIT_FSIZE, &limit);
            const FileResult r = writeReadingFile(
                path, {QStringLiteral("MARY ANN SMITH"), 2024, QStringLiteral("December"), 31});
            return r.ok ? QByteArray("saved") : "failed:" + r.error.toUtf8();
        },
        10000);
    QVERIFY(result);
    QVERIFY2(result->startsWith("failed:") && result->size() > 7, result->constData());

    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), annaBytes());
}

namespace {

std::array<QString, kReadingFileLines> readBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const auto lines = readReadingFile(buffer);
    return lines ? *lines : std::array<QString, kReadingFileLines>{};
}

QByteArray line(const char *text)
{
    return *ShiftEncode(QString::fromLatin1(text)) + "\r\n";
}

} // namespace

void TestReadingFile::read_empty()
{
    for (const QString &l : readBytes({}))
        QVERIFY(l.isEmpty());
}

void TestReadingFile::read_twoLines_leavesTheRestEmpty()
{
    const auto lines = readBytes(line("ANNA") + line("14"));
    QCOMPARE(lines[0], QStringLiteral("ANNA"));
    QCOMPARE(lines[1], QStringLiteral("14"));
    QVERIFY(lines[2].isEmpty());
    QVERIFY(lines[3].isEmpty());
}

void TestReadingFile::read_nineLines_ignoresAllAfterTheFourth()
{
    QByteArray bytes = line("ANNA") + line("14") + line("March") + line("1975");
    for (int i = 0; i < 5; ++i)
        bytes += line("EXTRA");
    const auto lines = readBytes(bytes);
    QCOMPARE(lines[3], QStringLiteral("1975"));
}

void TestReadingFile::read_loneLineFeeds_andNoFinalLineEnd()
{
    QByteArray bytes = *ShiftEncode(u"ANNA") + "\n" + *ShiftEncode(u"7") + "\n" +
                       *ShiftEncode(u"March") + "\r\n" + *ShiftEncode(u"1975");
    const auto lines = readBytes(bytes);
    QCOMPARE(lines[0], QStringLiteral("ANNA"));
    QCOMPARE(lines[1], QStringLiteral("7"));
    QCOMPARE(lines[2], QStringLiteral("March"));
    QCOMPARE(lines[3], QStringLiteral("1975"));
}

void TestReadingFile::read_everyLineEndEndsOneLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    const QByteArray anna = *ShiftEncode(u"ANNA");
    const QByteArray seven = *ShiftEncode(u"7");
    const QByteArray march = *ShiftEncode(u"March");
    const QByteArray year = *ShiftEncode(u"1975");
    const QStringList all = {"ANNA", "7", "March", "1975"};
    QTest::newRow("CR") << anna + "\r" + seven + "\r" + march + "\r" + year + "\r" << all;
    QTest::newRow("LF") << anna + "\n" + seven + "\n" + march + "\n" + year + "\n" << all;
    QTest::newRow("mixed") << anna + "\r" + seven + "\r\n" + march + "\n" + year << all;
    QTest::newRow("CR LF split across reads")
        << QByteArray(4095, char(0x96)) + "\r\n" + seven + "\r\n"
        << QStringList{QString(4095, u'A'), "7", {}, {}};
    QTest::newRow("CR CR is an empty line") << anna + "\r\r" + march + "\r\n"
                                            << QStringList{"ANNA", {}, "March", {}};
    QTest::newRow("LF CR is two line ends")
        << anna + "\n\r" + march << QStringList{"ANNA", {}, "March", {}};
}

void TestReadingFile::read_everyLineEndEndsOneLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const auto lines = readBytes(bytes);
    QCOMPARE(QStringList(lines.begin(), lines.end()), expected);
}

void TestReadingFile::read_binaryAndPlainText_decodeWhatTheyCan()
{
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary.append(char(i));
    const auto lines = readBytes(binary);
    // Bytes below 85 vanish; the LF at byte 10 and the CR at byte 13 end the first two lines.
    QVERIFY(lines[0].isEmpty());
    QVERIFY(lines[1].isEmpty());
    QCOMPARE(lines[2].size(), 256 - 85);
    QVERIFY(lines[3].isEmpty());

    const auto plain = readBytes("ANNA\r\n14\r\nMarch\r\n1975\r\n");
    QVERIFY(plain[0].isEmpty());
    QVERIFY(plain[1].isEmpty());
    QCOMPARE(plain[2],
             QString(QChar('a' - 85)) + QChar('r' - 85) + QChar('c' - 85) + QChar('h' - 85));
}

void TestReadingFile::read_longName_comesBackWhole_data()
{
    QTest::addColumn<int>("letters");
    QTest::newRow("5,000 letters") << 5000;
    QTest::newRow("100,000 letters") << 100000;
    QTest::newRow("just under the bound") << int(kMaxFileBytes) - 20;
    QTest::newRow("beyond the bound: not saved") << int(kMaxFileBytes);
}

void TestReadingFile::read_longName_comesBackWhole()
{
    QFETCH(int, letters);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.zvr"));
    const bool saved =
        writeReadingFile(path, {QString(letters, u'A'), 1975, QStringLiteral("March"), 14}).ok;
    QCOMPARE(saved, letters < kMaxFileBytes);
    const ReadResult r = readReadingFile(path);
    QCOMPARE(r.ok, saved);
    QCOMPARE(r.lines[0].size(), saved ? letters : 0);
}

void TestReadingFile::read_folderOrMissingFile_reportsIt()
{
    QTemporaryDir dir;
    ReadResult r = readReadingFile(dir.path());
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
    r = readReadingFile(dir.filePath(QStringLiteral("missing.zvr")));
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
}

void TestReadingFile::read_pipe_isRefusedWithoutBlocking()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.zvr"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const auto result = inChild(
        [&]() -> QByteArray {
            const ReadResult r = readReadingFile(path);
            return r.ok ? QByteArray("read") : "refused:" + r.error.toUtf8();
        },
        1000);
    QVERIFY2(result, "reading a pipe blocked");
    QVERIFY2(result->startsWith("refused:") && result->size() > 8, result->constData());
}

void TestReadingFile::read_gigabyteWithoutLineEnds_staysSmall()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.zvr"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(1) << 30)); // sparse: no disk is spent
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const ReadResult r = readReadingFile(path);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    QVERIFY(!r.ok);
    // Peak resident size grows by well under a few megabytes (ru_maxrss is in KiB).
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 4 * 1024,
             qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
