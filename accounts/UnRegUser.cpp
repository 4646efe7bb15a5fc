#include "UnRegUser.h"

#include "BsDlg.h"
#include "DbQuery.h"
#include "Gbk.h"
#include "SmsCode.h"
#include "SqlText.h"
#include "UnDm.h"
#include "ui_UnRegUser.h"

namespace {
const QString kTitle = QStringLiteral("注册");
const QString kTaken = QStringLiteral("您好，该手机号已经注册过，请直接登录或更换其他手机号！");
} // namespace

TFrmRegUser::TFrmRegUser(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmRegUser>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    Sms = new TSmsCode(this, ui->EdTelNO, ui->EdCode, ui->BtnSMS, TSmsCode::Rule::NotExactlyOneRow, kTaken);
    ui->BtnSave->setAutoDefault(false);
    connect(ui->BtnSave, &QPushButton::clicked, this, &TFrmRegUser::BtnSaveClick);
    connect(ui->bsSkinButton2, &QPushButton::clicked, this, &TFrmRegUser::bsSkinButton2Click);
}

TFrmRegUser::~TFrmRegUser() = default;

void TFrmRegUser::BtnSaveClick()
{
    auto refuse = [this](const QString& text, QWidget* focus) {
        TBsDlg::Information(this, kTitle, text);
        focus->setFocus();
    };
    if (ui->EdTelNO->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入手机号码进行注册！"), ui->EdTelNO);
    if (ui->EdCode->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入验证码进行注册！"), ui->EdCode);
    if (ui->EdPwd->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入密码进行注册！"), ui->EdPwd);
    if (ui->EdPwd2->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入密码确认进行注册！"), ui->EdPwd2);
    if (!Sms->CodeMatches())
        return refuse(QStringLiteral("您好，验证码不正确，请重新输入验证码进行注册！"), ui->EdCode);
    if (GbkLength(ui->EdPwd->text()) < 6)
        return refuse(QStringLiteral("您好，密码长度至少六位，请重新输入密码！"), ui->EdPwd);
    if (ui->EdPwd->text() != ui->EdPwd2->text())
        return refuse(QStringLiteral("您好，密码与密码确认不一致，请重新输入密码进行注册！"), ui->EdPwd);
    if (!Sms->NumberMatches())
        return refuse(QStringLiteral("您好，手机号不是接收短信的手机号，请重新输入验证！"), ui->EdTelNO);

    // Looked up again right before the insert: two accounts never share a number.
    TQuery q;
    const bool looked = Dm->OpenQuery(q, SqlText::Build(SqlText::UserByTel, {{u"TelNo", ui->EdTelNO->text()}}));
    if (looked && q.RecordCount() >= 1)
        return refuse(kTaken, ui->EdTelNO);
    if (!looked
        || !Dm->ExecQuery(q, SqlText::Build(SqlText::InsertUser, {{u"TelNo", ui->EdTelNO->text()}, {u"Pwd", ui->EdPwd->text()}}))) {
        TBsDlg::Information(this, kTitle, QStringLiteral("您好，注册失败，请重新注册！"));
        return;
    }
    Dm->PrefillTelNo = ui->EdTelNO->text();
    Dm->PrefillPwd = ui->EdPwd->text();
    accept();
}

void TFrmRegUser::bsSkinButton2Click()
{
    reject();
}
