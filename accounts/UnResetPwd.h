#pragma once
// Password reset, proven by the old password or by an SMS code.

#include <QDialog>

#include <memory>

class TSmsCode;

namespace Ui {
class FrmResetPwd;
}

class TFrmResetPwd : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmResetPwd(QWidget* parent = nullptr);
    ~TFrmResetPwd() override;

    TSmsCode* Sms = nullptr;

    void CKPwdClick();
    void BtnSaveClick();
    void bsSkinButton2Click();

private:
    std::unique_ptr<Ui::FrmResetPwd> ui;
};
