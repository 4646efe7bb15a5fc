#include "SmsCode.h"

#include "BlockingWait.h"
#include "BsDlg.h"
#include "DbQuery.h"
#include "ProgramFolder.h"
#include "SqlText.h"
#include "UnDm.h"

#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

namespace {
int g_senderTimeout = 20000;
const QString kTitle = QStringLiteral("登录");
} // namespace

TSmsCode::TSmsCode(QWidget* window, QLineEdit* telNo, QLineEdit* code, QPushButton* button, Rule rule, QString refusal)
    : QObject(window), m_window(window), m_telNo(telNo), m_code(code), m_button(button), m_rule(rule),
      m_refusal(std::move(refusal))
{
    tmr1 = new QTimer(this);
    tmr1->setObjectName(QStringLiteral("tmr1"));
    tmr1->setInterval(1000);
    connect(tmr1, &QTimer::timeout, this, &TSmsCode::tmr1Timer);
    connect(m_button, &QPushButton::clicked, this, &TSmsCode::BtnSMSClick);
}

int TSmsCode::SenderTimeout() { return g_senderTimeout; }
void TSmsCode::SetSenderTimeout(int msecs) { g_senderTimeout = msecs; }
QString TSmsCode::SenderPath() { return ProgramFolder() + QStringLiteral("SMSMsg.exe"); }
QString TSmsCode::ResultPath() { return ProgramFolder() + QStringLiteral("SMSRlt.dll"); }

int TSmsCode::NewCode()
{
    return 100000 + static_cast<int>(QRandomGenerator::system()->bounded(900000u));
}

bool TSmsCode::CodeMatches() const
{
    return QString::number(SmsCode) == m_code->text();
}

bool TSmsCode::NumberMatches() const
{
    return SmsTelNo == m_telNo->text();
}

void TSmsCode::BtnSMSClick()
{
    if (m_telNo->text().isEmpty()) {
        TBsDlg::Information(m_window, kTitle, QStringLiteral("您好，请输入手机号码进行登录！"));
        m_telNo->setFocus();
        return;
    }
    QFile::remove(ResultPath());
    TQuery q;
    if (!Dm->OpenQuery(q, SqlText::Build(SqlText::UserByTel, {{u"TelNo", m_telNo->text()}}))) {
        TBsDlg::Information(m_window, kTitle, QStringLiteral("您好，获取该手机号注册信息失败！"));
        return;
    }
    const bool one = q.RecordCount() == 1;
    if (one != (m_rule == Rule::ExactlyOneRow)) {
        TBsDlg::Information(m_window, kTitle, m_refusal);
        return;
    }
    m_button->setEnabled(false);
    m_telNo->setEnabled(false);
    SmsCode = NewCode();
    if (runSender() && QFile::exists(ResultPath())) {
        TBsDlg::Warning(m_window, kTitle, QStringLiteral("验证码发送成功！"));
        SmsCountdown = 60;
        tmr1->start();
        SmsTelNo = m_telNo->text();
        return;
    }
    TBsDlg::Warning(m_window, kTitle, QStringLiteral("验证码发送失败！"));
    m_button->setEnabled(true);
    m_telNo->setEnabled(true);
}

bool TSmsCode::runSender()
{
    // Started with an argument list, never through a shell; the wait is bounded.
    QProcess sender;
    sender.setProgram(SenderPath());
    sender.setArguments({QString::number(SmsCode), m_telNo->text()});
    sender.setWorkingDirectory(ProgramFolder());
    sender.start();
    if (!sender.waitForStarted(5000))
        return false;
    QEventLoop loop;
    QTimer limit; // owned by no widget, so it runs during the wait
    limit.setSingleShot(true);
    connect(&sender, &QProcess::finished, &loop, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (sender.state() == QProcess::Running) {
        limit.start(g_senderTimeout);
        BlockingWait::Run(loop);
    }
    if (sender.state() != QProcess::NotRunning) {
        // Still running at the bound: stop it; the request fails, and whatever
        // it may still leave behind does not count.
        sender.kill();
        sender.waitForFinished(2000);
        QFile::remove(ResultPath());
        return false;
    }
    return true;
}

void TSmsCode::tmr1Timer()
{
    if (SmsCountdown != 0) {
        --SmsCountdown;
        m_button->setText(QStringLiteral("验证码(%1秒)").arg(SmsCountdown));
        return;
    }
    tmr1->stop();
    m_button->setEnabled(true);
    m_telNo->setEnabled(true);
    m_button->setText(QStringLiteral("验证码"));
}
