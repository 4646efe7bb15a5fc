#pragma once
// The error report: a category, a description, or both, for one question.

#include <QDialog>

#include <memory>

class QButtonGroup;

namespace Ui {
class FrmCorrect;
}

class TFrmCorrect : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmCorrect(QWidget* parent = nullptr);
    ~TFrmCorrect() override;

    int QuestionID = 0;

    void BtnSaveClick();
    void BtnCancleClick();

private:
    void FormCreate();
    std::unique_ptr<Ui::FrmCorrect> ui;
    QButtonGroup* m_kinds = nullptr;
};
