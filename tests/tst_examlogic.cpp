// The exam window's plain logic: layout positions, captions, judging, sheet
// icons and the clock.

#include "exam/ExamLogic.h"

#include <QTest>

using namespace ExamLogic;

class TestExamLogic : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void captions_data();
    void captions();
    void judging_data();
    void judging();
    void sheetIcons_data();
    void sheetIcons();
    void clock_data();
    void clock();
    void caption();
};

void TestExamLogic::layout_data()
{
    QTest::addColumn<bool>("titlePicture");
    QTest::addColumn<int>("titleHeight");
    QTest::addColumn<int>("options");
    QTest::addColumn<QVector<int>>("pictures");
    QTest::addColumn<int>("titleLine");
    QTest::addColumn<QVector<int>>("boxes");
    QTest::addColumn<QVector<int>>("pictureTops");
    QTest::addColumn<QVector<int>>("lineTops");

    const QVector<int> none(6, -1);
    QTest::newRow("no pictures, six options") << false << 0 << 6 << none << 42 << QVector<int>{50, 95, 135, 180, 225, 310}
                                              << none << none;
    QTest::newRow("100-pixel title picture") << true << 100 << 4 << none << 147 << QVector<int>{155, 200, 240, 285, -1, -1}
                                             << none << none;
    QTest::newRow("60-pixel picture under A") << false << 0 << 2 << QVector<int>{60, -1, -1, -1, -1, -1} << 42
                                              << QVector<int>{50, 165, -1, -1, -1, -1} << QVector<int>{95, -1, -1, -1, -1, -1}
                                              << QVector<int>{157, -1, -1, -1, -1, -1};
    QTest::newRow("unloadable picture under A") << false << 0 << 2 << QVector<int>{0, -1, -1, -1, -1, -1} << 42
                                                << QVector<int>{50, 105, -1, -1, -1, -1} << QVector<int>{95, -1, -1, -1, -1, -1}
                                                << QVector<int>{97, -1, -1, -1, -1, -1};
    QTest::newRow("title picture that failed") << true << 0 << 2 << none << 47 << QVector<int>{55, 100, -1, -1, -1, -1} << none << none;
    QTest::newRow("picture under B only") << false << 0 << 3 << QVector<int>{-1, 30, -1, -1, -1, -1} << 42
                                          << QVector<int>{50, 95, 175, -1, -1, -1} << QVector<int>{-1, 135, -1, -1, -1, -1}
                                          << QVector<int>{-1, 167, -1, -1, -1, -1};
    QTest::newRow("picture under F") << false << 0 << 6 << QVector<int>{-1, -1, -1, -1, -1, 20} << 42
                                     << QVector<int>{50, 95, 135, 180, 225, 310} << QVector<int>{-1, -1, -1, -1, -1, 355}
                                     << QVector<int>{-1, -1, -1, -1, -1, 377};
    QTest::newRow("one option shows nothing") << false << 0 << 1 << none << 42 << none << none << none;
    QTest::newRow("seven options show six") << false << 0 << 7 << none << 42 << QVector<int>{50, 95, 135, 180, 225, 310}
                                            << none << none;
}

void TestExamLogic::layout()
{
    QFETCH(bool, titlePicture);
    QFETCH(int, titleHeight);
    QFETCH(int, options);
    QFETCH(QVector<int>, pictures);
    QFETCH(int, titleLine);
    QFETCH(QVector<int>, boxes);
    QFETCH(QVector<int>, pictureTops);
    QFETCH(QVector<int>, lineTops);
    const ChoiceLayout l = LayoutChoice(titlePicture, titleHeight, qMin(options, 6), pictures);
    QCOMPARE(l.TitleLineTop, titleLine);
    QCOMPARE(l.TitlePictureTop, titlePicture ? 45 : -1);
    QCOMPARE(QVector<int>(l.BoxTop, l.BoxTop + 6), boxes);
    QCOMPARE(QVector<int>(l.PictureTop, l.PictureTop + 6), pictureTops);
    QCOMPARE(QVector<int>(l.LineTop, l.LineTop + 6), lineTops);
}

void TestExamLogic::captions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("single choice A") << 1 << 0 << "1946年" << "A.1946年";
    QTest::newRow("multiple choice F") << 2 << 5 << ".gif" << "F..gif";
    QTest::newRow("judgement first two bare") << 3 << 1 << "错误" << "错误";
    QTest::newRow("judgement third lettered") << 3 << 2 << "不确定" << "C.不确定";
    QTest::newRow("pipe written as #&#") << 1 << 0 << "x#&#y" << "A.x|y";
}

void TestExamLogic::captions()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QCOMPARE(OptionCaption(type, index, text), caption);
}

void TestExamLogic::judging_data()
{
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("correct");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("score");
    QTest::newRow("single right") << "A" << "A" << "A" << 2.0;
    QTest::newRow("multiple right") << "AC" << "A|C" << "A|C" << 2.0;
    QTest::newRow("multiple partial") << "A" << "A|C" << "A" << 0.0;
    QTest::newRow("multiple too many") << "ACD" << "A|C" << "A|C|D" << 0.0;
    QTest::newRow("nothing ticked") << "" << "B" << "" << 0.0;
    QTest::newRow("empty correct answer matches nothing ticked") << "" << "" << "" << 2.0;
    QTest::newRow("lower case never matches") << "A" << "a" << "A" << 0.0;
    QTest::newRow("blanks never match") << "A" << "A " << "A" << 0.0;
    QTest::newRow("out of order never matches") << "AC" << "C|A" << "A|C" << 0.0;
    QTest::newRow("all six") << "ABCDEF" << "A|B|C|D|E|F" << "A|B|C|D|E|F" << 2.0;
}

void TestExamLogic::judging()
{
    QFETCH(QString, ticked);
    QFETCH(QString, correct);
    QFETCH(QString, answer);
    QFETCH(double, score);
    bool boxes[6] = {};
    for (QChar c : ticked)
        boxes[c.unicode() - 'A'] = true;
    QCOMPARE(UserAnswer(boxes), answer);
    QCOMPARE(Score(answer, correct, 2.0), score);
}

void TestExamLogic::sheetIcons_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("icon");
    QTest::newRow("not answered") << "0" << "0" << false << 0;
    QTest::newRow("answered") << "1" << "0" << false << 1;
    QTest::newRow("on screen") << "1" << "0" << true << 2;
    QTest::newRow("marked") << "0" << "1" << false << 3;
    QTest::newRow("answered and marked") << "1" << "1" << false << 4;
    QTest::newRow("marked on screen") << "0" << "1" << true << 5;
    QTest::newRow("bad status") << "x" << "0" << false << 0;
    QTest::newRow("bad status on screen") << "x" << "1" << true << 0;
}

void TestExamLogic::sheetIcons()
{
    QFETCH(QString, status);
    QFETCH(QString, mark);
    QFETCH(bool, selected);
    QFETCH(int, icon);
    QCOMPARE(SheetIcon(status, mark, selected), icon);
    QCOMPARE(SheetIcon(status, mark, selected, false), 0);
}

void TestExamLogic::clock_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("elapsedSeconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("90 minutes, one second in") << 90 << 1 << "01:29:59";
    QTest::newRow("1500 minutes, hours of the day") << 1500 << 1 << "00:59:59";
    QTest::newRow("at the end") << 90 << 90 * 60 << "00:00:00";
    QTest::newRow("a minute after the end") << 90 << 91 * 60 << "00:01:00";
    QTest::newRow("at the start") << 30 << 0 << "00:30:00";
}

void TestExamLogic::clock()
{
    QFETCH(int, minutes);
    QFETCH(int, elapsedSeconds);
    QFETCH(QString, text);
    const QDateTime start(QDate(2026, 12, 11), QTime(9, 0, 0));
    QCOMPARE(ClockText(start.addSecs(minutes * 60), start.addSecs(elapsedSeconds)), text);
}

void TestExamLogic::caption()
{
    QCOMPARE(ExamCaption(QStringLiteral("一级MS"), QStringLiteral("专题一"), QStringLiteral("20.5"), QStringLiteral("12"), 3,
                         QStringLiteral("30")),
             QStringLiteral("一级MS--试卷：专题一   总分：20.5分   通过分：12分   试题数量：3题   时长:30分钟"));
}

QTEST_MAIN(TestExamLogic)
#include "tst_examlogic.moc"
