#include "UnExam.h"

#include "BsDlg.h"
#include "Clock.h"
#include "DbQuery.h"
#include "ExamLogic.h"
#include "ExamWidgets.h"
#include "ProgramFolder.h"
#include "RemoteFiles.h"
#include "SqlText.h"
#include "UnDm.h"
#include "explain/UnCorrect.h"
#include "explain/UnExplane.h"
#include "Modal.h"
#include "ui_UnExam.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWheelEvent>

using namespace SqlText;

namespace {
const QString kInfoTitle = QStringLiteral("提示信息");

// The state icon of a sheet item, kept beside the picture so it can be read back.
void setSheetIcon(QListWidgetItem* item, int icon)
{
    if (item->data(TFrmExam::IconRole).isValid() && item->data(TFrmExam::IconRole).toInt() == icon)
        return;
    item->setData(TFrmExam::IconRole, icon);
    item->setIcon(SheetIcons::Icon(icon));
}
} // namespace

TFrmExam::TFrmExam(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmExam>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    ui->PGMain->tabBar()->hide();
    ui->PGMain->setCurrentIndex(0);
    ui->PanScall->verticalScrollBar()->setObjectName(QStringLiteral("DevScorbar"));
    ui->PanScall->setStyleSheet(QStringLiteral("QScrollArea#PanScall, QWidget#PanScallContent { background: white; }"));
    ui->SheetTabOption->setStyleSheet(QStringLiteral("QWidget#SheetTabOption { background: white; }"));
    QFont questionFont(QStringList{QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑"), QStringLiteral("Noto Sans CJK SC")});
    questionFont.setPixelSize(14);
    ui->LBTitle->setFont(questionFont);
    ui->LBTitle->setStyleSheet(QStringLiteral("color: black;"));
    ui->Lv1->setFont(questionFont);

    m_boxes = {ui->CKA, ui->CKB, ui->CKC, ui->CKD, ui->CKE, ui->CKF};
    m_images = {ui->ImgA, ui->ImgB, ui->ImgC, ui->ImgD, ui->ImgE, ui->ImgF};
    m_lines = {ui->LevelA, ui->LevelB, ui->LevelC, ui->LevelD, ui->LevelE, ui->LevelF};
    m_group = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        m_boxes[i]->setFont(questionFont);
        m_group->addButton(m_boxes[i], i);
        connect(m_images[i], &TImage::clicked, this, [this, i] { ImgClick(i); });
    }

    tmr1 = new QTimer(this);
    tmr1->setObjectName(QStringLiteral("tmr1"));
    tmr1->setInterval(1000);
    connect(tmr1, &QTimer::timeout, this, &TFrmExam::tmr1Timer);

    connect(ui->Lv1, &QListWidget::itemSelectionChanged, this, &TFrmExam::Lv1SelectItem);
    connect(ui->BtnNext, &QPushButton::clicked, this, &TFrmExam::BtnNextClick);
    connect(ui->BtnNextEx, &QPushButton::clicked, this, &TFrmExam::BtnNextClick);
    connect(ui->BtnPre, &QPushButton::clicked, this, &TFrmExam::BtnPreClick);
    connect(ui->BtnPreEX, &QPushButton::clicked, this, &TFrmExam::BtnPreClick);
    connect(ui->BtnMark, &QPushButton::clicked, this, &TFrmExam::BtnMarkClick);
    connect(ui->BtnCollect, &QPushButton::clicked, this, &TFrmExam::BtnCollectClick);
    connect(ui->BtnComplete, &QPushButton::clicked, this, &TFrmExam::BtnCompleteClick);
    connect(ui->BtnJX, &QPushButton::clicked, this, &TFrmExam::BtnJXClick);
    connect(ui->BtnJC, &QPushButton::clicked, this, &TFrmExam::BtnJCClick);
    connect(ui->BtnUserDir, &QPushButton::clicked, this, &TFrmExam::BtnUserDirClick);
    connect(ui->BtnMaterialDir, &QPushButton::clicked, this, &TFrmExam::BtnMaterialDirClick);
    connect(ui->BtnReAnswer, &QPushButton::clicked, this, &TFrmExam::BtnReAnswerClick);
    ui->PanScall->installEventFilter(this);
    ui->PanScall->viewport()->installEventFilter(this);

    ui->BtnUserDir->hide();
    ui->BtnMaterialDir->hide();
    ui->BtnReAnswer->hide();

    // The largest size is the screen's work area, also when maximised.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setMaximumSize(screen->availableGeometry().size());
}

TFrmExam::~TFrmExam() = default;

QString TFrmExam::UserAnswerFolder(int questionId)
{
    return ProgramFolder() + QStringLiteral("QFiles/UserAnswer/") + QString::number(questionId);
}

QString TFrmExam::QuestionFileFolder(int questionId)
{
    return ProgramFolder() + QStringLiteral("QFiles/QuestionFile/") + QString::number(questionId);
}

QString TFrmExam::StandardAnswerFolder(int questionId)
{
    return ProgramFolder() + QStringLiteral("QFiles/StanardAnswer/") + QString::number(questionId);
}

void TFrmExam::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TFrmExam::FormActivate()
{
    if (const QScreen* s = screen())
        setGeometry(s->availableGeometry());
}

int TFrmExam::selectedIndex() const
{
    const QList<QListWidgetItem*> selected = ui->Lv1->selectedItems();
    return selected.isEmpty() ? -1 : ui->Lv1->row(selected.first());
}

void TFrmExam::StartExam()
{
    ui->Lv1->clear();
    AnswerStatusList.clear();
    MarkStatusList.clear();
    JudgeFlagList.clear();
    CompleteFlagList.clear();

    TQuery exam;
    if (!Dm->OpenQuery(exam, Build(CreateExam, {{u"PaperID", PaperID}, {u"UserID", Dm->UserID}})))
        return;
    if (exam.RecordCount() == 1)
        ExamID = exam.AsInteger(QStringLiteral("F_EXAM_ID"));

    TQuery sheet;
    int count = 0;
    if (Dm->OpenQuery(sheet, Build(AnswerSheet, {{u"ExamID", ExamID}}))) {
        count = sheet.RecordCount();
        int n = 1;
        const QSignalBlocker block(ui->Lv1);
        for (sheet.First(); !sheet.Eof(); sheet.Next(), ++n) {
            auto* item = new QListWidgetItem(QString::number(n), ui->Lv1);
            item->setData(AnswerIdRole, sheet.AsString(QStringLiteral("F_ANSWER_ID")));
            item->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            const QString status = sheet.AsString(QStringLiteral("F_ANSWER_STATUS"));
            const QString mark = sheet.AsString(QStringLiteral("F_MARK_STATUS"));
            AnswerStatusList << status;
            MarkStatusList << mark;
            JudgeFlagList << sheet.AsString(QStringLiteral("F_JUGE_FLAG"));
            CompleteFlagList << sheet.AsString(QStringLiteral("F_COMPLETE_FLAG"));
            setSheetIcon(item, ExamLogic::SheetIcon(status, mark, false));
        }
    }
    if (ui->Lv1->count() > 0)
        ui->Lv1->setCurrentRow(0);

    TQuery paper;
    if (!Dm->OpenQuery(paper, Build(PaperHeader, {{u"PaperID", PaperID}})) || paper.RecordCount() != 1)
        return;
    setWindowTitle(ExamLogic::ExamCaption(Dm->SubjectName, paper.AsString(QStringLiteral("F_PAPER_NAME")),
                                          paper.AsString(QStringLiteral("F_PAPER_SCORE")),
                                          paper.AsString(QStringLiteral("F_PASS_SCORE")), count,
                                          paper.AsString(QStringLiteral("F_EXAM_TIME"))));
    ExamMinutes = paper.AsInteger(QStringLiteral("F_EXAM_TIME"));
    EndTime = Clock::Now().addSecs(qint64(ExamMinutes) * 60);
    tmr1->start();
}

void TFrmExam::LoadAnswerRow(int answerId)
{
    TQuery row;
    if (!Dm->OpenQuery(row, Build(AnswerRow, {{u"ExamID", ExamID}, {u"AnswerID", answerId}})) || row.RecordCount() != 1)
        return;
    CurQuestionType = row.AsInteger(QStringLiteral("F_QUESTION_TYPE_ID"));
    CurQuestionID = row.AsInteger(QStringLiteral("F_QUESTION_ID"));
    CurAnswerID = row.AsInteger(QStringLiteral("F_ANSWER_ID"));
    CurMarkStatus = row.AsInteger(QStringLiteral("F_MARK_STATUS"));
    m_loadedMarkStatus = CurMarkStatus;
    CorrectAnswer = row.AsString(QStringLiteral("F_ANSWER"));
    QuestionScore = row.AsFloat(QStringLiteral("F_SCORE"));
    ui->BtnMaterialDir->hide();
    ui->BtnUserDir->hide();
    ui->BtnReAnswer->hide();
    if (CurQuestionType >= 1 && CurQuestionType <= 3) {
        ShowChoiceQuestion(row, CurQuestionType);
    } else if (CurQuestionType == 4) {
        ui->BtnMaterialDir->show();
        ui->BtnUserDir->show();
        ui->BtnReAnswer->show();
        ShowOfficeQuestion(row);
    }
}

void TFrmExam::ShowChoiceQuestion(TQuery& row, int questionType)
{
    ui->PGMain->setCurrentIndex(0);
    ui->ImgTitle->Clear();
    ui->ImgTitle->hide();
    m_group->setExclusive(false);
    for (int i = 0; i < 6; ++i) {
        m_images[i]->Clear();
        m_images[i]->hide();
        m_boxes[i]->hide();
        m_boxes[i]->setChecked(false);
        m_lines[i]->hide();
    }
    ui->LevelTitle->hide();
    const bool radio = questionType == 1 || questionType == 3;
    m_group->setExclusive(radio);
    for (TOptionBox* box : m_boxes)
        box->SetRadioMode(radio);

    const int width = ui->PanScall->viewport()->width();
    ui->LBTitle->setText(QStringLiteral("%1，(%2)%3(%4分)")
                             .arg(QString::number(selectedIndex() + 1), row.AsString(QStringLiteral("F_QUESTION_ID")),
                                  row.AsString(QStringLiteral("F_QUESTION_TITLE")), row.AsString(QStringLiteral("F_SCORE"))));
    ui->LBTitle->setGeometry(0, 5, width, qMax(20, ui->LBTitle->heightForWidth(width)));

    QStringList options, pictures;
    TDm::SplitText(row.AsString(QStringLiteral("F_OPTION")), QStringLiteral("|"), options);
    TDm::SplitText(row.AsString(QStringLiteral("F_OPTION_IMG")), QStringLiteral("|"), pictures);
    const int shown = options.size() >= 2 ? qMin(6, int(options.size())) : 0;

    // Every picture of the question is fetched at once; the page is laid out
    // when all have arrived or failed.
    const QString titlePicture = row.AsString(QStringLiteral("F_QUESTION_TIMG"));
    QVector<TPictureLoad> loads;
    if (!titlePicture.isEmpty())
        loads << TPictureLoad{ui->ImgTitle, titlePicture, PictureKindOf(titlePicture), false};
    std::array<int, 6> loadIndex{-1, -1, -1, -1, -1, -1};
    for (int i = 0; i < shown; ++i) {
        if (i < pictures.size() && !pictures.at(i).isEmpty()) {
            loadIndex[i] = int(loads.size());
            loads << TPictureLoad{m_images[i], pictures.at(i), PictureKindOf(pictures.at(i)), false};
        }
    }
    LoadPictures(Dm->FileBaseURL, loads);

    ui->ImgTitle->FitToPicture();
    QVector<int> heights(6, -1);
    for (int i = 0; i < shown; ++i) {
        if (loadIndex[i] >= 0) {
            m_images[i]->FitToPicture();
            heights[i] = m_images[i]->height();
        }
    }
    const ExamLogic::ChoiceLayout layout = ExamLogic::LayoutChoice(!titlePicture.isEmpty(), ui->ImgTitle->height(), shown, heights);
    if (layout.TitlePictureTop >= 0) {
        ui->ImgTitle->move(0, layout.TitlePictureTop);
        ui->ImgTitle->show();
    }
    ui->LevelTitle->setGeometry(0, layout.TitleLineTop, width, 3);
    ui->LevelTitle->show();
    ui->LevelTitle->raise();
    for (int i = 0; i < layout.BoxCount; ++i) {
        m_boxes[i]->setGeometry(0, layout.BoxTop[i], 838, 40);
        m_boxes[i]->setText(ExamLogic::OptionCaption(questionType, i, options.at(i)));
        m_boxes[i]->show();
        if (layout.PictureTop[i] >= 0) {
            m_images[i]->move(0, layout.PictureTop[i]);
            m_images[i]->show();
            m_lines[i]->setGeometry(0, layout.LineTop[i], width, 3);
            m_lines[i]->show();
        }
    }
    ui->PanScallContent->resize(width, qMax(layout.Bottom, ui->LBTitle->geometry().bottom()) + 10);

    const QString previous = row.AsString(QStringLiteral("F_USER_ANSWER"));
    for (int i = 0; i < 6; ++i) {
        if (previous.contains(QLatin1Char(char('A' + i))))
            m_boxes[i]->setChecked(true);
    }
    RefreshFlagButtons(row);
}

void TFrmExam::ShowOfficeQuestion(TQuery& row)
{
    ui->PGMain->setCurrentIndex(1);
    const QString page = row.AsString(QStringLiteral("F_QUESTION_HTML"));
    if (!page.isEmpty()) {
        if (!wb1) {
            wb1 = new QWebEngineView(ui->Sheet1);
            wb1->setObjectName(QStringLiteral("wb1"));
            wb1->setContextMenuPolicy(Qt::NoContextMenu); // the task page offers no menu
            ui->Sheet1->layout()->addWidget(wb1);
        }
        wb1->setUrl(QUrl(RemoteUrl(Dm->FileBaseURL, page), QUrl::TolerantMode));
    }
    QStringList taskFiles, referenceFiles;
    const QString questionFile = row.AsString(QStringLiteral("F_QUESTION_FILE"));
    const QString answer = row.AsString(QStringLiteral("F_ANSWER"));
    TDm::SplitText(questionFile, QStringLiteral("|"), taskFiles);
    TDm::SplitText(answer, QStringLiteral("|"), referenceFiles);
    const int id = row.AsInteger(QStringLiteral("F_QUESTION_ID"));
    if (!questionFile.isEmpty()) {
        const QString candidate = UserAnswerFolder(id);
        const QString material = QuestionFileFolder(id);
        QDir().mkpath(candidate);
        QDir().mkpath(material);
        for (const QString& entry : std::as_const(taskFiles)) {
            const QString file = UrlFileName(entry);
            if (IsSafeLocalName(file) && QFileInfo::exists(QDir(candidate).filePath(file)))
                continue; // the candidate's work survives later visits
            QString local;
            Dm->DownloadFile(entry, candidate, &local, material);
        }
    }
    if (!answer.isEmpty()) {
        const QString reference = StandardAnswerFolder(id);
        QDir().mkpath(reference);
        for (const QString& entry : std::as_const(referenceFiles)) {
            QString local;
            Dm->DownloadFile(entry, reference, &local, QString());
        }
    }
    RefreshFlagButtons(row);
}

void TFrmExam::RefreshFlagButtons(TQuery& row)
{
    ui->BtnMark->setText(row.AsString(QStringLiteral("F_MARK_STATUS")) == QLatin1String("1") ? QStringLiteral("已标记")
                                                                                             : QStringLiteral("标记"));
    ui->BtnCollect->setText(QStringLiteral("收藏"));
    Collected = false;
    TQuery collect;
    if (Dm->OpenQuery(collect, Build(CollectTest, {{u"SubjectID", Dm->SubjectID},
                                                   {u"QuestionID", row.AsInteger(QStringLiteral("F_QUESTION_ID"))},
                                                   {u"UserID", Dm->UserID}}))
        && collect.RecordCount() >= 1) {
        ui->BtnCollect->setText(QStringLiteral("已收藏"));
        Collected = true;
    }
}

void TFrmExam::JudgeAndSaveAnswer()
{
    if (ui->Lv1->count() == 0 || selectedIndex() < 0)
        return;
    if (CurQuestionType == 4) {
        // An Office question is not judged, but its mark is kept with its row.
        if (CurMarkStatus == m_loadedMarkStatus)
            return;
        TQuery q;
        if (Dm->ExecQuery(q, Build(UpdateMark, {{u"Mark", CurMarkStatus}, {u"AnswerID", CurAnswerID}}))) {
            m_loadedMarkStatus = CurMarkStatus;
        } else {
            TBsDlg::Warning(this, kInfoTitle, QStringLiteral("答案保存失败，请检查网络连接！"));
            if (CurItemIndex >= 0 && CurItemIndex < MarkStatusList.size())
                MarkStatusList[CurItemIndex] = QString::number(m_loadedMarkStatus);
        }
        return;
    }
    if (CurQuestionType < 1 || CurQuestionType > 3)
        return;
    bool ticked[6];
    for (int i = 0; i < 6; ++i)
        ticked[i] = m_boxes[i]->isChecked();
    const QString answer = ExamLogic::UserAnswer(ticked);
    const double score = ExamLogic::Score(answer, CorrectAnswer, QuestionScore);
    if (answer != CorrectAnswer && ui->CKShowAnswer->isChecked() && !answer.isEmpty())
        TBsDlg::Information(this, QString(), QStringLiteral("答案错误，正确答案是") + ExamLogic::AnswerLetters(CorrectAnswer));
    const int status = answer.isEmpty() ? 0 : 1;
    TQuery q;
    if (!Dm->ExecQuery(q, Build(UpdateAnswer, {{u"Score", score}, {u"Status", status}, {u"Mark", CurMarkStatus},
                                               {u"Answer", answer}, {u"AnswerID", CurAnswerID}}))) {
        // The sheet keeps what the database holds; nothing pretends the answer was stored.
        TBsDlg::Warning(this, kInfoTitle, QStringLiteral("答案保存失败，请检查网络连接！"));
        return;
    }
    if (CurItemIndex >= 0 && CurItemIndex < AnswerStatusList.size())
        AnswerStatusList[CurItemIndex] = QString::number(status);
}

void TFrmExam::RefreshSheetIcons()
{
    const int selected = selectedIndex();
    for (int i = 0; i < ui->Lv1->count(); ++i) {
        const bool present = i < AnswerStatusList.size() && i < MarkStatusList.size();
        const int icon = ExamLogic::SheetIcon(AnswerStatusList.value(i), MarkStatusList.value(i), i == selected, present);
        setSheetIcon(ui->Lv1->item(i), icon);
    }
}

void TFrmExam::setNavigation(int index, int count)
{
    const bool first = index == 0;
    const bool last = index == count - 1;
    ui->BtnPre->setEnabled(!first);
    ui->BtnPreEX->setEnabled(!first);
    ui->BtnNext->setEnabled(!last);
    ui->BtnNextEx->setEnabled(!last);
}

void TFrmExam::Lv1SelectItem()
{
    const int index = selectedIndex();
    if (ui->Lv1->count() == 0 || index < 0)
        return;
    m_moving = true;
    setNavigation(index, ui->Lv1->count());
    JudgeAndSaveAnswer();
    LoadAnswerRow(ui->Lv1->item(index)->data(AnswerIdRole).toString().toInt());
    CurItemIndex = index;
    RefreshSheetIcons();
    m_moving = false;
}

void TFrmExam::BtnNextClick()
{
    // A held button repeats; a repetition that arrives while a move is still
    // under way (a message box is open) is dropped, never run inside it.
    if (m_moving)
        return;
    const int index = selectedIndex();
    if (ui->Lv1->count() == 0 || index < 0 || index >= ui->Lv1->count() - 1)
        return;
    ui->Lv1->setCurrentRow(index + 1);
}

void TFrmExam::BtnPreClick()
{
    if (m_moving)
        return;
    const int index = selectedIndex();
    if (ui->Lv1->count() == 0 || index <= 0)
        return;
    ui->Lv1->setCurrentRow(index - 1);
}

void TFrmExam::tmr1Timer()
{
    ui->LTime->setText(ExamLogic::ClockText(EndTime, Clock::Now()));
}

void TFrmExam::BtnMarkClick()
{
    const int i = selectedIndex();
    if (ui->Lv1->count() == 0 || i < 0 || i >= MarkStatusList.size())
        return;
    if (MarkStatusList.at(i) == QLatin1String("1")) {
        MarkStatusList[i] = QStringLiteral("0");
        ui->BtnMark->setText(QStringLiteral("标记"));
        TBsDlg::Information(this, kInfoTitle, QStringLiteral("取消标记成功！"));
        CurMarkStatus = 0;
    } else {
        MarkStatusList[i] = QStringLiteral("1");
        ui->BtnMark->setText(QStringLiteral("已标记"));
        TBsDlg::Information(this, kInfoTitle, QStringLiteral("标记成功！"));
        CurMarkStatus = 1;
    }
    RefreshSheetIcons();
}

void TFrmExam::BtnCollectClick()
{
    TQuery q;
    const SqlText::Slots triple = {{u"SubjectID", Dm->SubjectID}, {u"QuestionID", CurQuestionID}, {u"UserID", Dm->UserID}};
    if (!Collected) {
        if (Dm->ExecQuery(q, Build(CollectInsert, triple))) {
            TBsDlg::Information(this, kInfoTitle, QStringLiteral("收藏成功！"));
            ui->BtnCollect->setText(QStringLiteral("已收藏"));
            Collected = true;
        } else {
            TBsDlg::Warning(this, kInfoTitle, QStringLiteral("收藏失败！"));
        }
        return;
    }
    if (Dm->ExecQuery(q, Build(CollectDelete, triple))) {
        TBsDlg::Information(this, kInfoTitle, QStringLiteral("取消收藏成功！"));
        ui->BtnCollect->setText(QStringLiteral("收藏"));
        Collected = false;
    } else {
        TBsDlg::Warning(this, kInfoTitle, QStringLiteral("取消收藏失败！"));
    }
}

void TFrmExam::BtnCompleteClick()
{
    // Submission is not settled yet: the button has no effect.
}

std::function<void(const QString&)>& TFrmExam::FolderOpener()
{
    static std::function<void(const QString&)> opener = [](const QString& folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    return opener;
}

void TFrmExam::BtnJXClick()
{
    if (ui->Lv1->count() == 0 || selectedIndex() < 0)
        return;
    TFrmExplan explain(this);
    explain.QuestionID = CurQuestionID;
    explain.LoadExplanation();
    ShowModal(&explain);
}

void TFrmExam::BtnJCClick()
{
    TFrmCorrect report(this);
    report.QuestionID = CurQuestionID;
    ShowModal(&report);
}

void TFrmExam::openFolder(const QString& folder)
{
    FolderOpener()(folder);
}

void TFrmExam::BtnUserDirClick() { openFolder(UserAnswerFolder(CurQuestionID)); }
void TFrmExam::BtnMaterialDirClick() { openFolder(QuestionFileFolder(CurQuestionID)); }
void TFrmExam::BtnReAnswerClick() { openFolder(StandardAnswerFolder(CurQuestionID)); }

void TFrmExam::ImgClick(int index)
{
    TOptionBox* box = m_boxes.at(size_t(index));
    if (box->RadioMode())
        box->setChecked(true);
    else
        box->setChecked(!box->isChecked());
}

void TFrmExam::PanScallResize()
{
    const int width = ui->PanScall->viewport()->width();
    ui->LBTitle->resize(width, qMax(20, ui->LBTitle->heightForWidth(width)));
    ui->LevelTitle->resize(width, 3);
    for (QFrame* line : m_lines)
        line->resize(width, 3);
    ui->PanScallContent->resize(width, ui->PanScallContent->height());
}

bool TFrmExam::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->PanScall->viewport() || watched == ui->PanScall) {
        switch (event->type()) {
        case QEvent::Wheel: {
            // 8 pixels per wheel message, whatever its size.
            QScrollBar* bar = ui->PanScall->verticalScrollBar();
            const auto* wheel = static_cast<QWheelEvent*>(event);
            bar->setValue(bar->value() + (wheel->angleDelta().y() < 0 ? 8 : -8));
            return true;
        }
        case QEvent::Enter:
            ui->PanScall->setFocus();
            break;
        case QEvent::Resize:
            if (watched == ui->PanScall->viewport())
                PanScallResize();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmExam::done(int result)
{
    // Closing stores the question on screen as leaving it would.
    if (!m_closing) {
        m_closing = true;
        JudgeAndSaveAnswer();
        tmr1->stop();
    }
    QDialog::done(result);
}
