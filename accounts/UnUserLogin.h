#pragma once
// The login window: by password (three attempts) or by SMS code; remembers
// the last password login, applies the saved skin, links to registration and
// password reset.

#include <QDialog>

#include <memory>

class TSmsCode;

namespace Ui {
class FrmUserLOgin;
}

class TFrmUserLOgin : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmUserLOgin(QWidget* parent = nullptr);
    ~TFrmUserLOgin() override;

    int LoginTriesLeft = 3;
    TSmsCode* Sms = nullptr;

    void BtnLoginAClick();
    void BtnLoginBClick();
    void LBtnRegUserClick();
    void LBtnResetUserClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    bool loginSucceeded(class TQuery& row);

    std::unique_ptr<Ui::FrmUserLOgin> ui;
};
