// The INI reader/writer and the three settings files.

#include "Gbk.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "Scramble.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// As a Windows program writes it: GBK bytes, CRLF.
QByteArray windowsFile(const QString& text)
{
    return ToGbk(QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init() { SetProgramFolder(m_dir.path()); }
    void cleanup()
    {
        for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(f));
        SetProgramFolder(QString());
    }
    void readsWindowsFiles();
    void integers_data();
    void integers();
    void writeChangesOnlyItsKey();
    void writeCreatesFileSectionKey();
    void writeKeepsLineEndings();
    void longValuesCut();
    void unwritableFolder();
    void firstRunDefaults();
    void savedLoginRoundTrip();
    void savedLoginDamaged_data();
    void savedLoginDamaged();
    void subjectAndSkin();

private:
    QTemporaryDir m_dir;
};

void TestSettings::readsWindowsFiles()
{
    const QString file = m_dir.filePath(QStringLiteral("Subject.dll"));
    WriteBytes(file, windowsFile(QStringLiteral("[other]\nID=5\n\n[Subject]\n  id = 12 \nName=计算机基础及MS Office应用\n")));
    int id = 0;
    QString name;
    Settings::ReadSubject(&id, &name);
    QCOMPARE(id, 12);
    QCOMPARE(name, QStringLiteral("计算机基础及MS Office应用"));
    const TIniFile ini(file);
    QCOMPARE(ini.ReadString(QStringLiteral("SUBJECT"), QStringLiteral("missing"), QStringLiteral("def")), QStringLiteral("def"));
    QCOMPARE(ini.ReadString(QStringLiteral("nosection"), QStringLiteral("ID"), QStringLiteral("def")), QStringLiteral("def"));
    QCOMPARE(ini.ReadInteger(QStringLiteral("OTHER"), QStringLiteral("id"), 0), 5);
}

void TestSettings::integers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "5" << 5;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("hex 0x") << "0x1A" << 26;
    QTest::newRow("hex dollar") << "$10" << 16;
    QTest::newRow("hex wraps") << "$FFFFFFFF" << -1;
    QTest::newRow("text") << "abc" << 99;
    QTest::newRow("trailing text") << "5x" << 99;
    QTest::newRow("empty") << "" << 99;
    QTest::newRow("too large") << "99999999999" << 99;
    QTest::newRow("decimal point") << "1.5" << 99;
}

void TestSettings::integers()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    const QString file = m_dir.filePath(QStringLiteral("Config.dll"));
    WriteBytes(file, windowsFile(QStringLiteral("[CNFG]\nSKIN=") + value + QStringLiteral("\n")));
    QCOMPARE(TIniFile(file).ReadInteger(QStringLiteral("CNFG"), QStringLiteral("SKIN"), 99), expected);
}

void TestSettings::writeChangesOnlyItsKey()
{
    const QString file = m_dir.filePath(QStringLiteral("UserInfo.dll"));
    const QByteArray before = windowsFile(QStringLiteral("; 注释\n[USER]\nSAVE=1\nTELNO=AA\nPWD=BB\n\n[OTHER]\nX=中文\n"));
    WriteBytes(file, before);
    TIniFile ini(file);
    QString error;
    QVERIFY(ini.WriteString(QStringLiteral("user"), QStringLiteral("telno"), QStringLiteral("CCDD"), &error));
    QCOMPARE(ReadBytes(file), windowsFile(QStringLiteral("; 注释\n[USER]\nSAVE=1\ntelno=CCDD\nPWD=BB\n\n[OTHER]\nX=中文\n")));
    QVERIFY(ini.WriteString(QStringLiteral("USER"), QStringLiteral("NEW"), QStringLiteral("值"), &error));
    QCOMPARE(ReadBytes(file), windowsFile(QStringLiteral("; 注释\n[USER]\nSAVE=1\ntelno=CCDD\nPWD=BB\nNEW=值\n\n[OTHER]\nX=中文\n")));
    QCOMPARE(ini.ReadString(QStringLiteral("OTHER"), QStringLiteral("X"), QString()), QStringLiteral("中文"));
}

void TestSettings::writeCreatesFileSectionKey()
{
    const QString file = m_dir.filePath(QStringLiteral("Config.dll"));
    QString error;
    TIniFile ini(file);
    QVERIFY(ini.WriteInteger(QStringLiteral("CNFG"), QStringLiteral("SKIN"), 5, &error));
    QCOMPARE(ReadBytes(file), QByteArray("[CNFG]\r\nSKIN=5\r\n"));
    QVERIFY(ini.WriteString(QStringLiteral("B"), QStringLiteral("K"), QStringLiteral("v"), &error));
    QCOMPARE(ReadBytes(file), QByteArray("[CNFG]\r\nSKIN=5\r\n[B]\r\nK=v\r\n"));
    QCOMPARE(TIniFile(file).ReadInteger(QStringLiteral("cnfg"), QStringLiteral("skin"), 1), 5);
}

void TestSettings::writeKeepsLineEndings()
{
    const QString file = m_dir.filePath(QStringLiteral("Config.dll"));
    WriteBytes(file, "[CNFG]\nSKIN=2\n");
    QString error;
    QVERIFY(TIniFile(file).WriteInteger(QStringLiteral("CNFG"), QStringLiteral("SKIN"), 3, &error));
    QCOMPARE(ReadBytes(file), QByteArray("[CNFG]\nSKIN=3\n"));
}

void TestSettings::longValuesCut()
{
    const QString file = m_dir.filePath(QStringLiteral("Subject.dll"));
    // 2047 bytes: 1023 Chinese characters and one more byte would split the 1024th.
    WriteBytes(file, "[S]\r\nK=" + ToGbk(QString(1500, QChar(0x4E2D))) + "\r\n");
    const QString value = TIniFile(file).ReadString(QStringLiteral("S"), QStringLiteral("K"), QString());
    QCOMPARE(value, QString(1023, QChar(0x4E2D)));
    WriteBytes(file, "[S]\r\nK=" + QByteArray(3000, 'a') + "\r\n");
    QCOMPARE(TIniFile(file).ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()).size(), 2047);
}

void TestSettings::unwritableFolder()
{
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    WriteBytes(blocker, "x");
    SetProgramFolder(blocker); // a "folder" that is a file: nothing can be created inside
    QString error;
    QVERIFY(!Settings::WriteSkin(4, &error));
    QCOMPARE(error, QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(blocker + QStringLiteral("/Config.dll"))));
    QVERIFY(!Settings::WriteSavedLogin(true, QStringLiteral("1"), QStringLiteral("2"), &error));
    QVERIFY(error.contains(QLatin1String("UserInfo.dll")));
    QCOMPARE(Settings::ReadSkin(), 1);
}

void TestSettings::firstRunDefaults()
{
    const TSavedLogin saved = Settings::ReadSavedLogin();
    QVERIFY(!saved.Remember);
    QVERIFY(saved.TelNo.isEmpty() && saved.Password.isEmpty());
    QCOMPARE(Settings::ReadSkin(), 1);
    int id = 0;
    QString name;
    Settings::ReadSubject(&id, &name);
    QCOMPARE(id, -1);
    QCOMPARE(name, QStringLiteral("未选择科目"));
}

void TestSettings::savedLoginRoundTrip()
{
    QString error;
    QVERIFY(Settings::WriteSavedLogin(true, QStringLiteral("13800138000"), QStringLiteral("密码abc"), &error));
    const TIniFile ini(Settings::UserInfoFile());
    const QString tel1 = ini.ReadString(QStringLiteral("USER"), QStringLiteral("TELNO"), QString());
    QCOMPARE(ini.ReadInteger(QStringLiteral("USER"), QStringLiteral("SAVE"), 0), 1);
    QCOMPARE(tel1.size(), 24);
    TSavedLogin saved = Settings::ReadSavedLogin();
    QVERIFY(saved.Remember);
    QCOMPARE(saved.TelNo, QStringLiteral("13800138000"));
    QCOMPARE(saved.Password, QStringLiteral("密码abc"));

    QVERIFY(Settings::WriteSavedLogin(false, QStringLiteral("13800138000"), QStringLiteral("x"), &error));
    QCOMPARE(ReadBytes(Settings::UserInfoFile()), QByteArray("[USER]\r\nSAVE=0\r\nTELNO=\r\nPWD=\r\n"));
    saved = Settings::ReadSavedLogin();
    QVERIFY(!saved.Remember);
    QVERIFY(saved.TelNo.isEmpty());
}

void TestSettings::savedLoginDamaged_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QString>("pwd");
    const QString tel = ScrambleTextFrom(QStringLiteral("139"), TelNoKey, 9);
    const QString pwd = ScrambleTextFrom(QStringLiteral("pw"), PasswordKey, 200);
    QTest::newRow("save 1, empty telno") << "[USER]\nSAVE=1\nTELNO=\nPWD=" + pwd << true << "" << "";
    QTest::newRow("save 1, damaged pwd") << "[USER]\nSAVE=1\nTELNO=" + tel + "\nPWD=ZZ" << true << "139" << "";
    QTest::newRow("save 0 with values") << "[USER]\nSAVE=0\nTELNO=" + tel + "\nPWD=" + pwd << false << "" << "";
    QTest::newRow("save 2") << "[USER]\nSAVE=2\nTELNO=" + tel + "\nPWD=" + pwd << false << "" << "";
    QTest::newRow("both good") << "[USER]\nSAVE=1\nTELNO=" + tel + "\nPWD=" + pwd << true << "139" << "pw";
}

void TestSettings::savedLoginDamaged()
{
    QFETCH(QString, content);
    QFETCH(bool, remember);
    QFETCH(QString, tel);
    QFETCH(QString, pwd);
    WriteBytes(Settings::UserInfoFile(), windowsFile(content + QStringLiteral("\n")));
    const TSavedLogin saved = Settings::ReadSavedLogin();
    QCOMPARE(saved.Remember, remember);
    QCOMPARE(saved.TelNo, tel);
    QCOMPARE(saved.Password, pwd);
}

void TestSettings::subjectAndSkin()
{
    QString error;
    QVERIFY(Settings::WriteSubject(12, QStringLiteral("一级MS"), &error));
    QVERIFY(Settings::WriteSkin(5, &error));
    QCOMPARE(ReadBytes(Settings::SubjectFile()), ToGbk(QStringLiteral("[SUBJECT]\r\nID=12\r\nNAME=一级MS\r\n")));
    int id = 0;
    QString name;
    Settings::ReadSubject(&id, &name);
    QCOMPARE(id, 12);
    QCOMPARE(name, QStringLiteral("一级MS"));
    QCOMPARE(Settings::ReadSkin(), 5);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
