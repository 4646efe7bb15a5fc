// Office operation questions in the exam window: the task page, the candidate,
// material and reference folders, and the folder buttons, against the
// loopback file server.

#include "ProcessSetup.h"
#include "FileServer.h"
#include "ProgramFolder.h"
#include "RemoteFiles.h"
#include "TestSupport.h"
#include "exam/ExamWidgets.h"
#include "exam/UnExam.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>

namespace {

const QStringList kBank = {
    QStringLiteral("INSERT INTO T_PAPER VALUES (5,11,1,1,'Office 专题',40,24,45)"),
    QStringLiteral("INSERT INTO T_QUESTION (F_QUESTION_ID,F_QUESTION_TYPE_ID,F_QUESTION_TITLE,F_SCORE,F_OPTION,F_ANSWER,F_QUESTION_FILE,F_QUESTION_HTML) VALUES "
                   "(401,4,'Word 题',20,'','ref/a.docx|ref/b.xlsx','task/a.docx|task/sub/c.txt','pages/t1.html'),"
                   "(402,1,'单选',2,'x|y','A','',''),"
                   "(403,4,'同名文件',10,'','','one/same.txt|two/same.txt',''),"
                   "(404,4,'无素材',10,'','ref/a.docx','',''),"
                   "(405,4,'有坏文件',10,'','','task/missing.docx|task/a.docx','pages/t2.html')"),
    QStringLiteral("INSERT INTO T_PAPER_QUESTION VALUES (5,401,1),(5,402,2),(5,403,3),(5,404,4),(5,405,5)"),
};

} // namespace

class TestOffice : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstVisit();
    void secondVisitKeepsTheCandidatesWork();
    void deletedTaskFileFetchedAgain();
    void sameLastPartFirstWins();
    void noTaskFilesNoFolders();
    void failedTaskFileFetchedNextTime();
    void browserLoadsThePageWithoutMenu();
    void switchingQuestionKinds();
    void folderButtons();
    void markOfOfficeQuestionStored();

private:
    std::unique_ptr<TFrmExam> open();
    void select(TFrmExam* w, int row) { w->findChild<QListWidget*>(QStringLiteral("Lv1"))->setCurrentRow(row); }
    QPushButton* button(TFrmExam* w, const char* name) { return w->findChild<QPushButton*>(QString::fromLatin1(name)); }

    std::unique_ptr<TBankFixture> m_bank;
    std::unique_ptr<TBoxRecorder> m_boxes;
    std::unique_ptr<TFileServer> m_server;
};

void TestOffice::init()
{
    m_bank = std::make_unique<TBankFixture>(kBank);
    m_boxes = std::make_unique<TBoxRecorder>();
    m_server = std::make_unique<TFileServer>();
    m_server->Put(QStringLiteral("task/a.docx"), "TASK-A");
    m_server->Put(QStringLiteral("task/sub/c.txt"), "TASK-C");
    m_server->Put(QStringLiteral("ref/a.docx"), "REF-A");
    m_server->Put(QStringLiteral("ref/b.xlsx"), "REF-B");
    m_server->Put(QStringLiteral("one/same.txt"), "FIRST");
    m_server->Put(QStringLiteral("two/same.txt"), "SECOND");
    m_server->Put(QStringLiteral("pages/t1.html"), "<html><body><h1>任务一</h1><table><tr><td>1</td></tr></table></body></html>");
    m_server->Put(QStringLiteral("pages/t2.html"), "<html><body>任务二</body></html>");
    Dm->UserID = 1;
    Dm->SubjectID = 11;
    Dm->FileBaseURL = m_server->BaseUrl();
    Http::SetTransferTimeout(3000);
}

void TestOffice::cleanup()
{
    m_server.reset();
    m_boxes.reset();
    m_bank.reset();
}

std::unique_ptr<TFrmExam> TestOffice::open()
{
    auto w = std::make_unique<TFrmExam>();
    w->PaperID = 5;
    w->StartExam();
    return w;
}

void TestOffice::firstVisit()
{
    auto w = open();
    const QString candidate = TFrmExam::UserAnswerFolder(401);
    const QString material = TFrmExam::QuestionFileFolder(401);
    const QString reference = TFrmExam::StandardAnswerFolder(401);
    QCOMPARE(candidate, ProgramFolder() + QStringLiteral("QFiles/UserAnswer/401"));
    QCOMPARE(FilesIn(candidate), (QStringList{"a.docx", "c.txt"}));
    QCOMPARE(FilesIn(material), (QStringList{"a.docx", "c.txt"}));
    QCOMPARE(ReadBytes(material + QStringLiteral("/c.txt")), QByteArray("TASK-C"));
    QCOMPARE(FilesIn(reference), (QStringList{"a.docx", "b.xlsx"}));
    QCOMPARE(ReadBytes(reference + QStringLiteral("/a.docx")), QByteArray("REF-A"));
    QCOMPARE(m_server->Requests(QStringLiteral("task/a.docx")), 1);
    QCOMPARE(m_server->Requests(QStringLiteral("task/sub/c.txt")), 1);
    QCOMPARE(m_server->Requests(QStringLiteral("ref/a.docx")), 1);
    QCOMPARE(m_server->Requests(QStringLiteral("ref/b.xlsx")), 1);
    QCOMPARE(w->findChild<QTabWidget*>(QStringLiteral("PGMain"))->currentIndex(), 1);
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestOffice::secondVisitKeepsTheCandidatesWork()
{
    auto w = open();
    const QString candidate = TFrmExam::UserAnswerFolder(401);
    WriteBytes(candidate + QStringLiteral("/a.docx"), "EDITED");
    WriteBytes(TFrmExam::StandardAnswerFolder(401) + QStringLiteral("/a.docx"), "LOCAL-REF");
    m_server->Put(QStringLiteral("ref/a.docx"), "NEW-REF");
    select(w.get(), 1);
    select(w.get(), 0);
    auto again = open(); // a new exam of the same paper
    QCOMPARE(m_server->Requests(QStringLiteral("task/a.docx")), 1);
    QCOMPARE(m_server->Requests(QStringLiteral("task/sub/c.txt")), 1);
    QCOMPARE(m_server->Requests(QStringLiteral("ref/a.docx")), 3);
    QCOMPARE(m_server->Requests(QStringLiteral("ref/b.xlsx")), 3);
    QCOMPARE(ReadBytes(candidate + QStringLiteral("/a.docx")), QByteArray("EDITED"));
    QCOMPARE(ReadBytes(TFrmExam::QuestionFileFolder(401) + QStringLiteral("/a.docx")), QByteArray("TASK-A"));
    QCOMPARE(ReadBytes(TFrmExam::StandardAnswerFolder(401) + QStringLiteral("/a.docx")), QByteArray("LOCAL-REF"));
}

void TestOffice::deletedTaskFileFetchedAgain()
{
    auto w = open();
    QFile::remove(TFrmExam::UserAnswerFolder(401) + QStringLiteral("/a.docx"));
    WriteBytes(TFrmExam::QuestionFileFolder(401) + QStringLiteral("/a.docx"), "MATERIAL");
    m_server->Put(QStringLiteral("task/a.docx"), "TASK-A2");
    select(w.get(), 1);
    select(w.get(), 0);
    QCOMPARE(m_server->Requests(QStringLiteral("task/a.docx")), 2);
    QCOMPARE(ReadBytes(TFrmExam::UserAnswerFolder(401) + QStringLiteral("/a.docx")), QByteArray("TASK-A2"));
    QCOMPARE(ReadBytes(TFrmExam::QuestionFileFolder(401) + QStringLiteral("/a.docx")), QByteArray("MATERIAL"));
}

void TestOffice::sameLastPartFirstWins()
{
    auto w = open();
    select(w.get(), 2);
    QCOMPARE(FilesIn(TFrmExam::UserAnswerFolder(403)), QStringList{QStringLiteral("same.txt")});
    QCOMPARE(ReadBytes(TFrmExam::UserAnswerFolder(403) + QStringLiteral("/same.txt")), QByteArray("FIRST"));
    QCOMPARE(ReadBytes(TFrmExam::QuestionFileFolder(403) + QStringLiteral("/same.txt")), QByteArray("FIRST"));
    QCOMPARE(m_server->Requests(QStringLiteral("two/same.txt")), 0);
    QVERIFY(!QFileInfo::exists(TFrmExam::StandardAnswerFolder(403)));
}

void TestOffice::noTaskFilesNoFolders()
{
    auto w = open();
    select(w.get(), 3);
    QVERIFY(!QFileInfo::exists(TFrmExam::UserAnswerFolder(404)));
    QVERIFY(!QFileInfo::exists(TFrmExam::QuestionFileFolder(404)));
    QCOMPARE(FilesIn(TFrmExam::StandardAnswerFolder(404)), QStringList{QStringLiteral("a.docx")});
}

void TestOffice::failedTaskFileFetchedNextTime()
{
    auto w = open();
    select(w.get(), 4);
    QCOMPARE(FilesIn(TFrmExam::UserAnswerFolder(405)), QStringList{QStringLiteral("a.docx")});
    QCOMPARE(FilesIn(TFrmExam::QuestionFileFolder(405)), QStringList{QStringLiteral("a.docx")});
    QCOMPARE(m_server->Requests(QStringLiteral("task/missing.docx")), 1);
    m_server->Put(QStringLiteral("task/missing.docx"), "NOW-THERE");
    select(w.get(), 1);
    select(w.get(), 4);
    QCOMPARE(m_server->Requests(QStringLiteral("task/missing.docx")), 2);
    QCOMPARE(ReadBytes(TFrmExam::UserAnswerFolder(405) + QStringLiteral("/missing.docx")), QByteArray("NOW-THERE"));
}

void TestOffice::browserLoadsThePageWithoutMenu()
{
    auto w = std::make_unique<TFrmExam>();
    QVERIFY(!w->wb1); // nothing pays for the browser before an Office question
    w->PaperID = 5;
    m_bank->Exec(QStringLiteral("UPDATE T_PAPER_QUESTION SET F_QUESTION_INDEX=0 WHERE F_QUESTION_ID=402"));
    w->StartExam();
    QVERIFY(!w->wb1);
    select(w.get(), 1);
    QVERIFY(w->wb1);
    QCOMPARE(w->wb1->url(), QUrl(m_server->BaseUrl() + QStringLiteral("/pages/t1.html")));
    QCOMPARE(w->wb1->contextMenuPolicy(), Qt::NoContextMenu);
    w->show();
    QTRY_VERIFY_WITH_TIMEOUT(m_server->Requests(QStringLiteral("pages/t1.html")) >= 1, 20000);
    // A right-click into the page produces no menu; elsewhere in the window the policy is the default one.
    QWidget* inner = w->wb1->focusProxy() ? w->wb1->focusProxy() : w->wb1;
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(20, 20), inner->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(inner, &rightClick);
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(button(w.get(), "BtnMark")->contextMenuPolicy() == Qt::DefaultContextMenu);
    // An Office question without a page keeps the previous page.
    select(w.get(), 3);
    QCOMPARE(w->wb1->url(), QUrl(m_server->BaseUrl() + QStringLiteral("/pages/t1.html")));
    select(w.get(), 4);
    QCOMPARE(w->wb1->url(), QUrl(m_server->BaseUrl() + QStringLiteral("/pages/t2.html")));
    w->hide();
}

void TestOffice::switchingQuestionKinds()
{
    auto w = open();
    auto* pages = w->findChild<QTabWidget*>(QStringLiteral("PGMain"));
    auto visible = [&] {
        return QString::fromLatin1("%1%2%3")
            .arg(int(button(w.get(), "BtnUserDir")->isVisibleTo(w.get())))
            .arg(int(button(w.get(), "BtnMaterialDir")->isVisibleTo(w.get())))
            .arg(int(button(w.get(), "BtnReAnswer")->isVisibleTo(w.get())));
    };
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(visible(), QStringLiteral("111"));
    select(w.get(), 1);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(visible(), QStringLiteral("000"));
    QCOMPARE(w->findChild<TOptionBox*>(QStringLiteral("CKA"))->text(), QStringLiteral("A.x"));
    select(w.get(), 2);
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(visible(), QStringLiteral("111"));
    // Leaving an Office question judges nothing.
    m_bank->Statements.clear();
    select(w.get(), 1);
    QVERIFY(std::none_of(m_bank->Statements.cbegin(), m_bank->Statements.cend(),
                         [](const QString& s) { return s.startsWith(QLatin1String("UPDATE")); }));
}

void TestOffice::folderButtons()
{
    QStringList opened;
    auto saved = TFrmExam::FolderOpener();
    TFrmExam::FolderOpener() = [&](const QString& folder) { opened << folder; };
    auto w = open();
    button(w.get(), "BtnUserDir")->click();
    button(w.get(), "BtnMaterialDir")->click();
    button(w.get(), "BtnReAnswer")->click();
    TFrmExam::FolderOpener() = saved;
    QCOMPARE(opened, (QStringList{ProgramFolder() + QStringLiteral("QFiles/UserAnswer/401"),
                                  ProgramFolder() + QStringLiteral("QFiles/QuestionFile/401"),
                                  ProgramFolder() + QStringLiteral("QFiles/StanardAnswer/401")}));
    // A folder with blanks in its path becomes a proper file URL.
    const QUrl url = QUrl::fromLocalFile(QStringLiteral("/opt/my programs/QFiles/UserAnswer/401"));
    QCOMPARE(url.toLocalFile(), QStringLiteral("/opt/my programs/QFiles/UserAnswer/401"));
}

void TestOffice::markOfOfficeQuestionStored()
{
    auto w = open();
    w->BtnMarkClick();
    m_boxes->Take();
    m_bank->Statements.clear();
    select(w.get(), 1);
    QCOMPARE(m_bank->Statements.first(), QStringLiteral("UPDATE T_EXAM_ANSWER SET F_MARK_STATUS=1 WHERE F_ANSWER_ID=1"));
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT F_MARK_STATUS FROM T_EXAM_ANSWER WHERE F_ANSWER_ID=1")), QStringLiteral("1"));
    select(w.get(), 0);
    QCOMPARE(button(w.get(), "BtnMark")->text(), QStringLiteral("已标记"));
    // An unchanged mark is not written again.
    m_bank->Statements.clear();
    select(w.get(), 1);
    QVERIFY(!m_bank->Statements.first().contains(QLatin1String("F_MARK_STATUS=")));
}

int main(int argc, char** argv)
{
    PrepareProcess();
    QApplication app(argc, argv);
    TestOffice test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_office.moc"
