// Benchmarks: statement building, remote-name parsing, and a move between
// questions in the exam window (judge, store, load, favourite test) on an
// embedded bank. Run: cmake --build build --target benchmarks && build/bench/bench_exam

#include "RemoteFiles.h"
#include "SqlText.h"
#include "TestSupport.h"
#include "exam/UnExam.h"

#include <QListWidget>
#include <QTest>

class BenchExam : public QObject
{
    Q_OBJECT
private slots:
    void buildStatement();
    void urlFileName();
    void moveBetweenQuestions();
};

void BenchExam::buildStatement()
{
    const QString answer = QStringLiteral("A|C|it's");
    QBENCHMARK {
        const QString sql = SqlText::Build(SqlText::UpdateAnswer, {{u"Score", 1.5}, {u"Status", 1}, {u"Mark", 0},
                                                                  {u"Answer", answer}, {u"AnswerID", 123456}});
        Q_UNUSED(sql)
    }
}

void BenchExam::urlFileName()
{
    const QString name = QStringLiteral("office/word01/answer/\"计算机 发展简史.docx\"");
    QBENCHMARK {
        const QString file = UrlFileName(name);
        Q_UNUSED(file)
    }
}

void BenchExam::moveBetweenQuestions()
{
    QStringList rows{QStringLiteral("INSERT INTO T_PAPER VALUES (1,11,1,1,'p',80,48,60)")};
    for (int q = 1; q <= 40; ++q) {
        rows << QStringLiteral("INSERT INTO T_QUESTION (F_QUESTION_ID,F_QUESTION_TYPE_ID,F_QUESTION_TITLE,F_SCORE,F_OPTION,F_ANSWER) "
                               "VALUES (%1,%2,'题目 %1',2,'甲|乙|丙|丁','A')").arg(q).arg(q % 3 + 1)
             << QStringLiteral("INSERT INTO T_PAPER_QUESTION VALUES (1,%1,%1)").arg(q);
    }
    TBankFixture bank(rows);
    Dm->UserID = 1;
    Dm->SubjectID = 11;
    TFrmExam exam;
    exam.PaperID = 1;
    exam.StartExam();
    auto* sheet = exam.findChild<QListWidget*>(QStringLiteral("Lv1"));
    int row = 0;
    QBENCHMARK {
        row = (row + 1) % sheet->count();
        sheet->setCurrentRow(row);
    }
}

QTEST_MAIN(BenchExam)
#include "bench_exam.moc"
