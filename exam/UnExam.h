#pragma once
// The exam window: one paper worked through one question at a time, with the
// answer sheet, the clock, marks and favourites.

#include <QDateTime>
#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QWebEngineView;
class QTimer;
class TImage;
class TOptionBox;
class TQuery;
class QFrame;
class QWidget;

namespace Ui {
class FrmExam;
}

class TFrmExam : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmExam(QWidget* parent = nullptr);
    ~TFrmExam() override;

    // Sheet items carry their answer id and their state icon number.
    static constexpr int AnswerIdRole = Qt::UserRole;
    static constexpr int IconRole = Qt::UserRole + 1;

    int PaperID = 0;
    void StartExam();
    void LoadAnswerRow(int answerId);

    // Window state of the exam and of the question on screen.
    int ExamID = 0;
    int ExamMinutes = 0;
    QDateTime EndTime;
    QStringList AnswerStatusList;
    QStringList MarkStatusList;
    QStringList JudgeFlagList;
    QStringList CompleteFlagList;
    int CurItemIndex = 0;
    int CurAnswerID = 0;
    int CurQuestionID = 0;
    int CurQuestionType = 0;
    QString CorrectAnswer;
    double QuestionScore = 0.0;
    int CurMarkStatus = 0;
    bool Collected = false;

    // Displays and their helpers.
    void ShowChoiceQuestion(TQuery& row, int questionType);
    void ShowOfficeQuestion(TQuery& row);
    void RefreshFlagButtons(TQuery& row);
    void JudgeAndSaveAnswer();
    void RefreshSheetIcons();

    // Handlers.
    void Lv1SelectItem();
    void BtnNextClick();
    void BtnPreClick();
    void tmr1Timer();
    void BtnMarkClick();
    void BtnCollectClick();
    void BtnCompleteClick();
    void BtnJXClick();
    void BtnJCClick();
    void BtnUserDirClick();
    void BtnMaterialDirClick();
    void BtnReAnswerClick();
    void ImgClick(int index);
    void PanScallResize();

    QTimer* tmr1 = nullptr;
    // The task page's browser, made the first time an Office question is shown.
    QWebEngineView* wb1 = nullptr;

    // How a folder is opened in the desktop's file manager (tests watch it).
    static std::function<void(const QString& folder)>& FolderOpener();

    // The Office question folders of a question below the program folder.
    static QString UserAnswerFolder(int questionId);
    static QString QuestionFileFolder(int questionId);
    static QString StandardAnswerFolder(int questionId);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void FormActivate();
    void setNavigation(int index, int count);
    void openFolder(const QString& folder);
    int selectedIndex() const;

    std::unique_ptr<Ui::FrmExam> ui;
    QButtonGroup* m_group = nullptr;
    std::array<TOptionBox*, 6> m_boxes{};
    std::array<TImage*, 6> m_images{};
    std::array<QFrame*, 6> m_lines{};
    int m_loadedMarkStatus = 0; // the mark the database held when the question was loaded
    bool m_moving = false;      // a move between questions is under way
    bool m_closing = false;
};
