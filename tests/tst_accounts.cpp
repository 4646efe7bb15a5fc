// SMS codes, login, registration and password reset through the windows'
// handlers, on a small bank, with a test sender script in a temporary program
// folder.

#include "Entry.h"
#include "Gbk.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "Scramble.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "TestSupport.h"
#include "accounts/SmsCode.h"
#include "accounts/UnRegUser.h"
#include "accounts/UnResetPwd.h"
#include "accounts/UnUserLogin.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const QStringList kBank = {
    QStringLiteral("INSERT INTO T_USER (F_USER_ID,F_USER_NAME,F_PASSWORD,F_TEL_NO) VALUES "
                   "(7,'13900000001','secret1','13900000001'),(8,'twin','same12','13900000009'),(9,'twin','same12','13900000009')"),
};

enum class Sender { Missing, WritesResult, NoResult, Hangs };

void installSender(Sender kind)
{
    const QString path = ProgramFolder() + QStringLiteral("SMSMsg.exe");
    QFile::remove(path);
    if (kind == Sender::Missing)
        return;
    QByteArray script = "#!/bin/sh\nprintf '%s|%s\\n' \"$1\" \"$2\" >> \"$(dirname \"$0\")/args.txt\"\n";
    if (kind == Sender::WritesResult)
        script += "echo sent > \"$(dirname \"$0\")/SMSRlt.dll\"\n";
    if (kind == Sender::Hangs)
        script += "sleep 30\necho late > \"$(dirname \"$0\")/SMSRlt.dll\"\n";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(script);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString senderArgs()
{
    QFile f(ProgramFolder() + QStringLiteral("args.txt"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TBox info(const QString& title, const QString& text) { return {title, text, TBsDlg::Icon::Information}; }
TBox warn(const QString& title, const QString& text) { return {title, text, TBsDlg::Icon::Warning}; }

} // namespace

class TestAccounts : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void smsEmptyPhoneKeepsResultFile();
    void smsExistenceRules_data();
    void smsExistenceRules();
    void smsQueryFailure();
    void smsSenders_data();
    void smsSenders();
    void smsStaleResultNeverCounts();
    void smsCountdown();
    void smsCodeTestAndNewCode();
    void loginFreshStart();
    void loginRemembered_data();
    void loginRemembered();
    void loginRememberWritten();
    void loginUnwritableSettings();
    void loginThreeWrongPasswords();
    void loginNetworkFailureUsesNoAttempt();
    void loginTwinRowsFail();
    void loginTokens();
    void loginEnterKeys();
    void smsLogin();
    void registrationChecks_data();
    void registrationChecks();
    void registrationSuccessAndCancel();
    void registrationRechecksBeforeInsert();
    void registrationInsertFails();
    void resetChecks_data();
    void resetChecks();
    void resetByOldPassword();
    void resetBySms();
    void singleInstance();
    void entryEndsWithoutLogin();
    void entryOpensMainAfterLogin();
    void entryWithoutBank();

private:
    QLineEdit* edit(QWidget* w, const char* name) { return get<QLineEdit>(w, name); }
    void requestCode(QWidget* w, TSmsCode* sms, const QString& tel);

    std::unique_ptr<TBankFixture> m_bank;
    std::unique_ptr<TBoxRecorder> m_boxes;
};

void TestAccounts::init()
{
    m_bank = std::make_unique<TBankFixture>(kBank);
    m_boxes = std::make_unique<TBoxRecorder>();
    TSingleInstance::SetLockFolder(m_bank->Folder()); // never the lock of a client running on this machine
    TSmsCode::SetSenderTimeout(3000);
    installSender(Sender::WritesResult);
}

void TestAccounts::cleanup()
{
    SetModalHandler({});
    TSingleInstance::SetLockFolder(QString());
    qApp->setStyleSheet(QString());
    m_boxes.reset();
    m_bank.reset();
}

void TestAccounts::requestCode(QWidget* w, TSmsCode* sms, const QString& tel)
{
    edit(w, "EdTelNO")->setText(tel);
    sms->BtnSMSClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{warn(QStringLiteral("登录"), QStringLiteral("验证码发送成功！"))}));
}

void TestAccounts::smsEmptyPhoneKeepsResultFile()
{
    QFile old(TSmsCode::ResultPath());
    old.open(QIODevice::WriteOnly);
    old.close();
    TFrmUserLOgin w;
    w.Sms->BtnSMSClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), QStringLiteral("您好，请输入手机号码进行登录！"))}));
    QVERIFY(QFile::exists(TSmsCode::ResultPath()));
    QCOMPARE(w.Sms->SmsCode, 0);
    QCOMPARE(w.focusWidget(), edit(&w, "EdTelNO"));
}

void TestAccounts::smsExistenceRules_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("tel");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("refusal");
    const QString login = QStringLiteral("您好，该手机号未进行注册过，请检查手机号是否正确或先注册！");
    const QString reg = QStringLiteral("您好，该手机号已经注册过，请直接登录或更换其他手机号！");
    const QString reset = QStringLiteral("您好，未找到该手机号注册信息，请检查输入手机号是否正确！");
    QTest::newRow("login, one row") << 0 << "13900000001" << true << login;
    QTest::newRow("login, no row") << 0 << "13900000002" << false << login;
    QTest::newRow("login, two rows") << 0 << "13900000009" << false << login;
    QTest::newRow("registration, one row") << 1 << "13900000001" << false << reg;
    QTest::newRow("registration, no row") << 1 << "13900000002" << true << reg;
    QTest::newRow("registration, two rows") << 1 << "13900000009" << true << reg;
    QTest::newRow("reset, one row") << 2 << "13900000001" << true << reset;
    QTest::newRow("reset, no row") << 2 << "13900000002" << false << reset;
}

void TestAccounts::smsExistenceRules()
{
    QFETCH(int, window);
    QFETCH(QString, tel);
    QFETCH(bool, allowed);
    QFETCH(QString, refusal);
    std::unique_ptr<QDialog> w;
    TSmsCode* sms = nullptr;
    if (window == 0) {
        auto* l = new TFrmUserLOgin;
        sms = l->Sms;
        w.reset(l);
    } else if (window == 1) {
        auto* r = new TFrmRegUser;
        sms = r->Sms;
        w.reset(r);
    } else {
        auto* r = new TFrmResetPwd;
        r->findChild<QRadioButton*>(QStringLiteral("CKSms"))->click();
        sms = r->Sms;
        w.reset(r);
    }
    QCOMPARE(get<QPushButton>(w.get(), "BtnSMS")->text(), window == 0 ? QStringLiteral("验证码") : QStringLiteral("获取验证码"));
    edit(w.get(), "EdTelNO")->setText(tel);
    sms->BtnSMSClick();
    if (allowed) {
        QCOMPARE(m_boxes->Take(), (QVector<TBox>{warn(QStringLiteral("登录"), QStringLiteral("验证码发送成功！"))}));
        QVERIFY(sms->SmsCode >= 100000 && sms->SmsCode <= 999999);
        QCOMPARE(senderArgs(), QStringLiteral("%1|%2\n").arg(sms->SmsCode).arg(tel));
        QCOMPARE(sms->SmsTelNo, tel);
        QCOMPARE(sms->SmsCountdown, 60);
        QVERIFY(sms->tmr1->isActive());
        QVERIFY(!get<QPushButton>(w.get(), "BtnSMS")->isEnabled());
        QVERIFY(!edit(w.get(), "EdTelNO")->isEnabled());
    } else {
        QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), refusal)}));
        QCOMPARE(sms->SmsCode, 0);
        QCOMPARE(senderArgs(), QString());
        QVERIFY(get<QPushButton>(w.get(), "BtnSMS")->isEnabled());
    }
}

void TestAccounts::smsQueryFailure()
{
    TFrmRegUser w;
    m_bank->FailWhenContains = QStringLiteral("SELECT F_USER_ID");
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000002"));
    w.Sms->BtnSMSClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), QStringLiteral("您好，获取该手机号注册信息失败！"))}));
    QCOMPARE(w.Sms->SmsCode, 0);
}

void TestAccounts::smsSenders_data()
{
    QTest::addColumn<int>("sender");
    QTest::addColumn<bool>("sent");
    QTest::newRow("sender missing") << int(Sender::Missing) << false;
    QTest::newRow("sender leaves no file") << int(Sender::NoResult) << false;
    QTest::newRow("sender writes the file") << int(Sender::WritesResult) << true;
    QTest::newRow("sender hangs past the bound") << int(Sender::Hangs) << false;
}

void TestAccounts::smsSenders()
{
    QFETCH(int, sender);
    QFETCH(bool, sent);
    installSender(Sender(sender));
    TSmsCode::SetSenderTimeout(400);
    TFrmUserLOgin w;
    w.Sms->SmsTelNo = QStringLiteral("earlier");
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000001"));
    w.Sms->BtnSMSClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{warn(QStringLiteral("登录"), sent ? QStringLiteral("验证码发送成功！") : QStringLiteral("验证码发送失败！"))}));
    QVERIFY(w.Sms->SmsCode >= 100000);
    QCOMPARE(w.Sms->SmsTelNo, sent ? QStringLiteral("13900000001") : QStringLiteral("earlier"));
    QCOMPARE(get<QPushButton>(&w, "BtnSMS")->isEnabled(), !sent);
    QCOMPARE(edit(&w, "EdTelNO")->isEnabled(), !sent);
    QCOMPARE(w.Sms->tmr1->isActive(), sent);
    if (Sender(sender) == Sender::Hangs)
        QVERIFY(!QFile::exists(TSmsCode::ResultPath()));
}

void TestAccounts::smsStaleResultNeverCounts()
{
    installSender(Sender::NoResult);
    QFile old(TSmsCode::ResultPath());
    old.open(QIODevice::WriteOnly);
    old.close();
    TFrmUserLOgin w;
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000001"));
    w.Sms->BtnSMSClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{warn(QStringLiteral("登录"), QStringLiteral("验证码发送失败！"))}));
}

void TestAccounts::smsCountdown()
{
    TFrmRegUser w;
    requestCode(&w, w.Sms, QStringLiteral("13900000002"));
    auto* button = get<QPushButton>(&w, "BtnSMS");
    QCOMPARE(button->text(), QStringLiteral("获取验证码")); // unchanged for the first second
    QStringList captions;
    for (int i = 0; i < 60; ++i) {
        w.Sms->tmr1Timer();
        captions << button->text();
        QVERIFY(!button->isEnabled());
        QVERIFY(!edit(&w, "EdTelNO")->isEnabled());
    }
    QCOMPARE(captions.first(), QStringLiteral("验证码(59秒)"));
    QCOMPARE(captions.at(58), QStringLiteral("验证码(1秒)"));
    QCOMPARE(captions.last(), QStringLiteral("验证码(0秒)"));
    w.Sms->tmr1Timer();
    QCOMPARE(button->text(), QStringLiteral("验证码"));
    QVERIFY(button->isEnabled());
    QVERIFY(edit(&w, "EdTelNO")->isEnabled());
    QVERIFY(!w.Sms->tmr1->isActive());
}

void TestAccounts::smsCodeTestAndNewCode()
{
    TFrmUserLOgin w;
    requestCode(&w, w.Sms, QStringLiteral("13900000001"));
    const int first = w.Sms->SmsCode;
    auto* code = edit(&w, "EdCode");
    code->setText(QString::number(first));
    QVERIFY(w.Sms->CodeMatches());
    code->setText(QStringLiteral(" %1").arg(first));
    QVERIFY(!w.Sms->CodeMatches());
    code->setText(QStringLiteral("%1 ").arg(first));
    QVERIFY(!w.Sms->CodeMatches());
    code->clear();
    QVERIFY(!w.Sms->CodeMatches());
    // A second request after the countdown replaces the code.
    for (int i = 0; i <= 60; ++i)
        w.Sms->tmr1Timer();
    int second = first;
    for (int tries = 0; tries < 5 && second == first; ++tries) {
        requestCode(&w, w.Sms, QStringLiteral("13900000001"));
        second = w.Sms->SmsCode;
        for (int i = 0; i <= 60; ++i)
            w.Sms->tmr1Timer();
    }
    QVERIFY(second != first);
    code->setText(QString::number(first));
    QVERIFY(!w.Sms->CodeMatches());
}

void TestAccounts::loginFreshStart()
{
    TFrmUserLOgin w;
    QCOMPARE(w.windowTitle(), QStringLiteral("用户登录"));
    QVERIFY(edit(&w, "EdTelNoA")->text().isEmpty());
    QVERIFY(edit(&w, "EdPwd")->text().isEmpty());
    QCOMPARE(edit(&w, "EdPwd")->echoMode(), QLineEdit::Password);
    QVERIFY(!get<QCheckBox>(&w, "CKSaveUserInfo")->isChecked());
    QCOMPARE(Dm->SkinIndex, 1);
    QCOMPARE(Dm->SkinData.Applied(), 1);
    QCOMPARE(get<QLabel>(&w, "PanVerNO")->text(), QStringLiteral("版本号 V1.0.0.1"));
    QCOMPARE(get<QTabWidget>(&w, "PGMain")->currentIndex(), 0);
    QCOMPARE(w.LoginTriesLeft, 3);
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestAccounts::loginRemembered_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QString>("pwd");
    const QString tel = ScrambleText(QStringLiteral("13900000001"), TelNoKey);
    const QString pwd = ScrambleText(QStringLiteral("secret1"), PasswordKey);
    QTest::newRow("remembered") << "[USER]\r\nSAVE=1\r\nTELNO=" + tel + "\r\nPWD=" + pwd + "\r\n[x]\r\n" << true << "13900000001" << "secret1";
    QTest::newRow("SAVE 0 with values") << "[USER]\r\nSAVE=0\r\nTELNO=" + tel + "\r\nPWD=" + pwd + "\r\n" << false << "" << "";
    QTest::newRow("SAVE 1, empty values") << "[USER]\r\nSAVE=1\r\nTELNO=\r\nPWD=\r\n" << true << "" << "";
}

void TestAccounts::loginRemembered()
{
    QFETCH(QString, file);
    QFETCH(bool, ticked);
    QFETCH(QString, tel);
    QFETCH(QString, pwd);
    QFile f(Settings::UserInfoFile());
    f.open(QIODevice::WriteOnly);
    f.write(file.toLatin1());
    f.close();
    QFile c(Settings::ConfigFile());
    c.open(QIODevice::WriteOnly);
    c.write("[CNFG]\r\nSKIN=4\r\n");
    c.close();
    TFrmUserLOgin w;
    QCOMPARE(get<QCheckBox>(&w, "CKSaveUserInfo")->isChecked(), ticked);
    QCOMPARE(edit(&w, "EdTelNoA")->text(), tel);
    QCOMPARE(edit(&w, "EdPwd")->text(), pwd);
    QCOMPARE(Dm->SkinIndex, 4);
    QCOMPARE(Dm->SkinData.Applied(), 4);
}

void TestAccounts::loginRememberWritten()
{
    {
        TFrmUserLOgin w;
        edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000001"));
        edit(&w, "EdPwd")->setText(QStringLiteral("secret1"));
        get<QCheckBox>(&w, "CKSaveUserInfo")->setChecked(true);
        w.BtnLoginAClick();
        QVERIFY(m_boxes->Take().isEmpty());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(Dm->LoginOK);
        QCOMPARE(Dm->UserID, 7);
        QCOMPARE(Dm->UserTelNo, QStringLiteral("13900000001"));
    }
    const TSavedLogin saved = Settings::ReadSavedLogin();
    QVERIFY(saved.Remember);
    QCOMPARE(saved.TelNo, QStringLiteral("13900000001"));
    QCOMPARE(saved.Password, QStringLiteral("secret1"));
    {
        TFrmUserLOgin again; // the next start shows them filled in
        QCOMPARE(edit(&again, "EdTelNoA")->text(), QStringLiteral("13900000001"));
        get<QCheckBox>(&again, "CKSaveUserInfo")->setChecked(false);
        again.BtnLoginAClick();
    }
    QFile f(Settings::UserInfoFile());
    f.open(QIODevice::ReadOnly);
    QCOMPARE(f.readAll(), QByteArray("[USER]\r\nSAVE=0\r\nTELNO=\r\nPWD=\r\n"));
}

void TestAccounts::loginUnwritableSettings()
{
    // A settings "file" that is a folder cannot be written: the login still completes.
    QDir().mkpath(Settings::UserInfoFile());
    TFrmUserLOgin w;
    edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000001"));
    edit(&w, "EdPwd")->setText(QStringLiteral("secret1"));
    w.BtnLoginAClick();
    const auto boxes = m_boxes->Take();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().Icon, TBsDlg::Icon::Warning);
    QVERIFY(boxes.first().Text.contains(QLatin1String("UserInfo.dll")));
    QVERIFY(Dm->LoginOK);
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TestAccounts::loginThreeWrongPasswords()
{
    TFrmUserLOgin w;
    edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000001"));
    edit(&w, "EdPwd")->setText(QStringLiteral("wrong"));
    w.BtnLoginAClick();
    w.BtnLoginAClick();
    QCOMPARE(w.focusWidget(), edit(&w, "EdTelNoA"));
    w.BtnLoginAClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{
        info(QStringLiteral("登录"), QStringLiteral("您好，登录失败，请重新输入用户名和密码登录,您还有2次机会！")),
        info(QStringLiteral("登录"), QStringLiteral("您好，登录失败，请重新输入用户名和密码登录,您还有1次机会！")),
        info(QStringLiteral("登录"), QStringLiteral("您好，您已经连续3次登录失败，系统退出！")),
    }));
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!Dm->LoginOK);
    // The empty-field checks come first and use no attempt.
    TFrmUserLOgin fresh;
    fresh.BtnLoginAClick();
    edit(&fresh, "EdTelNoA")->setText(QStringLiteral("1"));
    fresh.BtnLoginAClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), QStringLiteral("您好，请输入手机号码进行登录！")),
                                             info(QStringLiteral("登录"), QStringLiteral("您好，请输入您的登录密码！"))}));
    QCOMPARE(fresh.focusWidget(), edit(&fresh, "EdPwd"));
    QCOMPARE(fresh.LoginTriesLeft, 3);
}

void TestAccounts::loginNetworkFailureUsesNoAttempt()
{
    TFrmUserLOgin w;
    edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000001"));
    edit(&w, "EdPwd")->setText(QStringLiteral("secret1"));
    m_bank->FailWhenContains = QStringLiteral("F_PASSWORD");
    w.BtnLoginAClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), QStringLiteral("用户验证登录失败，请检查网络连接！"))}));
    QCOMPARE(w.LoginTriesLeft, 3);
    QVERIFY(!Dm->LoginOK);
}

void TestAccounts::loginTwinRowsFail()
{
    TFrmUserLOgin w;
    edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000009"));
    edit(&w, "EdPwd")->setText(QStringLiteral("same12"));
    w.BtnLoginAClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), QStringLiteral("您好，登录失败，请重新输入用户名和密码登录,您还有2次机会！"))}));
    QCOMPARE(w.LoginTriesLeft, 2);
    QVERIFY(!Dm->LoginOK);
}

void TestAccounts::loginTokens()
{
    QStringList tokens;
    for (int i = 0; i < 2; ++i) {
        Dm->LoginOK = false;
        TFrmUserLOgin w;
        edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000001"));
        edit(&w, "EdPwd")->setText(QStringLiteral("secret1"));
        m_bank->Statements.clear();
        w.BtnLoginAClick();
        QCOMPARE(m_bank->Statements.size(), 2);
        QCOMPARE(m_bank->Statements.at(1), QStringLiteral("EXEC P_UserLogin 7,'%1'").arg(Dm->LoginToken));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(Dm->LoginToken).hasMatch());
        tokens << Dm->LoginToken;
    }
    QVERIFY(tokens.at(0) != tokens.at(1));
    QCOMPARE(m_bank->Rows(QStringLiteral("SELECT F_LOGIN_TOKEN FROM T_LOGIN_RECORD ORDER BY F_LOGIN_ID")),
             (QVector<QStringList>{{tokens.at(0)}, {tokens.at(1)}}));
    // A failing P_UserLogin does not stop the login.
    Dm->LoginOK = false;
    m_bank->FailWhenContains = QStringLiteral("P_UserLogin");
    TFrmUserLOgin w;
    edit(&w, "EdTelNoA")->setText(QStringLiteral("13900000001"));
    edit(&w, "EdPwd")->setText(QStringLiteral("secret1"));
    w.BtnLoginAClick();
    QVERIFY(Dm->LoginOK);
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestAccounts::loginEnterKeys()
{
    TFrmUserLOgin w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* tel = edit(&w, "EdTelNoA");
    tel->setFocus();
    QTest::keyClick(tel, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), tel); // empty: nothing moves
    tel->setText(QStringLiteral("13900000001"));
    QTest::keyClick(tel, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), edit(&w, "EdPwd"));
    QTest::keyClick(edit(&w, "EdPwd"), Qt::Key_Return);
    QVERIFY(m_boxes->Boxes.isEmpty()); // empty password: no login attempt
    QTest::keyClicks(edit(&w, "EdPwd"), QStringLiteral("secret1"));
    QTest::keyClick(edit(&w, "EdPwd"), Qt::Key_Return);
    QVERIFY(Dm->LoginOK);
}

void TestAccounts::smsLogin()
{
    TFrmUserLOgin w;
    get<QTabWidget>(&w, "PGMain")->setCurrentIndex(1);
    w.BtnLoginBClick();
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000001"));
    w.BtnLoginBClick(); // no code sent: stored code 0
    edit(&w, "EdCode")->setText(QStringLiteral("0"));
    w.BtnLoginBClick(); // "0" passes the code test and fails the phone test
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{warn(QStringLiteral("登录"), QStringLiteral("请输入手机号进行验证登录！")),
                                             warn(QStringLiteral("登录"), QStringLiteral("验证码不正确,请重新输入验证码！")),
                                             warn(QStringLiteral("登录"), QStringLiteral("手机号不正确,请重新输入手机号！"))}));
    QCOMPARE(w.focusWidget(), edit(&w, "EdTelNO"));

    requestCode(&w, w.Sms, QStringLiteral("13900000001"));
    for (int i = 0; i <= 60; ++i)
        w.Sms->tmr1Timer();
    edit(&w, "EdCode")->setText(QString::number(w.Sms->SmsCode));
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000009"));
    w.BtnLoginBClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{warn(QStringLiteral("登录"), QStringLiteral("手机号不正确,请重新输入手机号！"))}));

    // The row vanished meanwhile: the failure box, the window stays.
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000001"));
    m_bank->Exec(QStringLiteral("UPDATE T_USER SET F_TEL_NO='x' WHERE F_USER_ID=7"));
    w.BtnLoginBClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("登录"), QStringLiteral("您好，登录失败，请重新登录！"))}));
    QVERIFY(!Dm->LoginOK);
    m_bank->Exec(QStringLiteral("UPDATE T_USER SET F_TEL_NO='13900000001' WHERE F_USER_ID=7"));
    m_bank->Statements.clear();
    w.BtnLoginBClick();
    QVERIFY(Dm->LoginOK);
    QCOMPARE(Dm->UserID, 7);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(m_bank->Statements.last().startsWith(QLatin1String("EXEC P_UserLogin 7,'")));
    QVERIFY(!QFile::exists(Settings::UserInfoFile())); // an SMS login leaves the remembered login alone
}

void TestAccounts::registrationChecks_data()
{
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QString>("code"); // "OK" stands for the code that was sent
    QTest::addColumn<QString>("pwd");
    QTest::addColumn<QString>("pwd2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("phone empty") << "" << "" << "" << "" << "您好，请输入手机号码进行注册！" << "EdTelNO";
    QTest::newRow("code empty before password") << "13900000002" << "" << "" << "" << "您好，请输入验证码进行注册！" << "EdCode";
    QTest::newRow("password empty") << "13900000002" << "1" << "" << "" << "您好，请输入密码进行注册！" << "EdPwd";
    QTest::newRow("confirmation empty") << "13900000002" << "1" << "abcdef" << "" << "您好，请输入密码确认进行注册！" << "EdPwd2";
    QTest::newRow("wrong code before short password") << "13900000002" << "1" << "abc" << "abc" << "您好，验证码不正确，请重新输入验证码进行注册！" << "EdCode";
    QTest::newRow("five characters") << "13900000002" << "OK" << "abcde" << "abcde" << "您好，密码长度至少六位，请重新输入密码！" << "EdPwd";
    QTest::newRow("mismatch") << "13900000002" << "OK" << "abcdef" << "abcdeg" << "您好，密码与密码确认不一致，请重新输入密码进行注册！" << "EdPwd";
    QTest::newRow("three Chinese characters pass, number changed") << "13900000003" << "OK" << "砚桥库" << "砚桥库"
                                                                    << "您好，手机号不是接收短信的手机号，请重新输入验证！" << "EdTelNO";
}

void TestAccounts::registrationChecks()
{
    QFETCH(QString, tel);
    QFETCH(QString, code);
    QFETCH(QString, pwd);
    QFETCH(QString, pwd2);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TFrmRegUser w;
    if (code == QLatin1String("OK")) {
        requestCode(&w, w.Sms, QStringLiteral("13900000002"));
        for (int i = 0; i <= 60; ++i)
            w.Sms->tmr1Timer();
        code = QString::number(w.Sms->SmsCode);
    }
    edit(&w, "EdTelNO")->setText(tel);
    edit(&w, "EdCode")->setText(code);
    edit(&w, "EdPwd")->setText(pwd);
    edit(&w, "EdPwd2")->setText(pwd2);
    m_bank->Statements.clear();
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("注册"), message)}));
    QCOMPARE(w.focusWidget()->objectName(), focus);
    QVERIFY(m_bank->Statements.isEmpty());
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER")), QStringLiteral("3"));
}

void TestAccounts::registrationSuccessAndCancel()
{
    TFrmUserLOgin login;
    edit(&login, "EdTelNoA")->setText(QStringLiteral("old"));
    get<QCheckBox>(&login, "CKSaveUserInfo")->setChecked(true);
    QString mode = QStringLiteral("cancel");
    QString title;
    SetModalHandler([&](QDialog* d) -> int {
        auto* reg = qobject_cast<TFrmRegUser*>(d);
        if (!reg)
            return 0;
        title = reg->windowTitle();
        if (mode == QLatin1String("cancel")) {
            reg->bsSkinButton2Click();
            return reg->result();
        }
        requestCode(reg, reg->Sms, QStringLiteral("13900000002"));
        edit(reg, "EdCode")->setText(QString::number(reg->Sms->SmsCode));
        edit(reg, "EdPwd")->setText(QStringLiteral("砚桥库"));
        edit(reg, "EdPwd2")->setText(QStringLiteral("砚桥库"));
        reg->BtnSaveClick();
        return reg->result();
    });
    login.LBtnRegUserClick();
    QCOMPARE(title, QStringLiteral("用户注册"));
    QCOMPARE(edit(&login, "EdTelNoA")->text(), QStringLiteral("old"));
    QVERIFY(get<QCheckBox>(&login, "CKSaveUserInfo")->isChecked());
    QVERIFY(Dm->PrefillTelNo.isEmpty());

    mode = QStringLiteral("register");
    get<QTabWidget>(&login, "PGMain")->setCurrentIndex(1);
    get<QPushButton>(&login, "bsSkinLinkLabel1")->click();
    QVERIFY(m_boxes->Take().isEmpty());
    QCOMPARE(m_bank->Rows(QStringLiteral("SELECT F_USER_NAME,F_PASSWORD,F_TEL_NO FROM T_USER WHERE F_TEL_NO='13900000002'")),
             (QVector<QStringList>{{"13900000002", "砚桥库", "13900000002"}}));
    QCOMPARE(edit(&login, "EdTelNoA")->text(), QStringLiteral("13900000002"));
    QCOMPARE(edit(&login, "EdPwd")->text(), QStringLiteral("砚桥库"));
    QVERIFY(!get<QCheckBox>(&login, "CKSaveUserInfo")->isChecked());
    QCOMPARE(get<QTabWidget>(&login, "PGMain")->currentIndex(), 1); // the page is not changed
}

void TestAccounts::registrationRechecksBeforeInsert()
{
    TFrmRegUser w;
    requestCode(&w, w.Sms, QStringLiteral("13900000002"));
    // Someone registers the number meanwhile.
    m_bank->Exec(QStringLiteral("INSERT INTO T_USER (F_USER_NAME,F_PASSWORD,F_TEL_NO) VALUES ('x','y','13900000002')"));
    edit(&w, "EdCode")->setText(QString::number(w.Sms->SmsCode));
    edit(&w, "EdPwd")->setText(QStringLiteral("abcdef"));
    edit(&w, "EdPwd2")->setText(QStringLiteral("abcdef"));
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("注册"), QStringLiteral("您好，该手机号已经注册过，请直接登录或更换其他手机号！"))}));
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER WHERE F_TEL_NO='13900000002'")), QStringLiteral("1"));
    QVERIFY(Dm->PrefillTelNo.isEmpty());
    QCOMPARE(w.result(), 0);
}

void TestAccounts::registrationInsertFails()
{
    TFrmRegUser w;
    requestCode(&w, w.Sms, QStringLiteral("13900000002"));
    edit(&w, "EdCode")->setText(QString::number(w.Sms->SmsCode));
    edit(&w, "EdPwd")->setText(QStringLiteral("abcdef"));
    edit(&w, "EdPwd2")->setText(QStringLiteral("abcdef"));
    m_bank->FailWhenContains = QStringLiteral("INSERT INTO T_USER");
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("注册"), QStringLiteral("您好，注册失败，请重新注册！"))}));
    QCOMPARE(edit(&w, "EdPwd")->text(), QStringLiteral("abcdef"));
    QVERIFY(Dm->PrefillTelNo.isEmpty());
}

void TestAccounts::resetChecks_data()
{
    QTest::addColumn<bool>("sms");
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("oldPwd");
    QTest::addColumn<QString>("pwd");
    QTest::addColumn<QString>("pwd2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("phone empty") << false << "" << "" << "" << "" << "" << "您好，请输入手机号码！" << "EdTelNO";
    QTest::newRow("sms, code empty") << true << "13900000001" << "" << "" << "" << "" << "您好，请输入验证码！" << "EdCode";
    QTest::newRow("password mode ignores empty code") << false << "13900000001" << "" << "" << "" << "" << "您好，请输入新密码！" << "EdPwd";
    QTest::newRow("confirmation empty") << false << "13900000001" << "" << "" << "abcdef" << "" << "您好，请输入密码确认！" << "EdPwd2";
    QTest::newRow("sms, wrong code") << true << "13900000001" << "1" << "" << "abc" << "abc" << "您好，验证码不正确，请重新输入验证码！" << "EdCode";
    QTest::newRow("five characters") << false << "13900000001" << "" << "secret1" << "abcde" << "abcde" << "您好，新密码长度至少六位，请重新输入密码！" << "EdPwd";
    QTest::newRow("mismatch") << false << "13900000001" << "" << "secret1" << "abcdef" << "abcdeF" << "您好，新密码与密码确认不一致，请重新输入密码进行注册！" << "EdPwd";
    QTest::newRow("sms, no code sent, code 0") << true << "13900000001" << "0" << "" << "abcdef" << "abcdef" << "您好，手机号不是接收短信的手机号，请重新输入验证！" << "EdTelNO";
    QTest::newRow("wrong old password") << false << "13900000001" << "" << "nope" << "abcdef" << "abcdef" << "您好，旧密码验证失败，请重新输入！" << "EdOldPwd";
    QTest::newRow("empty old password") << false << "13900000001" << "" << "" << "abcdef" << "abcdef" << "您好，旧密码验证失败，请重新输入！" << "EdOldPwd";
}

void TestAccounts::resetChecks()
{
    QFETCH(bool, sms);
    QFETCH(QString, tel);
    QFETCH(QString, code);
    QFETCH(QString, oldPwd);
    QFETCH(QString, pwd);
    QFETCH(QString, pwd2);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TFrmResetPwd w;
    QVERIFY(!edit(&w, "EdCode")->isEnabled());
    QVERIFY(!get<QPushButton>(&w, "BtnSMS")->isEnabled());
    if (sms) {
        get<QRadioButton>(&w, "CKSms")->click();
        QVERIFY(!edit(&w, "EdOldPwd")->isEnabled());
        QVERIFY(edit(&w, "EdCode")->isEnabled());
    }
    edit(&w, "EdTelNO")->setText(tel);
    edit(&w, "EdCode")->setText(code);
    edit(&w, "EdOldPwd")->setText(oldPwd);
    edit(&w, "EdPwd")->setText(pwd);
    edit(&w, "EdPwd2")->setText(pwd2);
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("重置密码"), message)}));
    QCOMPARE(w.focusWidget()->objectName(), focus);
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT F_PASSWORD FROM T_USER WHERE F_USER_ID=7")), QStringLiteral("secret1"));
}

void TestAccounts::resetByOldPassword()
{
    TFrmResetPwd w;
    QCOMPARE(w.windowTitle(), QStringLiteral("重置密码"));
    edit(&w, "EdTelNO")->setText(QStringLiteral("13900000001"));
    edit(&w, "EdOldPwd")->setText(QStringLiteral("secret1"));
    edit(&w, "EdPwd")->setText(QStringLiteral("新密码12"));
    edit(&w, "EdPwd2")->setText(QStringLiteral("新密码12"));
    m_bank->FailWhenContains = QStringLiteral("UPDATE T_USER");
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("重置密码"), QStringLiteral("密码重置失败！"))}));
    QCOMPARE(w.result(), 0);
    m_bank->FailWhenContains = QStringLiteral("AND F_PASSWORD");
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("重置密码"), QStringLiteral("用户验证登录失败，请检查网络连接！"))}));
    QCOMPARE(w.focusWidget(), edit(&w, "EdTelNO"));
    m_bank->FailWhenContains.clear();
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("重置密码"), QStringLiteral("密码重置成功！"))}));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT F_PASSWORD FROM T_USER WHERE F_USER_ID=7")), QStringLiteral("新密码12"));

    // The new password logs in; the old one no longer does.
    TFrmUserLOgin login;
    edit(&login, "EdTelNoA")->setText(QStringLiteral("13900000001"));
    edit(&login, "EdPwd")->setText(QStringLiteral("secret1"));
    login.BtnLoginAClick();
    QCOMPARE(login.LoginTriesLeft, 2);
    QCOMPARE(m_boxes->Take().size(), 1);
    edit(&login, "EdPwd")->setText(QStringLiteral("新密码12"));
    login.BtnLoginAClick();
    QVERIFY(Dm->LoginOK);
}

void TestAccounts::resetBySms()
{
    TFrmResetPwd w;
    get<QRadioButton>(&w, "CKSms")->click();
    requestCode(&w, w.Sms, QStringLiteral("13900000001"));
    edit(&w, "EdCode")->setText(QString::number(w.Sms->SmsCode));
    edit(&w, "EdPwd")->setText(QStringLiteral("abcdef"));
    edit(&w, "EdPwd2")->setText(QStringLiteral("abcdef"));
    m_bank->Statements.clear();
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("重置密码"), QStringLiteral("密码重置成功！"))}));
    // No old-password query in this mode.
    QCOMPARE(m_bank->Statements, (QStringList{"UPDATE T_USER SET F_PASSWORD='abcdef' WHERE F_TEL_NO='13900000001'"}));
    // An update that changes no row still counts as done.
    TFrmResetPwd none;
    get<QRadioButton>(&none, "CKSms")->click();
    none.Sms->SmsCode = 123456;
    none.Sms->SmsTelNo = QStringLiteral("13000000000");
    edit(&none, "EdTelNO")->setText(QStringLiteral("13000000000"));
    edit(&none, "EdCode")->setText(QStringLiteral("123456"));
    edit(&none, "EdPwd")->setText(QStringLiteral("abcdef"));
    edit(&none, "EdPwd2")->setText(QStringLiteral("abcdef"));
    none.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{info(QStringLiteral("重置密码"), QStringLiteral("密码重置成功！"))}));
    // Switching back to the old-password mode sets the controls again.
    get<QRadioButton>(&none, "CKPwd")->click();
    QVERIFY(edit(&none, "EdOldPwd")->isEnabled());
    QVERIFY(!get<QPushButton>(&none, "BtnSMS")->isEnabled());
}

void TestAccounts::singleInstance()
{
    const QString name = QStringLiteral("Designer Kvt test %1").arg(QCoreApplication::applicationPid());
    {
        TSingleInstance first(name);
        QVERIFY(first.Acquire());
        TSingleInstance second(name);
        QVERIFY(!second.Acquire());
    }
    // A holder in another process that dies without letting go: the next copy may start.
    QProcess holder;
    holder.start(QStringLiteral(LOCKHOLDER_PATH), {name, m_bank->Folder()});
    QVERIFY(holder.waitForStarted());
    QVERIFY(holder.waitForReadyRead(5000));
    QCOMPARE(holder.readAll().trimmed(), QByteArray("locked"));
    {
        TSingleInstance whileAlive(name);
        QVERIFY(!whileAlive.Acquire());
    }
    holder.kill();
    holder.waitForFinished();
    TSingleInstance after(name);
    QVERIFY(after.Acquire());
}

void TestAccounts::entryEndsWithoutLogin()
{
    int logins = 0;
    SetModalHandler([&](QDialog* d) {
        if (qobject_cast<TFrmUserLOgin*>(d))
            ++logins;
        d->reject();
        return int(QDialog::Rejected);
    });
    // The entry sequence opens its own data module on the bank of the program folder.
    m_bank->Module.reset();
    QCOMPARE(RunEntrySequence(*qobject_cast<QApplication*>(QCoreApplication::instance())), 0);
    QCOMPARE(logins, 1);
}

void TestAccounts::entryOpensMainAfterLogin()
{
    SetModalHandler([&](QDialog* d) {
        if (auto* login = qobject_cast<TFrmUserLOgin*>(d)) {
            login->findChild<QLineEdit*>(QStringLiteral("EdTelNoA"))->setText(QStringLiteral("13900000001"));
            login->findChild<QLineEdit*>(QStringLiteral("EdPwd"))->setText(QStringLiteral("secret1"));
            login->BtnLoginAClick();
            // Close the main window once the message loop runs.
            QTimer::singleShot(0, [] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (w->objectName() == QLatin1String("FrmMain"))
                        w->close();
                }
            });
            return login->result();
        }
        return 0;
    });
    m_bank->Module.reset();
    QCOMPARE(RunEntrySequence(*qobject_cast<QApplication*>(QCoreApplication::instance())), 0);
    // A second copy started meanwhile is refused with the system box.
    TSingleInstance holder(QStringLiteral("Designer Kvt"));
    QVERIFY(holder.Acquire());
    QCOMPARE(RunEntrySequence(*qobject_cast<QApplication*>(QCoreApplication::instance())), 0);
    QCOMPARE(m_boxes->Take().last(), (TBox{QStringLiteral("系统提示"), QStringLiteral("当前已经有一个系统运行，请勿同时运行多个程序！"), TBsDlg::Icon::None}));
}

void TestAccounts::entryWithoutBank()
{
    // A bank that cannot be opened: one box with the connection's failure text, a non-zero exit.
    m_bank->Module.reset();
    QFile::remove(ProgramFolder() + QStringLiteral("TKDB.db"));
    int modals = 0;
    SetModalHandler([&](QDialog*) { return ++modals, 0; });
    QCOMPARE(RunEntrySequence(*qobject_cast<QApplication*>(QCoreApplication::instance())), 1);
    const auto boxes = m_boxes->Take();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().Title, QStringLiteral("系统提示"));
    QVERIFY(boxes.first().Text.contains(QLatin1String("TKDB.db")));
    QCOMPARE(modals, 0);
}

QTEST_MAIN(TestAccounts)
#include "tst_accounts.moc"
