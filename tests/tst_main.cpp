// The main window, the subject window and the banner strip through their
// handlers, on a small bank in a temporary program folder.

#include "Gbk.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "Settings.h"
#include "TestSupport.h"
#include "browse/UnChangeSubject.h"
#include "browse/UnMain.h"
#include "exam/UnExam.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QStringList kBank = {
    QStringLiteral("INSERT INTO T_DICT_LEVEL VALUES (1,'一级',1),(2,'二级',1),(3,'三级',0),(4,'四级',1)"),
    QStringLiteral("INSERT INTO T_DICT_SUBJECT VALUES (11,'一级MS',1,1),(12,'一级WPS',1,1),(13,'一级关闭',1,0),(21,'二级MS',2,1),(31,'三级网络',3,1)"),
    QStringLiteral("INSERT INTO T_PAPER VALUES (5,11,1,3,'专题三',20,12,30),(6,11,1,1,'专题一',20,12,30),(8,11,1,2,'专题二',20,12,30),"
                   "(9,11,2,1,'模拟一',100,60.5,90),(10,21,1,1,'二级专题',10,6,20)"),
    QStringLiteral("INSERT INTO T_QUESTION (F_QUESTION_ID,F_QUESTION_TYPE_ID,F_QUESTION_TITLE,F_SCORE,F_OPTION,F_ANSWER) VALUES (1,1,'q',2,'a|b','A')"),
    QStringLiteral("INSERT INTO T_PAPER_QUESTION VALUES (6,1,1),(9,1,1)"),
};

QStringList names(QTreeWidget* list, int column = 0)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(column);
    return out;
}

} // namespace

class TestMain : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartWithoutSubject();
    void cancelledSubjectPromptsAgain();
    void subjectButtonRewritesAndReloads();
    void paperLists();
    void unreadablePaperId();
    void failingPaperStatement();
    void openingPapers();
    void skinChoice();
    void shippedPictures();
    void unwritableSettingsReported();
    void subjectWindow();
    void subjectWindowEdgeCases();
    void bannersRotate();
    void bannerButtons();
    void bannerCounts_data();
    void bannerCounts();
    void bannerPartWayFailure();

private:
    std::unique_ptr<TFrmMain> openMain();

    std::unique_ptr<TBankFixture> m_bank;
    std::unique_ptr<TBoxRecorder> m_boxes;
    // What the modal subject window does: a subject id to confirm, or 0 to cancel.
    int m_confirmSubject = 0;
    int m_subjectWindows = 0;
    QVector<int> m_openedPapers;
};

void TestMain::init()
{
    m_bank = std::make_unique<TBankFixture>(kBank);
    m_boxes = std::make_unique<TBoxRecorder>();
    Dm->UserID = 1;
    Dm->UserTelNo = QStringLiteral("13800138000");
    m_confirmSubject = 0;
    m_subjectWindows = 0;
    m_openedPapers.clear();
    SetModalHandler([this](QDialog* dialog) {
        if (auto* subject = qobject_cast<TFrmChangeSubject*>(dialog)) {
            ++m_subjectWindows;
            auto* list = subject->findChild<QListWidget*>(QStringLiteral("ListSubject"));
            // Look through the levels, as a user would, for the subject to confirm.
            for (QRadioButton* level : subject->findChildren<QRadioButton*>()) {
                if (!m_confirmSubject)
                    break;
                level->click();
                for (int i = 0; i < list->count(); ++i) {
                    if (list->item(i)->data(TFrmChangeSubject::SubjectIdRole).toInt() == m_confirmSubject) {
                        list->setCurrentRow(i);
                        subject->btnOkClick();
                        return int(QDialog::Accepted);
                    }
                }
            }
            subject->btnCloseClick();
            return int(QDialog::Rejected);
        }
        if (auto* exam = qobject_cast<TFrmExam*>(dialog))
            m_openedPapers << exam->PaperID;
        return int(QDialog::Rejected);
    });
}

void TestMain::cleanup()
{
    SetModalHandler({});
    qApp->setStyleSheet(QString());
    m_boxes.reset();
    m_bank.reset();
}

std::unique_ptr<TFrmMain> TestMain::openMain()
{
    return std::make_unique<TFrmMain>();
}

void TestMain::firstStartWithoutSubject()
{
    auto w = openMain();
    QCOMPARE(w->windowTitle(), QStringLiteral("砚桥题库V1.0.0.1"));
    QCOMPARE(get<QPushButton>(w.get(), "BtnSubject")->text().section(QLatin1Char('\n'), 1), QStringLiteral("未选择科目"));
    QCOMPARE(get<QLabel>(w.get(), "LBUserTel")->text(), QStringLiteral("欢迎您，13800138000"));
    QVERIFY(m_boxes->Boxes.isEmpty());
    QCOMPARE(m_bank->Statements, (QStringList{"SELECT * FROM V_SUBJECT_PAPER WHERE F_SUBJECT_ID=-1 AND F_PAPER_TYPE_ID=1 ORDER BY F_PAPER_INDEX"}));
    QVERIFY(get<QPushButton>(w.get(), "btn1")->isChecked());

    m_confirmSubject = 11;
    get<QPushButton>(w.get(), "btn2")->click();
    QCOMPARE(m_boxes->Take(), (QVector<TBox>{{QStringLiteral("提示信息"), QStringLiteral("您好，您未选择科目，请先选择科目！"), TBsDlg::Icon::Information}}));
    QCOMPARE(m_subjectWindows, 1);
    QCOMPARE(Dm->SubjectID, 11);
    QCOMPARE(get<QTabWidget>(w.get(), "PGMain")->currentIndex(), 1);
    QVERIFY(get<QPushButton>(w.get(), "btn2")->isChecked());
    QVERIFY(!get<QPushButton>(w.get(), "btn1")->isChecked());
    QCOMPARE(names(get<QTreeWidget>(w.get(), "Lv2")), QStringList{QStringLiteral("模拟一")});
    QCOMPARE(get<QPushButton>(w.get(), "BtnSubject")->text().section(QLatin1Char('\n'), 1), QStringLiteral("一级MS"));
    int id = 0;
    QString name;
    Settings::ReadSubject(&id, &name);
    QCOMPARE(id, 11);
    QCOMPARE(name, QStringLiteral("一级MS"));
}

void TestMain::cancelledSubjectPromptsAgain()
{
    auto w = openMain();
    get<QPushButton>(w.get(), "btn1")->click();
    QCOMPARE(m_boxes->Take().size(), 1);
    QCOMPARE(m_subjectWindows, 1);
    QVERIFY(!QFile::exists(Settings::SubjectFile()));
    QCOMPARE(Dm->SubjectID, -1);
    QCOMPARE(get<QPushButton>(w.get(), "BtnSubject")->text().section(QLatin1Char('\n'), 1), QStringLiteral("未选择科目"));
    get<QPushButton>(w.get(), "btn3")->click();
    QCOMPARE(m_boxes->Take().size(), 1);
    QCOMPARE(m_subjectWindows, 2);
    QCOMPARE(get<QTabWidget>(w.get(), "PGMain")->currentIndex(), 2);
}

void TestMain::subjectButtonRewritesAndReloads()
{
    QString error;
    QVERIFY(Settings::WriteSubject(11, QStringLiteral("一级MS"), &error));
    auto w = openMain();
    QCOMPARE(names(get<QTreeWidget>(w.get(), "Lv1")), (QStringList{"专题一", "专题二", "专题三"}));
    QFile::remove(Settings::SubjectFile());
    m_bank->Statements.clear();
    get<QPushButton>(w.get(), "BtnSubject")->click(); // cancelled
    QCOMPARE(m_subjectWindows, 1);
    QCOMPARE(ReadBytes(Settings::SubjectFile()), QByteArray("[SUBJECT]\r\nID=11\r\nNAME=") + ToGbk(QStringLiteral("一级MS")) + "\r\n");
    QVERIFY(m_bank->Statements.contains(QStringLiteral("SELECT * FROM V_SUBJECT_PAPER WHERE F_SUBJECT_ID=11 AND F_PAPER_TYPE_ID=1 ORDER BY F_PAPER_INDEX")));
    // Choosing another subject reloads the visible list for it.
    m_confirmSubject = 21;
    get<QPushButton>(w.get(), "BtnSubject")->click();
    QCOMPARE(names(get<QTreeWidget>(w.get(), "Lv1")), QStringList{QStringLiteral("二级专题")});
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestMain::paperLists()
{
    Dm->SubjectID = 11;
    QString error;
    Settings::WriteSubject(11, QStringLiteral("一级MS"), &error);
    auto w = openMain();
    auto* lv1 = get<QTreeWidget>(w.get(), "Lv1");
    QCOMPARE(names(lv1), (QStringList{"专题一", "专题二", "专题三"}));
    QCOMPARE(names(lv1, 1), (QStringList{"1", "0", "0"}));
    QCOMPARE(lv1->topLevelItem(0)->data(0, TFrmMain::PaperIdRole).toString(), QStringLiteral("6"));
    QCOMPARE(lv1->columnCount(), 2);
    QVERIFY(!lv1->topLevelItem(0)->icon(0).isNull());
    w->btn2Click();
    auto* lv2 = get<QTreeWidget>(w.get(), "Lv2");
    QCOMPARE(lv2->columnCount(), 5);
    QCOMPARE(lv2->topLevelItem(0)->text(0), QStringLiteral("模拟一"));
    QCOMPARE(lv2->topLevelItem(0)->text(1), QStringLiteral("1"));
    QCOMPARE(lv2->topLevelItem(0)->text(2), QStringLiteral("100"));
    QCOMPARE(lv2->topLevelItem(0)->text(3), QStringLiteral("60.5"));
    QCOMPARE(lv2->topLevelItem(0)->text(4), QStringLiteral("90分钟"));
    QCOMPARE(lv2->topLevelItem(0)->data(0, TFrmMain::PaperIdRole).toString(), QStringLiteral("9"));
    // Pages 3 to 5 come up empty and run nothing.
    m_bank->Statements.clear();
    w->btn3Click();
    w->btn4Click();
    w->btn5Click();
    QCOMPARE(get<QTabWidget>(w.get(), "PGMain")->currentIndex(), 4);
    QVERIFY(m_bank->Statements.isEmpty());
    QCOMPARE(get<QTreeWidget>(w.get(), "Lv3")->topLevelItemCount(), 0);
    QCOMPARE(get<QTreeWidget>(w.get(), "Lv4")->columnCount(), 6);
}

void TestMain::unreadablePaperId()
{
    m_bank->ChangeSchema({QStringLiteral("DROP VIEW V_SUBJECT_PAPER"),
                          QStringLiteral("CREATE VIEW V_SUBJECT_PAPER AS SELECT F_SUBJECT_ID,F_PAPER_TYPE_ID,F_PAPER_INDEX,F_PAPER_NAME FROM T_PAPER")});
    Settings::WriteSubject(11, QStringLiteral("一级MS"), nullptr);
    auto w = openMain();
    auto* lv1 = get<QTreeWidget>(w.get(), "Lv1");
    QCOMPARE(lv1->topLevelItemCount(), 3);
    QCOMPARE(lv1->topLevelItem(0)->data(0, TFrmMain::PaperIdRole).toString(), QStringLiteral("-1"));
    QCOMPARE(lv1->topLevelItem(0)->text(1), QString());
    w->btn2Click();
    QCOMPARE(get<QTreeWidget>(w.get(), "Lv2")->topLevelItem(0)->data(0, TFrmMain::PaperIdRole).toString(), QString());
    lv1->setCurrentItem(lv1->topLevelItem(0));
    w->Lv1DblClick();
    QCOMPARE(m_openedPapers, QVector<int>{-1});
}

void TestMain::failingPaperStatement()
{
    Settings::WriteSubject(11, QStringLiteral("一级MS"), nullptr);
    auto w = openMain();
    m_bank->FailWhenContains = QStringLiteral("V_SUBJECT_PAPER");
    w->btn1Click();
    QCOMPARE(get<QTreeWidget>(w.get(), "Lv1")->topLevelItemCount(), 0);
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestMain::openingPapers()
{
    Settings::WriteSubject(11, QStringLiteral("一级MS"), nullptr);
    auto w = openMain();
    auto* lv1 = get<QTreeWidget>(w.get(), "Lv1");
    w->Lv1DblClick(); // no selection
    QVERIFY(m_openedPapers.isEmpty());
    lv1->setCurrentItem(lv1->topLevelItem(1));
    w->Lv1DblClick();
    QCOMPARE(m_openedPapers, QVector<int>{8});
    w->btn2Click();
    auto* lv2 = get<QTreeWidget>(w.get(), "Lv2");
    lv2->setCurrentItem(lv2->topLevelItem(0));
    w->Lv2DblClick();
    QTest::keyClick(lv2, Qt::Key_Return);
    QCOMPARE(m_openedPapers, (QVector<int>{8, 9, 9}));
    // The exam really starts before the window is shown.
    QCOMPARE(m_bank->Scalar(QStringLiteral("SELECT COUNT(*) FROM T_EXAM")), QStringLiteral("3"));
    // An empty list opens nothing.
    Dm->SubjectID = 12;
    w->btn1Click();
    w->Lv1DblClick();
    QCOMPARE(m_openedPapers.size(), 3);
}

void TestMain::skinChoice()
{
    auto w = openMain();
    auto* combo = get<QComboBox>(w.get(), "CboxSkin");
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->itemText(4), QStringLiteral("Win10界面"));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(!QFile::exists(Settings::ConfigFile())); // selecting the saved skin writes nothing
    w->CboxSkinChange(4);
    QCOMPARE(Dm->SkinIndex, 5);
    QCOMPARE(Dm->SkinData.Applied(), 5);
    QCOMPARE(ReadBytes(Settings::ConfigFile()), QByteArray("[CNFG]\r\nSKIN=5\r\n"));
    // A restart selects entry 4.
    Dm->SkinIndex = Settings::ReadSkin();
    auto again = openMain();
    QCOMPARE(get<QComboBox>(again.get(), "CboxSkin")->currentIndex(), 4);
}

void TestMain::shippedPictures()
{
    QDir().mkpath(ProgramFolder() + QStringLiteral("Images/Logo"));
    auto w = openMain();
    QVERIFY(get<QLabel>(w.get(), "Image1")->pixmap().isNull());
    // A real compressed logo, and a damaged code picture: the temporary copies go in every case.
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    QFile logo(ProgramFolder() + QStringLiteral("Images/Logo/logoEx.png"));
    logo.open(QIODevice::WriteOnly);
    logo.write(qCompress(png).mid(4)); // qCompress prefixes the length to a zlib stream
    logo.close();
    QFile code(ProgramFolder() + QStringLiteral("Images/Logo/WxMPQREx.jpg"));
    code.open(QIODevice::WriteOnly);
    code.write("damaged");
    code.close();
    auto again = openMain();
    QCOMPARE(get<QLabel>(again.get(), "Image1")->pixmap().size(), QSize(40, 20));
    QVERIFY(get<QLabel>(again.get(), "Image3")->pixmap().isNull());
    QVERIFY(!QFile::exists(ProgramFolder() + QStringLiteral("Images/Logo/logoExDesc.png")));
    QVERIFY(!QFile::exists(ProgramFolder() + QStringLiteral("Images/Logo/WxMPQRExDesc.jpg")));
}

void TestMain::unwritableSettingsReported()
{
    // Settings "files" that are folders cannot be written: each write is reported, the choice still holds.
    QDir().mkpath(Settings::ConfigFile());
    QDir().mkpath(Settings::SubjectFile());
    auto w = openMain();
    w->CboxSkinChange(2);
    QCOMPARE(Dm->SkinIndex, 3);
    m_confirmSubject = 11;
    w->BtnSubjectClick();
    QCOMPARE(Dm->SubjectID, 11);
    const auto boxes = m_boxes->Take();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).Icon, TBsDlg::Icon::Warning);
    QVERIFY(boxes.at(0).Text.contains(QLatin1String("Config.dll")));
    QVERIFY(boxes.at(1).Text.contains(QLatin1String("Subject.dll")));
}

void TestMain::subjectWindow()
{
    Dm->SubjectID = 99;
    Dm->SubjectName = QStringLiteral("旧科目");
    TFrmChangeSubject w;
    QCOMPARE(w.windowTitle(), QStringLiteral("选择切换科目"));
    QCOMPARE(w.size(), QSize(448, 473));
    QStringList levels;
    for (auto* r : w.findChildren<QRadioButton*>())
        levels << r->text();
    QCOMPARE(levels, (QStringList{"一级", "二级", "四级"}));
    QCOMPARE(w.LevelIDs, (QStringList{"1", "2", "4"}));
    auto* list = get<QListWidget>(&w, "ListSubject");
    auto* ok = get<QPushButton>(&w, "btnOk");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("一级MS"));
    QVERIFY(list->item(0)->isSelected());
    QVERIFY(ok->isVisibleTo(&w));
    QCOMPARE(list->iconSize(), QSize(64, 64));
    // Switching levels reloads; a level without subjects empties the list.
    w.findChildren<QRadioButton*>().at(1)->click();
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("二级MS"));
    w.findChildren<QRadioButton*>().at(2)->click();
    QCOMPARE(list->count(), 0);
    QVERIFY(!ok->isVisibleTo(&w));
    w.btnOkClick();
    QCOMPARE(Dm->SubjectID, 99);
    w.findChildren<QRadioButton*>().at(0)->click();
    QCOMPARE(list->count(), 2);
    list->clearSelection();
    QVERIFY(!ok->isVisibleTo(&w));
    list->setCurrentRow(1);
    QVERIFY(ok->isVisibleTo(&w));
    w.btnOkClick();
    QCOMPARE(Dm->SubjectID, 12);
    QCOMPARE(Dm->SubjectName, QStringLiteral("一级WPS"));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(!QFile::exists(Settings::SubjectFile()));
}

void TestMain::subjectWindowEdgeCases()
{
    Dm->SubjectID = 99;
    Dm->SubjectName = QStringLiteral("旧科目");
    {
        TFrmChangeSubject w;
        w.findChildren<QRadioButton*>().at(1)->click();
        w.btnCloseClick();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(Dm->SubjectID, 99);
        QCOMPARE(Dm->SubjectName, QStringLiteral("旧科目"));
    }
    m_bank->FailWhenContains = QStringLiteral("T_DICT_LEVEL");
    TFrmChangeSubject failed;
    QVERIFY(failed.findChildren<QRadioButton*>().isEmpty());
    QCOMPARE(get<QListWidget>(&failed, "ListSubject")->count(), 0);
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestMain::bannersRotate()
{
    QDir().mkpath(ProgramFolder() + QStringLiteral("Images"));
    const QByteArray b10 = TestPicture("JPG", 60, 9, Qt::red), b20 = TestPicture("JPG", 60, 9, Qt::green), b30 = TestPicture("JPG", 60, 9, Qt::blue);
    m_bank->Exec(QStringLiteral("INSERT INTO T_ROLL_IMG (F_IMG_INDEX,F_IMG_DATA,F_INFO_URL) VALUES (30,X'%1','u30'),(10,X'%2','u10'),(20,X'%3','u20')")
                     .arg(QString::fromLatin1(b30.toHex()), QString::fromLatin1(b10.toHex()), QString::fromLatin1(b20.toHex())));
    auto w = openMain();
    QVERIFY(w->tmr1->isActive());
    QCOMPARE(w->tmr1->interval(), 5000);
    QVERIFY(!w->tmr2->isActive());
    w->tmr1Timer();
    QVERIFY(!w->tmr1->isActive());
    QVERIFY(w->tmr2->isActive());
    QCOMPARE(ReadBytes(TFrmMain::BannerFile(1)), b10);
    QCOMPARE(ReadBytes(TFrmMain::BannerFile(2)), b20);
    QCOMPARE(ReadBytes(TFrmMain::BannerFile(3)), b30);
    QCOMPARE(w->BannerUrls, (QStringList{"u10", "u20", "u30"}));
    auto* banner = get<QLabel>(w.get(), "ImageRollImg");
    auto shown = [&] { return banner->pixmap().toImage().pixelColor(30, 4); };
    auto colour = [](const QByteArray& jpg) { return QImage::fromData(jpg, "JPG").pixelColor(30, 4); };
    QVector<int> sequence{w->BannerIndex};
    QCOMPARE(shown(), colour(b10));
    for (int i = 0; i < 3; ++i) {
        w->tmr2Timer();
        sequence << w->BannerIndex;
    }
    QCOMPARE(sequence, (QVector<int>{1, 2, 3, 1}));
    QCOMPARE(shown(), colour(b10));
    QVERIFY(get<QPushButton>(w.get(), "btnPrvImg")->isVisibleTo(w.get()));
    QVERIFY(get<QPushButton>(w.get(), "btnNextImg")->isVisibleTo(w.get()));
    QCOMPARE(banner->size(), QSize(600, 90));
    // A file deleted meanwhile keeps the picture on screen.
    QFile::remove(TFrmMain::BannerFile(2));
    w->tmr2Timer();
    QCOMPARE(w->BannerIndex, 2);
    QCOMPARE(shown(), colour(b10));
}

void TestMain::bannerButtons()
{
    QDir().mkpath(ProgramFolder() + QStringLiteral("Images"));
    const QString hex = QString::fromLatin1(TestPicture("JPG", 60, 9, Qt::gray).toHex());
    m_bank->Exec(QStringLiteral("INSERT INTO T_ROLL_IMG (F_IMG_INDEX,F_IMG_DATA,F_INFO_URL) VALUES (1,X'%1','a'),(2,X'%1','b'),(3,X'%1','c')").arg(hex));
    auto w = openMain();
    w->tmr1Timer();
    w->tmr2Timer(); // banner 2 on screen
    QCOMPARE(w->BannerIndex, 2);
    w->btnPrvImgClick();
    QCOMPARE(w->BannerIndex, 1);
    QVERIFY(w->tmr2->isActive());
    w->tmr2Timer();
    QCOMPARE(w->BannerIndex, 2);
    w->tmr2Timer();
    QCOMPARE(w->BannerIndex, 3);
    w->btnPrvImgClick(); // back to 2
    w->tmr2Timer();      // 3
    w->btnPrvImgClick();
    w->btnPrvImgClick();
    w->tmr2Timer();
    QCOMPARE(w->BannerIndex, 2);
    w->btnNextImgClick(); // 3
    w->tmr2Timer();
    QCOMPARE(w->BannerIndex, 1);
    w->btnPrvImgClick(); // wraps to 3
    QCOMPARE(w->BannerIndex, 3);
    w->tmr2Timer();
    QCOMPARE(w->BannerIndex, 1);
}

void TestMain::bannerCounts_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("failStatement");
    QTest::newRow("one banner") << 1 << false;
    QTest::newRow("none") << 0 << false;
    QTest::newRow("failing statement") << 2 << true;
}

void TestMain::bannerCounts()
{
    QFETCH(int, rows);
    QFETCH(bool, failStatement);
    QDir().mkpath(ProgramFolder() + QStringLiteral("Images"));
    for (int i = 0; i < rows; ++i)
        m_bank->Exec(QStringLiteral("INSERT INTO T_ROLL_IMG (F_IMG_INDEX,F_IMG_DATA,F_INFO_URL) VALUES (%1,X'%2','u')")
                         .arg(i).arg(QString::fromLatin1(TestPicture("JPG", 60, 9, Qt::red).toHex())));
    auto w = openMain();
    if (failStatement)
        m_bank->FailWhenContains = QStringLiteral("T_ROLL_IMG");
    m_bank->Statements.clear();
    w->tmr1Timer();
    QVERIFY(!w->tmr1->isActive());
    QCOMPARE(m_bank->Statements.size(), 1);
    const int expected = failStatement ? 0 : rows;
    QCOMPARE(w->BannerUrls.size(), expected);
    QCOMPARE(w->tmr2->isActive(), expected > 0);
    QVERIFY(!get<QPushButton>(w.get(), "btnPrvImg")->isVisibleTo(w.get()));
    QCOMPARE(get<QLabel>(w.get(), "ImageRollImg")->pixmap().isNull(), expected == 0);
    if (expected == 1) {
        w->tmr2Timer();
        w->tmr2Timer();
        QCOMPARE(w->BannerIndex, 1);
    }
    QVERIFY(m_boxes->Boxes.isEmpty());
}

void TestMain::bannerPartWayFailure()
{
    // Banner 2 cannot be read: only banner 1 counts, and the load is not repeated.
    QDir().mkpath(ProgramFolder() + QStringLiteral("Images"));
    m_bank->Exec(QStringLiteral("INSERT INTO T_ROLL_IMG (F_IMG_INDEX,F_IMG_DATA,F_INFO_URL) VALUES (1,X'%1','a'),(2,NULL,'b'),(3,X'%1','c')")
                     .arg(QString::fromLatin1(TestPicture("JPG", 60, 9, Qt::red).toHex())));
    auto w = openMain();
    w->tmr1Timer();
    QCOMPARE(w->BannerUrls, QStringList{QStringLiteral("a")});
    QVERIFY(QFile::exists(TFrmMain::BannerFile(1)));
    QVERIFY(!QFile::exists(TFrmMain::BannerFile(2)));
    QVERIFY(!QFile::exists(TFrmMain::BannerFile(3)));
    QVERIFY(!w->tmr1->isActive());

    // No Images folder: nothing written, nothing counted.
    QDir(ProgramFolder() + QStringLiteral("Images")).removeRecursively();
    auto other = openMain();
    other->tmr1Timer();
    QVERIFY(other->BannerUrls.isEmpty());
    QVERIFY(!other->tmr2->isActive());
    QVERIFY(!other->tmr1->isActive());
    QVERIFY(m_boxes->Boxes.isEmpty());
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
