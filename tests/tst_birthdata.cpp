#include "BirthData.h"

#include <QTest>

using namespace Zorvane;

class TestBirthData : public QObject
{
    Q_OBJECT

private slots:
    // The name filter
    void typedLowerCase_becomesCapitals();
    void typedCapitals_blankBackspaceEnter_pass();
    void everythingElse_isRefused();
    void pastedText_keepsLettersAndBlanksOnly();

    // Validation, in its order
    void emptyName_isRefusedFirst();
    void blanksOnlyName_passes();
    void impossibleDates_areRefused();
    void possibleDates_pass();
    void yearAndUnselectedLists_takeNoPart();
    void messages_areExact();
};

void TestBirthData::typedLowerCase_becomesCapitals()
{
    QString name;
    for (const char c : {'a', 'n', 'n', 'a'}) {
        const KeyFilterResult r = filterNameKey(c);
        QVERIFY(!r.refused);
        name.append(QChar(r.code));
    }
    QCOMPARE(name, QStringLiteral("ANNA"));
    QCOMPARE(filterNameKey('z').code, int('Z'));
}

void TestBirthData::typedCapitals_blankBackspaceEnter_pass()
{
    for (const int code : {int('A'), int('Z'), 8, 13, 32}) {
        const KeyFilterResult r = filterNameKey(code);
        QCOMPARE(r.code, code);
        QVERIFY(!r.refused);
    }
}

void TestBirthData::everythingElse_isRefused()
{
    // Digits, punctuation, neighbours of the letter ranges, accented letters, Ctrl+C, Ctrl+V, Tab.
    for (const int code : {int('7'), int('0'), int('@'), int('['), int('`'), int('{'), int('-'),
                           0xE9, 0xC4, 3, 22, 9, 127}) {
        const KeyFilterResult r = filterNameKey(code);
        QVERIFY2(r.refused, qPrintable(QString::number(code)));
        QCOMPARE(r.code, 0);
    }
}

void TestBirthData::pastedText_keepsLettersAndBlanksOnly()
{
    TextFilterResult r = filterNameText(QStringLiteral("ann4\u00e9"));
    QCOMPARE(r.text, QStringLiteral("ANN"));
    QVERIFY(r.refused);

    r = filterNameText(QStringLiteral("mary ann"));
    QCOMPARE(r.text, QStringLiteral("MARY ANN"));
    QVERIFY(!r.refused);

    r = filterNameText(QStringLiteral("a\tb\r\nc\u0100"));
    QCOMPARE(r.text, QStringLiteral("ABC"));
    QVERIFY(r.refused);
}

void TestBirthData::emptyName_isRefusedFirst()
{
    QCOMPARE(ValidateBirthData(QString(), 0, 0), Validation::EmptyName);
    // Even with an impossible date, only the name is reported.
    QCOMPARE(ValidateBirthData(QString(), 1, 30), Validation::EmptyName);
}

void TestBirthData::blanksOnlyName_passes()
{
    QCOMPARE(ValidateBirthData(QStringLiteral("   "), 0, 0), Validation::Ok);
}

void TestBirthData::impossibleDates_areRefused()
{
    const QString name = QStringLiteral("ANNA");
    QCOMPARE(ValidateBirthData(name, 1, 29), Validation::ImpossibleDate); // 30 Feb
    QCOMPARE(ValidateBirthData(name, 1, 30), Validation::ImpossibleDate); // 31 Feb
    for (const qint16 month : {3, 5, 8, 10})
        QCOMPARE(ValidateBirthData(name, month, 30), Validation::ImpossibleDate);
}

void TestBirthData::possibleDates_pass()
{
    const QString name = QStringLiteral("ANNA");
    QCOMPARE(ValidateBirthData(name, 1, 28), Validation::Ok); // 29 Feb, any year
    for (qint16 month = 0; month < 12; ++month) {
        if (month != 1)
            QCOMPARE(ValidateBirthData(name, month, 29), Validation::Ok);
        if (month != 1 && month != 3 && month != 5 && month != 8 && month != 10)
            QCOMPARE(ValidateBirthData(name, month, 30), Validation::Ok);
    }
}

void TestBirthData::yearAndUnselectedLists_takeNoPart()
{
    const QString name = QStringLiteral("ANNA");
    QCOMPARE(ValidateBirthData(name, -1, -1), Validation::Ok);
    QCOMPARE(ValidateBirthData(name, 1, -1), Validation::Ok);
    QCOMPARE(ValidateBirthData(name, -1, 30), Validation::Ok);
}

void TestBirthData::messages_areExact()
{
    QCOMPARE(validationMessage(Validation::EmptyName), QStringLiteral("Please Enter  Your Name !"));
    QCOMPARE(validationMessage(Validation::ImpossibleDate),
             QStringLiteral("Please Enter Correct Date of Birth !"));
    QVERIFY(validationMessage(Validation::Ok).isEmpty());
    QCOMPARE(kMsgOnlyLetters, QStringLiteral("Please Enter only Letters"));
}

QTEST_GUILESS_MAIN(TestBirthData)
#include "tst_birthdata.moc"
