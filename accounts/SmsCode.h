#pragma once
// The SMS code of one window: the request button, the one-minute countdown,
// and the code and number that the window's confirm action compares against.

#include <QObject>
#include <QString>

class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

class TSmsCode : public QObject
{
    Q_OBJECT
public:
    // Which answer of the existence query lets the request go on.
    enum class Rule { ExactlyOneRow, NotExactlyOneRow };

    TSmsCode(QWidget* window, QLineEdit* telNo, QLineEdit* code, QPushButton* button, Rule rule, QString refusal);

    int SmsCode = 0;
    int SmsCountdown = 0;
    QString SmsTelNo;
    QTimer* tmr1 = nullptr;

    void BtnSMSClick();
    void tmr1Timer();

    // The code test: the decimal text of SmsCode equals the code field exactly.
    bool CodeMatches() const;
    // The number test: the number the last code went to equals the phone field.
    bool NumberMatches() const;

    // How long the sender may run, in milliseconds (20 s unless a test sets it).
    static int SenderTimeout();
    static void SetSenderTimeout(int msecs);
    static QString SenderPath();
    static QString ResultPath();
    // A fresh code from the system's secure random source, 100000..999999.
    static int NewCode();

private:
    bool runSender();

    QWidget* m_window;
    QLineEdit* m_telNo;
    QLineEdit* m_code;
    QPushButton* m_button;
    Rule m_rule;
    QString m_refusal;
};
