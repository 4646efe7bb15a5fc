#pragma once
// Registration: a new account for an SMS-proven phone number.

#include <QDialog>

#include <memory>

class TSmsCode;

namespace Ui {
class FrmRegUser;
}

class TFrmRegUser : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmRegUser(QWidget* parent = nullptr);
    ~TFrmRegUser() override;

    TSmsCode* Sms = nullptr;

    void BtnSaveClick();
    void bsSkinButton2Click();

private:
    std::unique_ptr<Ui::FrmRegUser> ui;
};
