// The explanation viewer and the error report, through their handlers, with a
// real short video from the loopback file server where the multimedia
// backend can play.

#include "FileServer.h"
#include "Modal.h"
#include "ProcessSetup.h"
#include "RemoteFiles.h"
#include "TestSupport.h"
#include "exam/UnExam.h"
#include "explain/MediaTime.h"
#include "explain/UnCorrect.h"
#include "explain/UnExplane.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

namespace {

QByteArray demoVideo()
{
    QFile f(QStringLiteral(DEMO_VIDEO));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList kBank = {
    QStringLiteral("INSERT INTO T_QUESTION (F_QUESTION_ID,F_QUESTION_TYPE_ID,F_QUESTION_TITLE,F_SCORE,F_ANSWER,F_PARSE_INFO,F_PARASE_MP4,F_PARSE_IMG) VALUES "
                   "(1,1,'t',2,'A|C','文字解析内容','',''),"
                   "(2,1,'t',2,'B','','v.mp4',''),"
                   "(3,1,'t',2,'B','','','p.JPG'),"
                   "(4,1,'t',2,'B','','','p.png'),"
                   "(5,1,'t',2,'B','','','p.gif'),"
                   "(6,1,'t',2,'D','全部','v.mp4','p.png')"),
    QStringLiteral("INSERT INTO T_DICT_CORRECT VALUES (1,'题目有误'),(2,'答案有误'),(3,'解析有误'),(4,'其他')"),
    QStringLiteral("INSERT INTO T_PAPER VALUES (5,11,1,1,'p',2,1,10)"),
    QStringLiteral("INSERT INTO T_PAPER_QUESTION VALUES (5,1,1)"),
};

} // namespace

class TestExplain : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formatMediaTime_data();
    void formatMediaTime();
    void loadExplanation_data();
    void loadExplanation();
    void noRowOrTwoRows();
    void playPauseCaptions();
    void withoutMediaLibraries();
    void seekArithmetic();
    void realVideoPlaysAndSeeks();
    void reportChecks();
    void reportStoresExactly_data();
    void reportStoresExactly();
    void reportFailureKeepsInputs();
    void examButtonsOpenTheWindows();

private:
    std::unique_ptr<TBankFixture> m_bank;
    std::unique_ptr<TBoxRecorder> m_boxes;
    std::unique_ptr<TFileServer> m_server;
};

void TestExplain::init()
{
    m_bank = std::make_unique<TBankFixture>(kBank);
    m_boxes = std::make_unique<TBoxRecorder>();
    m_server = std::make_unique<TFileServer>();
    m_server->Put(QStringLiteral("p.JPG"), TestPicture("JPG", 40, 30));
    m_server->Put(QStringLiteral("p.png"), TestPicture("PNG", 50, 20));
    m_server->Put(QStringLiteral("p.gif"), TestPicture("PNG", 5, 5));
    m_server->Put(QStringLiteral("v.mp4"), demoVideo());
    Dm->UserID = 3;
    Dm->FileBaseURL = m_server->BaseUrl();
    Http::SetTransferTimeout(3000);
    TFrmExplan::LibrariesAvailable() = true;
}

void TestExplain::cleanup()
{
    SetModalHandler({});
    m_server.reset();
    m_boxes.reset();
    m_bank.reset();
}

void TestExplain::formatMediaTime_data()
{
    QTest::addColumn<qint64>("t");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "00:00:00.005";
    QTest::newRow("61 s") << qint64(61000000) << "00:01:01.005";
    QTest::newRow("just under an hour") << qint64(3599996000) << "01:00:00.001";
    QTest::newRow("no time") << NoMediaTime << "N/A";
    QTest::newRow("ten hours") << qint64(36000000000) << "10:00:00.005";
    QTest::newRow("-5 ms") << qint64(-5000) << "00:00:00.000";
    QTest::newRow("-1 s") << qint64(-1000000) << "00:00:00.-995";
    QTest::newRow("-61 s") << qint64(-61000000) << "00:-01:00.-995";
}

void TestExplain::formatMediaTime()
{
    QFETCH(qint64, t);
    QFETCH(QString, text);
    QCOMPARE(FormatMediaTime(t), text);
}

void TestExplain::loadExplanation_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("picture");
    QTest::newRow("text only") << 1 << "正确答案：A|C" << QStringList{"★文字解析"} << "文字解析内容" << QSize();
    QTest::newRow("video only") << 2 << "正确答案：B" << QStringList{"文字解析", "★视频解析"} << "" << QSize();
    QTest::newRow("JPG upper case") << 3 << "正确答案：B" << QStringList{"文字解析", "★图片解析"} << "" << QSize(40, 30);
    QTest::newRow("png") << 4 << "正确答案：B" << QStringList{"文字解析", "★图片解析"} << "" << QSize(50, 20);
    QTest::newRow("gif: marked and empty") << 5 << "正确答案：B" << QStringList{"文字解析", "★图片解析"} << "" << QSize();
    QTest::newRow("all three") << 6 << "正确答案：D" << QStringList{"★文字解析", "★视频解析", "★图片解析"} << "全部" << QSize(50, 20);
}

void TestExplain::loadExplanation()
{
    QFETCH(int, question);
    QFETCH(QString, answer);
    QFETCH(QStringList, tabs);
    QFETCH(QString, text);
    QFETCH(QSize, picture);
    TFrmExplan w;
    QCOMPARE(w.windowTitle(), QStringLiteral("查看解析"));
    w.QuestionID = question;
    w.LoadExplanation();
    QCOMPARE(get<QLabel>(&w, "LBAnswer")->text(), answer);
    auto* pages = get<QTabWidget>(&w, "PG1");
    QStringList shown;
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->isTabVisible(i))
            shown << pages->tabText(i);
    }
    QCOMPARE(shown, tabs);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(get<QPlainTextEdit>(&w, "MemoPrase")->toPlainText(), text);
    QCOMPARE(get<QLabel>(&w, "ImgPrase")->pixmap().isNull() ? QSize() : get<QLabel>(&w, "ImgPrase")->pixmap().size(), picture);
    const bool video = tabs.contains(QStringLiteral("★视频解析"));
    QCOMPARE(w.FFPlayer != nullptr, video);
    QCOMPARE(get<QPushButton>(&w, "BtnPlay")->isEnabled(), video);
    QCOMPARE(get<QSlider>(&w, "TrackBar")->isEnabled(), video);
    QCOMPARE(m_server->Requests(QStringLiteral("p.gif")), 0);
}

void TestExplain::noRowOrTwoRows()
{
    TFrmExplan none;
    none.QuestionID = 99;
    none.LoadExplanation();
    QCOMPARE(get<QLabel>(&none, "LBAnswer")->text(), QStringLiteral("正确答案："));
    QVERIFY(get<QTabWidget>(&none, "PG1")->isTabVisible(1));
    QVERIFY(get<QTabWidget>(&none, "PG1")->isTabVisible(2));
    QVERIFY(!get<QPushButton>(&none, "BtnPlay")->isEnabled());

    m_bank->ChangeSchema({QStringLiteral("ALTER TABLE T_QUESTION RENAME TO T_QUESTION_BASE"),
                          QStringLiteral("CREATE VIEW T_QUESTION AS SELECT * FROM T_QUESTION_BASE UNION ALL SELECT * FROM T_QUESTION_BASE WHERE F_QUESTION_ID=1")});
    TFrmExplan two;
    two.QuestionID = 1;
    two.LoadExplanation();
    QCOMPARE(get<QLabel>(&two, "LBAnswer")->text(), QStringLiteral("正确答案："));
    QCOMPARE(get<QPlainTextEdit>(&two, "MemoPrase")->toPlainText(), QString());
}

void TestExplain::playPauseCaptions()
{
    TFrmExplan w;
    w.QuestionID = 2;
    w.LoadExplanation();
    auto* play = get<QPushButton>(&w, "BtnPlay");
    QCOMPARE(play->text(), QStringLiteral("播放"));
    QStringList captions;
    for (int i = 0; i < 3; ++i) {
        w.BtnPlayClick();
        captions << play->text();
    }
    QCOMPARE(captions, (QStringList{"暂停", "播放", "暂停"}));
    QVERIFY(w.Playing);
    // A click into the video panel acts like the button.
    QTest::mouseClick(get<QWidget>(&w, "PanMp4"), Qt::LeftButton);
    QCOMPARE(play->text(), QStringLiteral("播放"));
    QVERIFY(!w.Playing);
}

void TestExplain::withoutMediaLibraries()
{
    TFrmExplan::LibrariesAvailable() = false;
    TFrmExplan w;
    w.QuestionID = 2;
    w.LoadExplanation();
    QCOMPARE(get<QTabWidget>(&w, "PG1")->tabText(1), QStringLiteral("★视频解析"));
    QVERIFY(!get<QPushButton>(&w, "BtnPlay")->isEnabled());
    QVERIFY(!get<QSlider>(&w, "TrackBar")->isEnabled());
    QVERIFY(!w.FFPlayer);
    w.BtnPlayClick();
    QCOMPARE(get<QPushButton>(&w, "BtnPlay")->text(), QStringLiteral("播放"));
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestExplain::seekArithmetic()
{
    TFrmExplan w;
    w.QuestionID = 2;
    w.LoadExplanation();
    // The arithmetic alone: the real player's own reports are kept out.
    QVERIFY(w.FFPlayer);
    w.FFPlayer->disconnect(&w);
    auto* bar = get<QSlider>(&w, "TrackBar");
    bar->resize(400, 20);
    // The duration arrives; positions move the bar.
    w.FFPlayerFileOpen(8000000);
    QCOMPARE(get<QLabel>(&w, "LBAll")->text(), QStringLiteral("00:00:08.005"));
    w.FFPlayerPosition(2000000);
    QCOMPARE(bar->value(), 25);
    QCOMPARE(get<QLabel>(&w, "LBCur")->text(), QStringLiteral("00:00:02.005"));
    w.FFPlayerPosition(NoMediaTime);
    QCOMPARE(get<QLabel>(&w, "LBCur")->text(), QStringLiteral("N/A"));
    QCOMPARE(bar->value(), 25);
    // Releases left and right of the bar clamp to 0 and 100.
    w.TrackBarMouseDown();
    QVERIFY(w.WasPaused);
    w.TrackBarMouseUp(-30);
    QCOMPARE(bar->value(), 0);
    w.TrackBarMouseDown();
    w.TrackBarMouseUp(600);
    QCOMPARE(bar->value(), 100);
    w.TrackBarMouseDown();
    w.TrackBarMouseUp(100);
    QCOMPARE(bar->value(), 25);
    // With no length given the bar stays where it is.
    w.FFPlayerFileOpen(0);
    QCOMPARE(get<QLabel>(&w, "LBAll")->text(), QStringLiteral("00:00:00.005"));
    w.FFPlayerPosition(3000000);
    QCOMPARE(bar->value(), 25);
}

void TestExplain::realVideoPlaysAndSeeks()
{
    TFrmExplan w;
    w.QuestionID = 2;
    w.LoadExplanation();
    if (!w.FFPlayer)
        QSKIP("no multimedia backend on this machine: playback not checked");
    w.show();
    QTRY_VERIFY_WITH_TIMEOUT(w.Duration > 0 || w.FFPlayer->error() != QMediaPlayer::NoError, 15000);
    if (w.FFPlayer->error() != QMediaPlayer::NoError)
        QSKIP(qPrintable(QStringLiteral("the multimedia backend cannot play here: ") + w.FFPlayer->errorString()));
    QVERIFY(qAbs(w.Duration - 4000000) < 300000);
    QCOMPARE(get<QLabel>(&w, "LBAll")->text(), FormatMediaTime(w.Duration));
    QVERIFY(w.FFPlayer->playbackState() != QMediaPlayer::PlayingState); // opened paused
    w.BtnPlayClick();
    QTRY_COMPARE_WITH_TIMEOUT(w.FFPlayer->playbackState(), QMediaPlayer::PlayingState, 5000);
    // A click at 25 % of the bar while playing jumps there and keeps playing.
    auto* bar = get<QSlider>(&w, "TrackBar");
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() / 4, bar->height() / 2));
    QVERIFY(!w.WasPaused);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() / 4, bar->height() / 2));
    QCOMPARE(bar->value(), 25);
    QTRY_VERIFY_WITH_TIMEOUT(w.FFPlayer->position() >= 900, 5000);
    QCOMPARE(w.FFPlayer->playbackState(), QMediaPlayer::PlayingState);
    // While paused, a click moves the position and stays paused.
    w.BtnPlayClick();
    QTRY_COMPARE_WITH_TIMEOUT(w.FFPlayer->playbackState(), QMediaPlayer::PausedState, 5000);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, 5));
    QVERIFY(w.WasPaused);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() * 3 / 4, 5));
    QTRY_VERIFY_WITH_TIMEOUT(w.FFPlayer->position() >= 2900, 5000);
    QCOMPARE(w.FFPlayer->playbackState(), QMediaPlayer::PausedState);
    QVERIFY(get<QLabel>(&w, "LBCur")->text() != QStringLiteral("00:00:00"));
}

void TestExplain::reportChecks()
{
    TFrmCorrect w;
    QCOMPARE(w.windowTitle(), QStringLiteral("我要纠错"));
    QCOMPARE(w.size(), QSize(422, 389));
    const auto kinds = w.findChildren<QRadioButton*>();
    QCOMPARE(kinds.size(), 4);
    QVERIFY(std::none_of(kinds.cbegin(), kinds.cend(), [](QRadioButton* r) { return r->isChecked(); }));
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("纠错"), QStringLiteral("为了方便我们排查错误，请您选择错误类型或输入错误的详细信息，谢谢！"), TBsDlg::Icon::Information}}));
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER_CORRECT")), QStringLiteral("0"));
    QCOMPARE(w.result(), 0);
    // Picking one category, then another: one is chosen at most.
    kinds.at(0)->click();
    kinds.at(2)->click();
    QVERIFY(!kinds.at(0)->isChecked() && kinds.at(2)->isChecked());
    // Cancel stores nothing.
    w.BtnCancleClick();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER_CORRECT")), QStringLiteral("0"));
}

void TestExplain::reportStoresExactly_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("title");
    QTest::newRow("category only") << 1 << "" << "答案有误";
    QTest::newRow("text only") << -1 << "选项B描述不清" << "";
    QTest::newRow("apostrophe") << -1 << "it's wrong" << "";
    QTest::newRow("one blank") << -1 << " " << "";
    QTest::newRow("both") << 3 << "第二行\n第三行" << "其他";
}

void TestExplain::reportStoresExactly()
{
    QFETCH(int, kind);
    QFETCH(QString, info);
    QFETCH(QString, title);
    TFrmCorrect w;
    w.QuestionID = 12;
    if (kind >= 0)
        w.findChildren<QRadioButton*>().at(kind)->click();
    get<QPlainTextEdit>(&w, "MemoInfo")->setPlainText(info);
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("纠错"), QStringLiteral("您反馈的错误我们已经收到，我们将在2个工作日内进行处理，谢谢！"), TBsDlg::Icon::Information}}));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(m_bank->Rows(QStringLiteral("SELECT F_QUESTION_ID,F_CORRECT_TITLE,F_CORRECT_INFO,F_USER_ID FROM T_USER_CORRECT")),
             (QVector<QStringList>{{"12", title, info, "3"}}));
}

void TestExplain::reportFailureKeepsInputs()
{
    TFrmCorrect w;
    w.findChildren<QRadioButton*>().at(1)->click();
    get<QPlainTextEdit>(&w, "MemoInfo")->setPlainText(QStringLiteral("描述"));
    m_bank->FailWhenContains = QStringLiteral("T_USER_CORRECT");
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("纠错"), QStringLiteral("您反馈的错误提交错误，请您重新填写提交，谢谢！"), TBsDlg::Icon::Warning}}));
    QCOMPARE(w.result(), 0);
    QVERIFY(w.findChildren<QRadioButton*>().at(1)->isChecked());
    QCOMPARE(get<QPlainTextEdit>(&w, "MemoInfo")->toPlainText(), QStringLiteral("描述"));
    m_bank->FailWhenContains.clear();
    w.BtnSaveClick();
    QCOMPARE(m_boxes->Take().size(), 1);
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER_CORRECT")), QStringLiteral("1"));
}

void TestExplain::examButtonsOpenTheWindows()
{
    QStringList opened;
    SetModalHandler([&](QDialog* d) {
        if (auto* e = qobject_cast<TFrmExplan*>(d))
            opened << QStringLiteral("explain %1 %2").arg(e->QuestionID).arg(e->findChild<QLabel*>(QStringLiteral("LBAnswer"))->text());
        if (auto* c = qobject_cast<TFrmCorrect*>(d))
            opened << QStringLiteral("report %1").arg(c->QuestionID);
        return 0;
    });
    TFrmExam before; // no question ever loaded
    before.BtnJXClick();
    before.BtnJCClick();
    QCOMPARE(opened, QStringList{QStringLiteral("report 0")});
    TFrmExam exam;
    exam.PaperID = 5;
    exam.StartExam();
    exam.BtnJXClick();
    exam.BtnJCClick();
    QCOMPARE(opened, (QStringList{"report 0", "explain 1 正确答案：A|C", "report 1"}));
    exam.findChild<QListWidget*>(QStringLiteral("Lv1"))->clearSelection();
    exam.BtnJXClick();
    QCOMPARE(opened.size(), 3);
}

int main(int argc, char** argv)
{
    PrepareProcess();
    QApplication app(argc, argv);
    TestExplain test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_explain.moc"
