#include "UnUserLogin.h"

#include "BsDlg.h"
#include "DbQuery.h"
#include "Modal.h"
#include "Settings.h"
#include "ShippedPicture.h"
#include "SmsCode.h"
#include "SqlText.h"
#include "UnDm.h"
#include "UnRegUser.h"
#include "UnResetPwd.h"
#include "ui_UnUserLogin.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
const QString kTitle = QStringLiteral("登录");
} // namespace

TFrmUserLOgin::TFrmUserLOgin(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmUserLOgin>())
{
    ui->setupUi(this);
    // Fixed border, no caption buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    ui->EdCode->setAttribute(Qt::WA_InputMethodEnabled, false);
    Sms = new TSmsCode(this, ui->EdTelNO, ui->EdCode, ui->BtnSMS, TSmsCode::Rule::ExactlyOneRow,
                       QStringLiteral("您好，该手机号未进行注册过，请检查手机号是否正确或先注册！"));
    connect(ui->BtnLoginA, &QPushButton::clicked, this, &TFrmUserLOgin::BtnLoginAClick);
    connect(ui->BtnLoginB, &QPushButton::clicked, this, &TFrmUserLOgin::BtnLoginBClick);
    connect(ui->LBtnRegUser, &QPushButton::clicked, this, &TFrmUserLOgin::LBtnRegUserClick);
    connect(ui->bsSkinLinkLabel1, &QPushButton::clicked, this, &TFrmUserLOgin::LBtnRegUserClick);
    connect(ui->LBtnResetUser, &QPushButton::clicked, this, &TFrmUserLOgin::LBtnResetUserClick);
    ui->EdTelNoA->installEventFilter(this);
    ui->EdPwd->installEventFilter(this);
    // Enter belongs to the edits' own handlers, not to a default button.
    ui->BtnLoginA->setDefault(false);
    ui->BtnLoginA->setAutoDefault(false);
    FormCreate();
    setFixedSize(sizeHint().expandedTo(QSize(400, 380)));
}

TFrmUserLOgin::~TFrmUserLOgin() = default;

void TFrmUserLOgin::FormCreate()
{
    auto* version = new QLabel(QStringLiteral("版本号 ") + AppVersion, this);
    version->setObjectName(QStringLiteral("PanVerNO"));
    ui->StatusBar->addWidget(version, 1);
    ui->StatusBar->addPermanentWidget(new QLabel(QStringLiteral("砚桥题库"), this));

    const TSavedLogin saved = Settings::ReadSavedLogin();
    if (saved.Remember) {
        ui->CKSaveUserInfo->setChecked(true);
        ui->EdTelNoA->setText(saved.TelNo);
        ui->EdPwd->setText(saved.Password);
    }
    Dm->SkinIndex = Settings::ReadSkin();
    Dm->ChangeSkin(Dm->SkinIndex);
    ui->PGMain->setCurrentIndex(0);
    LoadShippedPicture(ui->Image1, QStringLiteral("Images/Logo/logoEx.png"), QStringLiteral("Images/Logo/logoExDesc.png"));
    LoginTriesLeft = 3;
}

bool TFrmUserLOgin::loginSucceeded(TQuery& row)
{
    Dm->LoginOK = true;
    Dm->UserID = row.AsInteger(QStringLiteral("F_USER_ID"));
    Dm->UserTelNo = row.AsString(QStringLiteral("F_TEL_NO"));
    const QString token = NewLoginToken();
    TQuery login;
    Dm->ExecQuery(login, SqlText::Build(SqlText::UserLogin, {{u"UserID", Dm->UserID}, {u"LoginToken", token}}));
    Dm->LoginToken = token;
    return true;
}

void TFrmUserLOgin::BtnLoginAClick()
{
    if (ui->EdTelNoA->text().isEmpty()) {
        TBsDlg::Information(this, kTitle, QStringLiteral("您好，请输入手机号码进行登录！"));
        ui->EdTelNoA->setFocus();
        return;
    }
    if (ui->EdPwd->text().isEmpty()) {
        TBsDlg::Information(this, kTitle, QStringLiteral("您好，请输入您的登录密码！"));
        ui->EdPwd->setFocus();
        return;
    }
    TQuery q;
    if (!Dm->OpenQuery(q, SqlText::Build(SqlText::UserByTelPwd, {{u"TelNo", ui->EdTelNoA->text()}, {u"Pwd", ui->EdPwd->text()}}))) {
        TBsDlg::Information(this, kTitle, QStringLiteral("用户验证登录失败，请检查网络连接！"));
        return;
    }
    if (q.RecordCount() == 1) {
        loginSucceeded(q);
        QString error;
        if (!Settings::WriteSavedLogin(ui->CKSaveUserInfo->isChecked(), ui->EdTelNoA->text(), ui->EdPwd->text(), &error))
            TBsDlg::Warning(this, kTitle, error); // the login itself has succeeded and goes on
        accept();
        return;
    }
    --LoginTriesLeft;
    if (LoginTriesLeft > 0) {
        TBsDlg::Information(this, kTitle,
                            QStringLiteral("您好，登录失败，请重新输入用户名和密码登录,您还有%1次机会！").arg(LoginTriesLeft));
        ui->EdTelNoA->setFocus();
        return;
    }
    TBsDlg::Information(this, kTitle, QStringLiteral("您好，您已经连续3次登录失败，系统退出！"));
    reject();
}

void TFrmUserLOgin::BtnLoginBClick()
{
    if (ui->EdTelNO->text().isEmpty()) {
        TBsDlg::Warning(this, kTitle, QStringLiteral("请输入手机号进行验证登录！"));
        ui->EdTelNO->setFocus();
        return;
    }
    if (!Sms->CodeMatches()) {
        TBsDlg::Warning(this, kTitle, QStringLiteral("验证码不正确,请重新输入验证码！"));
        ui->EdCode->setFocus();
        return;
    }
    if (!Sms->NumberMatches()) {
        TBsDlg::Warning(this, kTitle, QStringLiteral("手机号不正确,请重新输入手机号！"));
        ui->EdTelNO->setFocus();
        return;
    }
    TQuery q;
    if (!Dm->OpenQuery(q, SqlText::Build(SqlText::UserRowByTel, {{u"TelNo", ui->EdTelNO->text()}})) || q.RecordCount() != 1) {
        TBsDlg::Information(this, kTitle, QStringLiteral("您好，登录失败，请重新登录！"));
        ui->EdTelNO->setFocus();
        return;
    }
    loginSucceeded(q);
    accept();
}

void TFrmUserLOgin::LBtnRegUserClick()
{
    Dm->PrefillTelNo.clear();
    Dm->PrefillPwd.clear();
    {
        TFrmRegUser reg(this);
        ShowModal(&reg);
    }
    if (!Dm->PrefillTelNo.isEmpty()) {
        ui->EdTelNoA->setText(Dm->PrefillTelNo);
        ui->EdPwd->setText(Dm->PrefillPwd);
        ui->CKSaveUserInfo->setChecked(false);
    }
}

void TFrmUserLOgin::LBtnResetUserClick()
{
    TFrmResetPwd reset(this);
    ShowModal(&reset);
}

bool TFrmUserLOgin::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && watched == ui->EdTelNoA && !ui->EdTelNoA->text().isEmpty())
            ui->EdPwd->setFocus();
        else if (enter && watched == ui->EdPwd && !ui->EdPwd->text().isEmpty())
            BtnLoginAClick();
    }
    return QDialog::eventFilter(watched, event);
}
