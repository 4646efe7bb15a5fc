#pragma once
// The subject window: an exam level, then one of its subjects.

#include <QDialog>
#include <QStringList>

#include <memory>

class QButtonGroup;

namespace Ui {
class FrmChangeSubject;
}

class TFrmChangeSubject : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmChangeSubject(QWidget* parent = nullptr);
    ~TFrmChangeSubject() override;

    QStringList LevelIDs;
    static constexpr int SubjectIdRole = Qt::UserRole;

    void BGLevelClick();
    void ListSubjectSelectItem();
    void btnOkClick();
    void btnCloseClick();

private:
    void FormCreate();
    std::unique_ptr<Ui::FrmChangeSubject> ui;
    QButtonGroup* m_levels = nullptr;
};
