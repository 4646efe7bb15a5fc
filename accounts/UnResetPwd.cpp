#include "UnResetPwd.h"

#include "BsDlg.h"
#include "DbQuery.h"
#include "Gbk.h"
#include "SmsCode.h"
#include "SqlText.h"
#include "UnDm.h"
#include "ui_UnResetPwd.h"

namespace {
const QString kTitle = QStringLiteral("重置密码");
} // namespace

TFrmResetPwd::TFrmResetPwd(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmResetPwd>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    Sms = new TSmsCode(this, ui->EdTelNO, ui->EdCode, ui->BtnSMS, TSmsCode::Rule::ExactlyOneRow,
                       QStringLiteral("您好，未找到该手机号注册信息，请检查输入手机号是否正确！"));
    ui->BtnSave->setAutoDefault(false);
    connect(ui->CKPwd, &QRadioButton::clicked, this, &TFrmResetPwd::CKPwdClick);
    connect(ui->CKSms, &QRadioButton::clicked, this, &TFrmResetPwd::CKPwdClick);
    connect(ui->BtnSave, &QPushButton::clicked, this, &TFrmResetPwd::BtnSaveClick);
    connect(ui->bsSkinButton2, &QPushButton::clicked, this, &TFrmResetPwd::bsSkinButton2Click);
}

TFrmResetPwd::~TFrmResetPwd() = default;

void TFrmResetPwd::CKPwdClick()
{
    const bool byPassword = ui->CKPwd->isChecked();
    ui->EdOldPwd->setEnabled(byPassword);
    ui->EdCode->setEnabled(!byPassword);
    ui->BtnSMS->setEnabled(!byPassword);
}

void TFrmResetPwd::BtnSaveClick()
{
    auto refuse = [this](const QString& text, QWidget* focus) {
        TBsDlg::Information(this, kTitle, text);
        focus->setFocus();
    };
    const bool bySms = ui->CKSms->isChecked();
    if (ui->EdTelNO->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入手机号码！"), ui->EdTelNO);
    if (bySms && ui->EdCode->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入验证码！"), ui->EdCode);
    if (ui->EdPwd->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入新密码！"), ui->EdPwd);
    if (ui->EdPwd2->text().isEmpty())
        return refuse(QStringLiteral("您好，请输入密码确认！"), ui->EdPwd2);
    if (bySms && !Sms->CodeMatches())
        return refuse(QStringLiteral("您好，验证码不正确，请重新输入验证码！"), ui->EdCode);
    if (GbkLength(ui->EdPwd->text()) < 6)
        return refuse(QStringLiteral("您好，新密码长度至少六位，请重新输入密码！"), ui->EdPwd);
    if (ui->EdPwd->text() != ui->EdPwd2->text())
        return refuse(QStringLiteral("您好，新密码与密码确认不一致，请重新输入密码进行注册！"), ui->EdPwd);
    if (bySms && !Sms->NumberMatches())
        return refuse(QStringLiteral("您好，手机号不是接收短信的手机号，请重新输入验证！"), ui->EdTelNO);
    TQuery q;
    if (ui->CKPwd->isChecked()) {
        if (!Dm->OpenQuery(q, SqlText::Build(SqlText::UserByTelPwd, {{u"TelNo", ui->EdTelNO->text()}, {u"Pwd", ui->EdOldPwd->text()}})))
            return refuse(QStringLiteral("用户验证登录失败，请检查网络连接！"), ui->EdTelNO);
        if (q.RecordCount() != 1)
            return refuse(QStringLiteral("您好，旧密码验证失败，请重新输入！"), ui->EdOldPwd);
    }
    if (!Dm->ExecQuery(q, SqlText::Build(SqlText::UpdatePassword, {{u"NewPwd", ui->EdPwd->text()}, {u"TelNo", ui->EdTelNO->text()}}))) {
        TBsDlg::Information(this, kTitle, QStringLiteral("密码重置失败！"));
        return;
    }
    TBsDlg::Information(this, kTitle, QStringLiteral("密码重置成功！"));
    accept();
}

void TFrmResetPwd::bsSkinButton2Click()
{
    reject();
}
