// Skins, login tokens, decompression and credential scrambling.

#include "ProgramFolder.h"
#include "Scramble.h"
#include "Skins.h"
#include "TestSupport.h"
#include "UnCompress.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

namespace {
QByteArray zlibBytes(const QByteArray& plain)
{
    uLongf len = compressBound(static_cast<uLong>(plain.size()));
    QByteArray out(static_cast<qsizetype>(len), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(plain.constData()),
              static_cast<uLong>(plain.size()), 9);
    out.resize(static_cast<qsizetype>(len));
    return out;
}

QColor buttonColour(QPushButton& button)
{
    button.resize(80, 30);
    const QImage img = button.grab().toImage();
    return img.pixelColor(5, img.height() / 2); // inside the border, clear of the caption
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qApp->setStyleSheet(QString()); }
    void skinsAreCompleteAndDistinct();
    void changeSkinRestylesOpenWindows();
    void changeSkinIgnoresOtherNumbers_data();
    void changeSkinIgnoresOtherNumbers();
    void loginTokens();
    void decompressFile();
    void decompressBrokenOrMissing();
    void scrambleForm();
    void scrambleFixedVectors_data();
    void scrambleFixedVectors();
    void scrambleRoundTripEveryByte();
    void scrambleRoundTripText_data();
    void scrambleRoundTripText();
    void unscrambleErrors_data();
    void unscrambleErrors();
};

void TestCore::skinsAreCompleteAndDistinct()
{
    QCOMPARE(TSkinData::Names().size(), 6);
    QCOMPARE(TSkinData::StoredSkinFile(1), QStringLiteral("Charm.skn"));
    QCOMPARE(TSkinData::StoredSkinFile(6), QStringLiteral("Office2019_Blue.skn"));
    QSet<QString> sheets;
    for (int n = 1; n <= 6; ++n) {
        QString sheet;
        QVERIFY(TSkinData::StyleSheet(n, &sheet));
        QVERIFY(sheet.contains(QLatin1String("\"Microsoft YaHei\"")));
        for (const char* kind : {"QPushButton:hover", "QPushButton:pressed", "QPushButton:disabled", "QPushButton:checked",
                                 "QLineEdit", "QListView", "QTabBar::tab", "QCheckBox::indicator", "QRadioButton::indicator",
                                 "QScrollBar", "QStatusBar", "QComboBox", "QSlider", "QGroupBox", "QMessageBox", "QHeaderView"})
            QVERIFY2(sheet.contains(QLatin1String(kind)), kind);
        QVERIFY(!sheet.contains(QLatin1Char('@')) || sheet.count(QLatin1Char('@')) == 0);
        sheets.insert(sheet);
    }
    QCOMPARE(sheets.size(), 6);
}

void TestCore::changeSkinRestylesOpenWindows()
{
    TBankFixture bank;
    QPushButton one(QStringLiteral("一")), two(QStringLiteral("二"));
    one.show();
    two.show();
    bank.Module->ChangeSkin(5);
    const QColor win10 = buttonColour(one);
    QCOMPARE(buttonColour(two), win10);
    bank.Module->ChangeSkin(1);
    const QColor charm = buttonColour(one);
    QCOMPARE(buttonColour(two), charm);
    QVERIFY(charm != win10);
    QCOMPARE(bank.Module->SkinData.Applied(), 1);
}

void TestCore::changeSkinIgnoresOtherNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
}

void TestCore::changeSkinIgnoresOtherNumbers()
{
    QFETCH(int, number);
    TBankFixture bank;
    bank.Module->ChangeSkin(3);
    const QString sheet = qApp->styleSheet();
    bank.Module->ChangeSkin(number);
    QCOMPARE(qApp->styleSheet(), sheet);
    QCOMPARE(bank.Module->SkinData.Applied(), 3);
}

void TestCore::loginTokens()
{
    const QString a = NewLoginToken();
    const QString b = NewLoginToken();
    static const QRegularExpression form(QStringLiteral("^[0-9A-F]{32}$"));
    QVERIFY2(form.match(a).hasMatch(), qPrintable(a));
    QVERIFY(form.match(b).hasMatch());
    QVERIFY(a != b);
}

void TestCore::decompressFile()
{
    QTemporaryDir dir;
    // Larger than several read buffers, so the loop runs more than once.
    QByteArray plain;
    for (int i = 0; i < 20000; ++i)
        plain += QByteArray::number(i * 7919) + ',';
    WriteBytes(dir.filePath(QStringLiteral("in.z")), zlibBytes(plain));
    WriteBytes(dir.filePath(QStringLiteral("out.bin")), "old content that is longer than nothing");
    DecompressFile(dir.filePath(QStringLiteral("in.z")), dir.filePath(QStringLiteral("out.bin")));
    QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("out.bin"))), plain);
}

void TestCore::decompressBrokenOrMissing()
{
    QTemporaryDir dir;
    DecompressFile(dir.filePath(QStringLiteral("missing.z")), dir.filePath(QStringLiteral("target")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("target"))));

    WriteBytes(dir.filePath(QStringLiteral("garbage.z")), "this is not a zlib stream at all");
    DecompressFile(dir.filePath(QStringLiteral("garbage.z")), dir.filePath(QStringLiteral("g.out")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("g.out"))));
    QCOMPARE(ReadBytes(dir.filePath(QStringLiteral("g.out"))), QByteArray());

    // A stream cut short keeps what was inflated before the cut.
    QByteArray plain(200000, 'x');
    for (int i = 0; i < plain.size(); i += 3)
        plain[i] = static_cast<char>('a' + i % 26);
    const QByteArray packed = zlibBytes(plain);
    WriteBytes(dir.filePath(QStringLiteral("cut.z")), packed.left(packed.size() / 2));
    DecompressFile(dir.filePath(QStringLiteral("cut.z")), dir.filePath(QStringLiteral("cut.out")));
    const QByteArray partial = ReadBytes(dir.filePath(QStringLiteral("cut.out")));
    QVERIFY(partial.size() < plain.size());
    QVERIFY(plain.startsWith(partial));

    QByteArray inflated;
    QVERIFY(!InflateBytes(packed.left(packed.size() / 2), &inflated));
    QVERIFY(InflateBytes(packed, &inflated));
    QCOMPARE(inflated, plain);
}

void TestCore::scrambleForm()
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-F]*$"));
    const QString tel = QStringLiteral("13800138000");
    const QString a = ScrambleText(tel, TelNoKey);
    QCOMPARE(a.size(), 2 * (tel.size() + 1));
    QVERIFY(hex.match(a).hasMatch());
    QCOMPARE(ScrambleText(QString(), TelNoKey).size(), 2);
    // GBK bytes: two Chinese characters are four bytes.
    QCOMPARE(ScrambleText(QStringLiteral("密码"), PasswordKey).size(), 10);
    // Two scrambles of one text differ (start values drawn at random; 20 tries
    // all equal would need 20 equal draws out of 256).
    bool differed = false;
    for (int i = 0; i < 20 && !differed; ++i)
        differed = ScrambleText(tel, TelNoKey) != a;
    QVERIFY(differed);
}

void TestCore::scrambleFixedVectors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("scrambled");
    // By hand: r=0x10; 'A'(65): (16+65)%255=81 ^ 'k'(107) = 58 = 0x3A; 'B'(66): (58+66)=124 ^ 'k' = 23 = 0x17.
    QTest::newRow("short key reused") << "AB" << "k" << 0x10 << "103A17";
    // r=250: '1'(49): 299%255=44 ^ 'q'(113) = 93 = 0x5D.
    QTest::newRow("sum past 255") << "1" << "qorwe%5871tuvkelpx@mnb6" << 250 << "FA5D";
    // r=0: 'a'(97) ^ 'x'(120) = 25 = 0x19; 'a': (25+97)=122 ^ 'y'(121) = 3; 'a': (3+97)=100 ^ 'x' = 28 = 0x1C.
    QTest::newRow("key cycles from its first byte") << "aaa" << "xy" << 0 << "0019031C";
    QTest::newRow("empty text") << "" << "k" << 0xAB << "AB";
}

void TestCore::scrambleFixedVectors()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(int, start);
    QFETCH(QString, scrambled);
    QCOMPARE(ScrambleTextFrom(text, key, start), scrambled);
    if (!text.isEmpty())
        QCOMPARE(UnscrambleText(scrambled, key).value_or(QStringLiteral("<error>")), text);
}

void TestCore::scrambleRoundTripEveryByte()
{
    // Every byte 1..254, in one text, through both keys and from the edge start values.
    QByteArray bytes;
    for (int b = 1; b <= 254; ++b)
        bytes.append(static_cast<char>(b));
    for (const QString& key : {TelNoKey, PasswordKey}) {
        for (int start : {0, 1, 127, 254, 255}) {
            const QString scrambled = ScrambleBytes(bytes, key.toLatin1(), start);
            QCOMPARE(scrambled.size(), 2 * (bytes.size() + 1));
            QCOMPARE(UnscrambleBytes(scrambled, key.toLatin1()).value_or(QByteArray("<error>")), bytes);
        }
    }
    // Each single byte too, so that every running value meets every byte.
    for (int b = 1; b <= 254; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        for (int start = 0; start < 256; start += 15)
            QCOMPARE(UnscrambleBytes(ScrambleBytes(one, "k", start), "k").value_or(QByteArray()), one);
    }
}

void TestCore::scrambleRoundTripText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("phone, phone key") << "13800138000" << TelNoKey;
    QTest::newRow("password, password key") << "Pa$$w0rd!" << PasswordKey;
    QTest::newRow("GBK text, phone key") << "砚桥题库：密码" << TelNoKey;
    QTest::newRow("GBK text, password key") << "全角“引号”与中文" << PasswordKey;
    QTest::newRow("key longer than text") << "a" << PasswordKey;
    QTest::newRow("text longer than key") << QString(100, QLatin1Char('z')) << TelNoKey;
}

void TestCore::scrambleRoundTripText()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(UnscrambleText(ScrambleText(text, key), key).value_or(QStringLiteral("<error>")), text);
    // The other key gives a wrong text, not an error.
    const QString other = key == TelNoKey ? PasswordKey : TelNoKey;
    const auto wrong = UnscrambleText(ScrambleTextFrom(text, key, 77), other);
    QVERIFY(wrong.has_value());
    QVERIFY(*wrong != text);
}

void TestCore::unscrambleErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("one digit") << "A";
    QTest::newRow("start pair only") << "3F";
    QTest::newRow("bad digit in start") << "G1A2";
    QTest::newRow("bad digit in a later pair") << "1A2B3Z";
}

void TestCore::unscrambleErrors()
{
    QFETCH(QString, text);
    QVERIFY(!UnscrambleText(text, TelNoKey).has_value());
}

QTEST_MAIN(TestCore)
#include "tst_core.moc"
