// The exam window through its handlers, on a small bank and the loopback file
// server: exam creation, the sheet, choice questions, judging, navigation,
// marks, favourites and closing.

#include "Clock.h"
#include "exam/ExamWidgets.h"
#include "FileServer.h"
#include "RemoteFiles.h"
#include "TestSupport.h"
#include "exam/UnExam.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QScreen>
#include <QTimer>

namespace {

const QStringList kBank = {
    QStringLiteral("INSERT INTO T_USER (F_USER_ID,F_USER_NAME,F_PASSWORD,F_TEL_NO) VALUES (7,'139','pw','139')"),
    QStringLiteral("INSERT INTO T_DICT_SUBJECT VALUES (11,'一级MS',1,1)"),
    QStringLiteral("INSERT INTO T_PAPER VALUES (5,11,1,1,'专题一',20,12,90),(6,11,1,2,'单题',2,1,1500),(7,11,2,1,'模拟',100,60,30)"),
    QStringLiteral("INSERT INTO T_QUESTION (F_QUESTION_ID,F_QUESTION_TYPE_ID,F_QUESTION_TITLE,F_SCORE,F_OPTION,F_OPTION_IMG,F_ANSWER) VALUES "
                   "(301,1,'单选题',2,'甲|乙|丙|丁','','B'),"
                   "(302,2,'多选题',1.5,'a|b|c|d|e|f|g','','A|C'),"
                   "(303,3,'判断题',2,'对|错','','A'),"
                   "(304,1,'空答案',3,'x#&#y|z','','')"),
    QStringLiteral("INSERT INTO T_PAPER_QUESTION VALUES (5,301,1),(5,302,2),(5,303,3),(5,304,4),(6,301,1),(7,303,1),(7,301,2)"),
};

} // namespace

class TestExam : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startExamFillsSheetAndCaption();
    void startExamIconsFromStoredStatus();
    void startExamWithoutExamRow();
    void startExamFailedProcedure();
    void headerCountsReturnedRows();
    void navigationEnabledStates();
    void movesStoreExactUpdates();
    void skippingStoresOnlyTheQuestionLeft();
    void wrongAnswerBox();
    void emptyCorrectAnswerScoresFull();
    void choiceDisplay();
    void picturesPlaced();
    void pictureClicksActLikeBoxes();
    void wheelAndResize();
    void marks();
    void favourites();
    void favouriteFailures();
    void closingStoresQuestionOnScreen();
    void failedUpdateWarnsAndKeepsIcon();
    void clockRunsFromStart();
    void holdingNextOnSlowServer();
    void sheetIconsCrispAndDistinct();
    void activationFillsTheWorkArea();

private:
    std::unique_ptr<TFrmExam> open(int paper);
    QListWidget* sheet(TFrmExam* w) { return get<QListWidget>(w, "Lv1"); }
    QVector<int> icons(TFrmExam* w);
    QStringList updates() const;

    std::unique_ptr<TBankFixture> m_bank;
    std::unique_ptr<TBoxRecorder> m_boxes;
    std::unique_ptr<TFileServer> m_server;
};

void TestExam::init()
{
    m_bank = std::make_unique<TBankFixture>(kBank);
    m_boxes = std::make_unique<TBoxRecorder>();
    m_server = std::make_unique<TFileServer>();
    Dm->UserID = 7;
    Dm->SubjectID = 11;
    Dm->SubjectName = QStringLiteral("一级MS");
    Dm->FileBaseURL = m_server->BaseUrl();
    Http::SetTransferTimeout(3000);
    Clock::Set(QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)));
}

void TestExam::cleanup()
{
    Clock::Set(QDateTime());
    m_server.reset();
    m_boxes.reset();
    m_bank.reset();
}

std::unique_ptr<TFrmExam> TestExam::open(int paper)
{
    auto w = std::make_unique<TFrmExam>();
    w->PaperID = paper;
    w->StartExam();
    return w;
}

QVector<int> TestExam::icons(TFrmExam* w)
{
    QVector<int> out;
    for (int i = 0; i < sheet(w)->count(); ++i)
        out << sheet(w)->item(i)->data(TFrmExam::IconRole).toInt();
    return out;
}

QStringList TestExam::updates() const
{
    QStringList out;
    for (const QString& s : m_bank->Statements) {
        if (s.startsWith(QLatin1String("UPDATE")))
            out << s;
    }
    return out;
}

void TestExam::startExamFillsSheetAndCaption()
{
    auto w = open(5);
    QListWidget* lv = sheet(w.get());
    QCOMPARE(lv->count(), 4);
    QStringList captions, ids;
    for (int i = 0; i < lv->count(); ++i) {
        captions << lv->item(i)->text();
        ids << lv->item(i)->data(TFrmExam::AnswerIdRole).toString();
    }
    QCOMPARE(captions, (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(ids, (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(w->windowTitle(), QStringLiteral("一级MS--试卷：专题一   总分：20分   通过分：12分   试题数量：4题   时长:90分钟"));
    QCOMPARE(icons(w.get()), (QVector<int>{2, 0, 0, 0}));
    QCOMPARE(w->CurQuestionID, 301);
    QCOMPARE(w->ExamMinutes, 90);
    QCOMPARE(w->EndTime, Clock::Now().addSecs(90 * 60));
    QVERIFY(w->tmr1->isActive());
    QCOMPARE(w->AnswerStatusList, (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(w->JudgeFlagList.size(), 4);
    QCOMPARE(w->CompleteFlagList.size(), 4);
    QCOMPARE(m_bank->Statements.first(), QStringLiteral("EXEC P_CREATE_EXAM 5,7"));
    QCOMPARE(get<QLabel>(w.get(), "LTime")->text(), QStringLiteral("0:00:00"));
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestExam::startExamIconsFromStoredStatus()
{
    m_bank->OnStatement = [this](const QString& sql) {
        if (sql.contains(QLatin1String("ISNULL(F_ANSWER_STATUS,0)"))) {
            m_bank->Exec(QStringLiteral("UPDATE T_EXAM_ANSWER SET F_ANSWER_STATUS=1,F_MARK_STATUS=1 WHERE F_ANSWER_ID=2"));
            m_bank->Exec(QStringLiteral("UPDATE T_EXAM_ANSWER SET F_ANSWER_STATUS=1 WHERE F_ANSWER_ID=3"));
            m_bank->Exec(QStringLiteral("UPDATE T_EXAM_ANSWER SET F_MARK_STATUS=1 WHERE F_ANSWER_ID=4"));
        }
    };
    auto w = open(5);
    QCOMPARE(icons(w.get()), (QVector<int>{2, 4, 1, 3}));
    QCOMPARE(w->MarkStatusList, (QStringList{"0", "1", "0", "1"}));
    sheet(w.get())->setCurrentRow(1);
    QCOMPARE(icons(w.get()), (QVector<int>{0, 5, 1, 3}));
    QCOMPARE(get<QPushButton>(w.get(), "BtnMark")->text(), QStringLiteral("已标记"));
}

void TestExam::startExamWithoutExamRow()
{
    // A paper the view lists but the procedure does not know: no exam row.
    m_bank->ChangeSchema({QStringLiteral("DROP VIEW V_SUBJECT_PAPER"),
                          QStringLiteral("CREATE VIEW V_SUBJECT_PAPER AS SELECT F_PAPER_ID,F_SUBJECT_ID,F_PAPER_TYPE_ID,F_PAPER_INDEX,"
                                         "F_PAPER_NAME,0 AS F_QUESTION_COUNT,F_PAPER_SCORE,F_PASS_SCORE,F_EXAM_TIME FROM T_PAPER "
                                         "UNION ALL SELECT 77,11,1,9,'幽灵试卷',0,10,6,20")});
    auto w = open(77);
    QCOMPARE(w->ExamID, 0);
    QCOMPARE(sheet(w.get())->count(), 0);
    QVERIFY(m_bank->Statements.contains(QStringLiteral(
        "SELECT F_ANSWER_ID,ISNULL(F_ANSWER_STATUS,0) AS F_ANSWER_STATUS, ISNULL(F_MARK_STATUS,0) AS F_MARK_STATUS,ISNULL(F_JUGE_FLAG,0) AS "
        "F_JUGE_FLAG,ISNULL(F_COMPLETE_FLAG,0) AS F_COMPLETE_FLAG  FROM V_EXAM_ANSWER WHERE F_EXAM_ID=0")));
    QCOMPARE(w->windowTitle(), QStringLiteral("一级MS--试卷：幽灵试卷   总分：10分   通过分：6分   试题数量：0题   时长:20分钟"));
    QVERIFY(w->tmr1->isActive());
}

void TestExam::startExamFailedProcedure()
{
    m_bank->FailWhenContains = QStringLiteral("P_CREATE_EXAM");
    auto w = open(5);
    QCOMPARE(sheet(w.get())->count(), 0);
    QCOMPARE(w->windowTitle(), QString());
    QVERIFY(!w->tmr1->isActive());
    QCOMPARE(m_bank->Statements.size(), 1);
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestExam::headerCountsReturnedRows()
{
    m_bank->OnStatement = [this](const QString& sql) {
        if (sql.contains(QLatin1String("ISNULL(F_ANSWER_STATUS,0)")))
            m_bank->Exec(QStringLiteral("DELETE FROM T_EXAM_ANSWER WHERE F_ANSWER_ID=4"));
    };
    auto w = open(5);
    QCOMPARE(sheet(w.get())->count(), 3);
    QVERIFY(w->windowTitle().contains(QStringLiteral("试题数量：3题")));
}

void TestExam::navigationEnabledStates()
{
    auto w = open(5);
    auto enabled = [&] {
        return QString::fromLatin1("%1%2%3%4")
            .arg(int(get<QPushButton>(w.get(), "BtnPre")->isEnabled()))
            .arg(int(get<QPushButton>(w.get(), "BtnPreEX")->isEnabled()))
            .arg(int(get<QPushButton>(w.get(), "BtnNext")->isEnabled()))
            .arg(int(get<QPushButton>(w.get(), "BtnNextEx")->isEnabled()));
    };
    QCOMPARE(enabled(), QStringLiteral("0011"));
    w->BtnNextClick();
    QCOMPARE(enabled(), QStringLiteral("1111"));
    QCOMPARE(sheet(w.get())->currentRow(), 1);
    sheet(w.get())->setCurrentRow(3);
    QCOMPARE(enabled(), QStringLiteral("1100"));
    w->BtnNextClick(); // at the end: nothing
    QCOMPARE(sheet(w.get())->currentRow(), 3);
    w->BtnPreClick();
    QCOMPARE(sheet(w.get())->currentRow(), 2);
    get<QPushButton>(w.get(), "BtnPreEX")->click();
    QCOMPARE(sheet(w.get())->currentRow(), 1);
    QCOMPARE(w->CurItemIndex, 1);

    auto single = open(6);
    QCOMPARE(sheet(single.get())->count(), 1);
    QCOMPARE(QString::fromLatin1("%1%2%3%4")
                 .arg(int(get<QPushButton>(single.get(), "BtnPre")->isEnabled()))
                 .arg(int(get<QPushButton>(single.get(), "BtnPreEX")->isEnabled()))
                 .arg(int(get<QPushButton>(single.get(), "BtnNext")->isEnabled()))
                 .arg(int(get<QPushButton>(single.get(), "BtnNextEx")->isEnabled())),
             QStringLiteral("0000"));
}

void TestExam::movesStoreExactUpdates()
{
    auto w = open(5);
    m_bank->Statements.clear();
    get<TOptionBox>(w.get(), "CKB")->click(); // right
    w->BtnNextClick();
    get<TOptionBox>(w.get(), "CKA")->click();
    get<TOptionBox>(w.get(), "CKC")->click(); // right: A|C of 1.5 points
    get<QPushButton>(w.get(), "BtnNextEx")->click();
    get<TOptionBox>(w.get(), "CKB")->click(); // wrong
    w->BtnPreClick();
    QCOMPARE(updates(), (QStringList{
        "UPDATE T_EXAM_ANSWER SET F_USER_SCORE=2,F_ANSWER_STATUS=1,F_MARK_STATUS=0,F_USER_ANSWER='B' WHERE F_ANSWER_ID=1",
        "UPDATE T_EXAM_ANSWER SET F_USER_SCORE=1.5,F_ANSWER_STATUS=1,F_MARK_STATUS=0,F_USER_ANSWER='A|C' WHERE F_ANSWER_ID=2",
        "UPDATE T_EXAM_ANSWER SET F_USER_SCORE=0,F_ANSWER_STATUS=1,F_MARK_STATUS=0,F_USER_ANSWER='B' WHERE F_ANSWER_ID=3",
    }));
    // Per move: the update, the answer row and the favourite test, nothing more.
    QCOMPARE(m_bank->Statements.size(), 9);
    QCOMPARE(icons(w.get()), (QVector<int>{1, 2, 1, 0}));
    // The stored answer is ticked again when the question comes back.
    QVERIFY(get<TOptionBox>(w.get(), "CKA")->isChecked());
    QVERIFY(get<TOptionBox>(w.get(), "CKC")->isChecked());
    QVERIFY(!get<TOptionBox>(w.get(), "CKB")->isChecked());
    QCOMPARE(m_bank->Rows(QStringLiteral("SELECT F_USER_SCORE,F_ANSWER_STATUS,F_USER_ANSWER FROM T_EXAM_ANSWER ORDER BY F_ANSWER_ID")),
             (QVector<QStringList>{{"2", "1", "B"}, {"1.5", "1", "A|C"}, {"0", "1", "B"}, {"NULL", "NULL", "NULL"}}));
}

void TestExam::skippingStoresOnlyTheQuestionLeft()
{
    auto w = open(5);
    m_bank->Statements.clear();
    sheet(w.get())->setCurrentRow(3);
    QCOMPARE(updates(), (QStringList{"UPDATE T_EXAM_ANSWER SET F_USER_SCORE=0,F_ANSWER_STATUS=0,F_MARK_STATUS=0,F_USER_ANSWER='' WHERE F_ANSWER_ID=1"}));
    QCOMPARE(w->CurQuestionID, 304);
}

void TestExam::wrongAnswerBox()
{
    auto w = open(5);
    w->BtnNextClick();
    get<TOptionBox>(w.get(), "CKA")->click();
    get<QCheckBox>(w.get(), "CKShowAnswer")->setChecked(true);
    w->BtnNextClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QString(), QStringLiteral("答案错误，正确答案是AC"), TBsDlg::Icon::Information}}));
    // Nothing ticked: no box even with the hint on.
    w->BtnNextClick();
    QVERIFY(m_boxes->Take().isEmpty());
    // With the hint off a wrong answer is stored silently.
    get<QCheckBox>(w.get(), "CKShowAnswer")->setChecked(false);
    sheet(w.get())->setCurrentRow(0);
    get<TOptionBox>(w.get(), "CKA")->click();
    w->BtnNextClick();
    QVERIFY(m_boxes->Take().isEmpty());
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT F_USER_ANSWER FROM T_EXAM_ANSWER WHERE F_ANSWER_ID=1")), QStringLiteral("A"));
}

void TestExam::emptyCorrectAnswerScoresFull()
{
    auto w = open(5);
    sheet(w.get())->setCurrentRow(3);
    m_bank->Statements.clear();
    w->BtnPreClick();
    QCOMPARE(updates().value(0), QStringLiteral("UPDATE T_EXAM_ANSWER SET F_USER_SCORE=3,F_ANSWER_STATUS=0,F_MARK_STATUS=0,F_USER_ANSWER='' WHERE F_ANSWER_ID=4"));
}

void TestExam::choiceDisplay()
{
    auto w = open(5);
    // Single choice: radio mode, one ticked at most, a ticked box stays ticked.
    auto* a = get<TOptionBox>(w.get(), "CKA");
    auto* b = get<TOptionBox>(w.get(), "CKB");
    QVERIFY(a->RadioMode());
    QCOMPARE(a->text(), QStringLiteral("A.甲"));
    QCOMPARE(get<QLabel>(w.get(), "LBTitle")->text(), QStringLiteral("1，(301)单选题(2分)"));
    a->click();
    b->click();
    QVERIFY(!a->isChecked() && b->isChecked());
    b->click();
    QVERIFY(b->isChecked());
    QVERIFY(get<TOptionBox>(w.get(), "CKD")->isVisible() || !w->isVisible());
    QVERIFY(!get<TOptionBox>(w.get(), "CKE")->isVisibleTo(w.get()));
    QCOMPARE(get<TOptionBox>(w.get(), "CKD")->y(), 180);

    // Multiple choice: check mode, seven options show six.
    w->BtnNextClick();
    QVERIFY(!a->RadioMode());
    a->click();
    get<TOptionBox>(w.get(), "CKC")->click();
    QVERIFY(a->isChecked() && get<TOptionBox>(w.get(), "CKC")->isChecked());
    a->click();
    QVERIFY(!a->isChecked());
    QVERIFY(get<TOptionBox>(w.get(), "CKF")->isVisibleTo(w.get()));
    QCOMPARE(get<TOptionBox>(w.get(), "CKF")->text(), QStringLiteral("F.f"));
    QCOMPARE(get<TOptionBox>(w.get(), "CKF")->y(), 310);
    QCOMPARE(get<QLabel>(w.get(), "LBTitle")->text(), QStringLiteral("2，(302)多选题(1.5分)"));

    // Judgement: bare captions, two boxes.
    w->BtnNextClick();
    QCOMPARE(a->text(), QStringLiteral("对"));
    QCOMPARE(b->text(), QStringLiteral("错"));
    QVERIFY(a->RadioMode());
    QVERIFY(!get<TOptionBox>(w.get(), "CKC")->isVisibleTo(w.get()));

    // "#&#" shows as "|".
    w->BtnNextClick();
    QCOMPARE(a->text(), QStringLiteral("A.x|y"));
    QCOMPARE(get<QTabWidget>(w.get(), "PGMain")->currentIndex(), 0);
    QVERIFY(!get<QPushButton>(w.get(), "BtnUserDir")->isVisibleTo(w.get()));
}

void TestExam::picturesPlaced()
{
    m_server->Put(QStringLiteral("t.png"), TestPicture("PNG", 50, 100));
    m_server->Put(QStringLiteral("a.PNG"), TestPicture("PNG", 40, 60));
    m_server->Put(QStringLiteral("bad.jpg"), "not a jpeg");
    m_bank->Exec(QStringLiteral("UPDATE T_QUESTION SET F_QUESTION_TIMG='t.png', F_OPTION_IMG='a.PNG|bad.jpg|x.gif' WHERE F_QUESTION_ID=301"));
    m_bank->Exec(QStringLiteral("UPDATE T_QUESTION SET F_OPTION_IMG='|a.PNG' WHERE F_QUESTION_ID=303"));
    auto w = open(5);
    QCOMPARE(get<TImage>(w.get(), "ImgTitle")->y(), 45);
    QCOMPARE(get<TImage>(w.get(), "ImgTitle")->height(), 100);
    QCOMPARE(get<QFrame>(w.get(), "LevelTitle")->y(), 147);
    QCOMPARE(get<TOptionBox>(w.get(), "CKA")->y(), 155);
    QCOMPARE(get<TImage>(w.get(), "ImgA")->y(), 200);
    QCOMPARE(get<QFrame>(w.get(), "LevelA")->y(), 262);
    QCOMPARE(get<TOptionBox>(w.get(), "CKB")->y(), 270);
    // An undecodable picture and another ending: zero-height slots with their lines.
    QCOMPARE(get<TImage>(w.get(), "ImgB")->height(), 0);
    QCOMPARE(get<QFrame>(w.get(), "LevelB")->y(), 312);
    QCOMPARE(get<TOptionBox>(w.get(), "CKC")->y(), 320);
    QCOMPARE(get<TImage>(w.get(), "ImgC")->height(), 0);
    QCOMPARE(get<QFrame>(w.get(), "LevelC")->y(), 367);
    QCOMPARE(get<TOptionBox>(w.get(), "CKD")->y(), 375);
    QCOMPARE(m_server->Requests(QStringLiteral("x.gif")), 0);
    QCOMPARE(m_server->Requests(QStringLiteral("t.png")), 1);
    // Judgement with a picture under B only.
    sheet(w.get())->setCurrentRow(2);
    QVERIFY(!get<TImage>(w.get(), "ImgA")->isVisibleTo(w.get()));
    QVERIFY(!get<TImage>(w.get(), "ImgTitle")->isVisibleTo(w.get()));
    QCOMPARE(get<TImage>(w.get(), "ImgB")->y(), 135);
    QCOMPARE(get<TImage>(w.get(), "ImgB")->height(), 60);
}

void TestExam::pictureClicksActLikeBoxes()
{
    m_server->Put(QStringLiteral("p.png"), TestPicture("PNG", 30, 20));
    m_bank->Exec(QStringLiteral("UPDATE T_QUESTION SET F_OPTION_IMG='p.png|p.png|p.png' WHERE F_QUESTION_ID IN (301,302)"));
    auto w = open(5);
    auto* imgA = get<TImage>(w.get(), "ImgA");
    w->ImgClick(0);
    QVERIFY(get<TOptionBox>(w.get(), "CKA")->isChecked());
    emit imgA->clicked();
    QVERIFY(get<TOptionBox>(w.get(), "CKA")->isChecked()); // radio: stays ticked
    w->ImgClick(1);
    QVERIFY(!get<TOptionBox>(w.get(), "CKA")->isChecked());
    w->BtnNextClick();
    w->ImgClick(0);
    w->ImgClick(2);
    w->ImgClick(0);
    QVERIFY(!get<TOptionBox>(w.get(), "CKA")->isChecked());
    QVERIFY(get<TOptionBox>(w.get(), "CKC")->isChecked());
}

void TestExam::wheelAndResize()
{
    m_server->Put(QStringLiteral("tall.png"), TestPicture("PNG", 30, 2000));
    m_bank->Exec(QStringLiteral("UPDATE T_QUESTION SET F_QUESTION_TIMG='tall.png' WHERE F_QUESTION_ID=301"));
    auto w = open(5);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* scroll = get<QScrollArea>(w.get(), "PanScall");
    QScrollBar* bar = scroll->verticalScrollBar();
    QCOMPARE(bar->objectName(), QStringLiteral("DevScorbar"));
    bar->setValue(40);
    QWheelEvent down(QPointF(50, 50), scroll->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -360),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scroll->viewport(), &down);
    QCOMPARE(bar->value(), 48);
    QWheelEvent up(QPointF(50, 50), scroll->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 15),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scroll->viewport(), &up);
    QCOMPARE(bar->value(), 40);

    // The window opens on the whole work area; a narrower one narrows the title and lines only.
    const int before = get<QLabel>(w.get(), "LBTitle")->width();
    w->resize(w->width() - 150, w->height());
    QTRY_VERIFY(get<QLabel>(w.get(), "LBTitle")->width() < before);
    const int width = scroll->viewport()->width();
    QCOMPARE(get<QLabel>(w.get(), "LBTitle")->width(), width);
    QCOMPARE(get<QFrame>(w.get(), "LevelTitle")->width(), width);
    QCOMPARE(get<QFrame>(w.get(), "LevelC")->width(), width);
    QCOMPARE(get<TOptionBox>(w.get(), "CKA")->width(), 838);
    w->hide();
}

void TestExam::marks()
{
    auto w = open(5);
    w->BtnMarkClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("标记成功！"), TBsDlg::Icon::Information}}));
    QCOMPARE(get<QPushButton>(w.get(), "BtnMark")->text(), QStringLiteral("已标记"));
    QCOMPARE(icons(w.get()).first(), 5);
    w->BtnMarkClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("取消标记成功！"), TBsDlg::Icon::Information}}));
    QCOMPARE(icons(w.get()).first(), 2);
    QCOMPARE(get<QPushButton>(w.get(), "BtnMark")->text(), QStringLiteral("标记"));
    w->BtnMarkClick();
    m_bank->Statements.clear();
    w->BtnNextClick();
    QCOMPARE(updates().value(0), QStringLiteral("UPDATE T_EXAM_ANSWER SET F_USER_SCORE=0,F_ANSWER_STATUS=0,F_MARK_STATUS=1,F_USER_ANSWER='' WHERE F_ANSWER_ID=1"));
    QCOMPARE(icons(w.get()), (QVector<int>{3, 2, 0, 0}));
    // No selected item: the mark button does nothing.
    sheet(w.get())->clearSelection();
    m_boxes->Take();
    w->BtnMarkClick();
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestExam::favourites()
{
    auto w = open(5);
    QCOMPARE(get<QPushButton>(w.get(), "BtnCollect")->text(), QStringLiteral("收藏"));
    w->BtnCollectClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("收藏成功！"), TBsDlg::Icon::Information}}));
    QCOMPARE(get<QPushButton>(w.get(), "BtnCollect")->text(), QStringLiteral("已收藏"));
    QCOMPARE(m_bank->Rows(QStringLiteral("SELECT F_SUBJECT_ID,F_QUESTION_ID,F_USER_ID FROM T_USER_COLLECT")),
             (QVector<QStringList>{{"11", "301", "7"}}));
    w->reject();

    // Another paper of the subject shows the favourite; a second row from elsewhere goes with one click.
    auto other = open(7);
    sheet(other.get())->setCurrentRow(1);
    QCOMPARE(other->CurQuestionID, 301);
    QCOMPARE(get<QPushButton>(other.get(), "BtnCollect")->text(), QStringLiteral("已收藏"));
    m_bank->Exec(QStringLiteral("INSERT INTO T_USER_COLLECT (F_SUBJECT_ID,F_QUESTION_ID,F_USER_ID) VALUES (11,301,7)"));
    other->BtnCollectClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("取消收藏成功！"), TBsDlg::Icon::Information}}));
    QCOMPARE(get<QPushButton>(other.get(), "BtnCollect")->text(), QStringLiteral("收藏"));
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER_COLLECT")), QStringLiteral("0"));
    QVERIFY(!other->Collected);
}

void TestExam::favouriteFailures()
{
    auto w = open(5);
    m_bank->FailWhenContains = QStringLiteral("T_USER_COLLECT");
    w->BtnCollectClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("收藏失败！"), TBsDlg::Icon::Warning}}));
    QCOMPARE(get<QPushButton>(w.get(), "BtnCollect")->text(), QStringLiteral("收藏"));
    w->Collected = true;
    get<QPushButton>(w.get(), "BtnCollect")->setText(QStringLiteral("已收藏"));
    w->BtnCollectClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("取消收藏失败！"), TBsDlg::Icon::Warning}}));
    QCOMPARE(get<QPushButton>(w.get(), "BtnCollect")->text(), QStringLiteral("已收藏"));
    // The collect test failing shows "收藏".
    m_bank->FailWhenContains = QStringLiteral("SELECT F_COLLECT_ID");
    m_bank->Exec(QStringLiteral("INSERT INTO T_USER_COLLECT (F_SUBJECT_ID,F_QUESTION_ID,F_USER_ID) VALUES (11,302,7)"));
    w->BtnNextClick();
    QCOMPARE(get<QPushButton>(w.get(), "BtnCollect")->text(), QStringLiteral("收藏"));
}

void TestExam::closingStoresQuestionOnScreen()
{
    auto w = open(5);
    w->BtnNextClick();
    get<TOptionBox>(w.get(), "CKC")->click();
    w->BtnMarkClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("标记成功！"), TBsDlg::Icon::Information}}));
    m_bank->Statements.clear();
    w->reject();
    QCOMPARE(updates(), (QStringList{"UPDATE T_EXAM_ANSWER SET F_USER_SCORE=0,F_ANSWER_STATUS=1,F_MARK_STATUS=1,F_USER_ANSWER='C' WHERE F_ANSWER_ID=2"}));
    QVERIFY(!w->tmr1->isActive());
}

void TestExam::failedUpdateWarnsAndKeepsIcon()
{
    auto w = open(5);
    get<TOptionBox>(w.get(), "CKA")->click();
    m_bank->FailWhenContains = QStringLiteral("UPDATE T_EXAM_ANSWER");
    w->BtnNextClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("答案保存失败，请检查网络连接！"), TBsDlg::Icon::Warning}}));
    QCOMPARE(w->AnswerStatusList.first(), QStringLiteral("0"));
    QCOMPARE(icons(w.get()).first(), 0);
    QCOMPARE(w->CurQuestionID, 302);
    m_bank->FailWhenContains.clear();
    w->BtnPreClick();
    get<TOptionBox>(w.get(), "CKA")->click();
    w->BtnNextClick();
    QCOMPARE(icons(w.get()).first(), 1);
}

void TestExam::clockRunsFromStart()
{
    auto w = open(5);
    Clock::Advance(1000);
    w->tmr1Timer();
    QCOMPARE(get<QLabel>(w.get(), "LTime")->text(), QStringLiteral("01:29:59"));
    Clock::Advance((90 * 60 - 1) * 1000);
    w->tmr1Timer();
    QCOMPARE(get<QLabel>(w.get(), "LTime")->text(), QStringLiteral("00:00:00"));
    Clock::Advance(60 * 1000);
    w->tmr1Timer();
    QCOMPARE(get<QLabel>(w.get(), "LTime")->text(), QStringLiteral("00:01:00"));
    auto day = open(6);
    Clock::Advance(1000);
    day->tmr1Timer();
    QCOMPARE(get<QLabel>(day.get(), "LTime")->text(), QStringLiteral("00:59:59"));
}

void TestExam::holdingNextOnSlowServer()
{
    // Every question has a picture from a slow server; the held button repeats
    // every 100 ms, much faster than a question loads.
    m_server->Put(QStringLiteral("slow.png"), TestPicture("PNG", 20, 20));
    m_server->SetMode(QStringLiteral("slow.png"), TFileServer::Mode::Slow);
    m_server->SetSlowDelay(350);
    m_bank->Exec(QStringLiteral("UPDATE T_QUESTION SET F_QUESTION_TIMG='slow.png'"));
    auto w = open(5);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    m_bank->Statements.clear();
    auto* next = get<QPushButton>(w.get(), "BtnNext");
    QTest::mousePress(next, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(sheet(w.get())->currentRow(), 3, 10000);
    QTest::mouseRelease(next, Qt::LeftButton);
    QStringList rows;
    for (const QString& s : std::as_const(m_bank->Statements)) {
        if (s.startsWith(QLatin1String("UPDATE")))
            rows << QStringLiteral("U") + s.section(QLatin1Char('='), -1);
        else if (s.startsWith(QLatin1String("SELECT * FROM V_EXAM_ANSWER")))
            rows << QStringLiteral("L") + s.section(QLatin1Char('='), -1);
    }
    // One question judged, stored and loaded per step, in order, none twice.
    QCOMPARE(rows, (QStringList{"U1", "L2", "U2", "L3", "U3", "L4"}));
    QCOMPARE(m_server->Requests(QStringLiteral("slow.png")), 4);
    w->hide();
}

void TestExam::sheetIconsCrispAndDistinct()
{
    QSet<QByteArray> seen;
    for (int i = 0; i < 6; ++i) {
        const QIcon icon = SheetIcons::Icon(i);
        QVERIFY(icon.availableSizes().contains(QSize(24, 24)));
        // Drawn for high-density screens too, not scaled up from 24 pixels.
        QCOMPARE(icon.pixmap(QSize(24, 24), 2.0).size(), QSize(48, 48));
        const QImage img = icon.pixmap(QSize(24, 24), 1.0).toImage();
        seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
    }
    QCOMPARE(seen.size(), 6);
}

void TestExam::activationFillsTheWorkArea()
{
    auto w = open(5);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->setGeometry(40, 40, 500, 400);
    QEvent activation(QEvent::ActivationChange);
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    QApplication::sendEvent(w.get(), &activation);
    QCOMPARE(w->geometry(), w->screen()->availableGeometry());
    w->hide();
}

QTEST_MAIN(TestExam)
#include "tst_exam.moc"
