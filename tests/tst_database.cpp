// The data module's database access on a fresh embedded bank: every statement
// of the client with sample values, failures, quoting and the dialect layer.

#include "DbConnection.h"
#include "SqlText.h"
#include "TestSupport.h"

#include <QTest>

using namespace SqlText;

namespace {
const QStringList kSmallBank = {
    QStringLiteral("INSERT INTO T_SYS_PARAM VALUES (1,0,'http://files.example/base')"),
    QStringLiteral("INSERT INTO T_USER (F_USER_ID,F_USER_NAME,F_PASSWORD,F_TEL_NO) VALUES (7,'13900000001','secret','13900000001')"),
    QStringLiteral("INSERT INTO T_DICT_LEVEL VALUES (1,'一级',1),(2,'二级',1),(3,'三级',0)"),
    QStringLiteral("INSERT INTO T_DICT_SUBJECT VALUES (11,'一级MS',1,1),(12,'一级关闭',1,0),(21,'二级MS',2,1)"),
    QStringLiteral("INSERT INTO T_PAPER VALUES (5,11,1,3,'专题C',20,12,30),(6,11,1,1,'专题A',20.5,12,30),"
                   "(8,11,1,2,'专题B',20,12,30),(9,11,2,1,'模拟一',100,60,90)"),
    QStringLiteral("INSERT INTO T_QUESTION (F_QUESTION_ID,F_QUESTION_TYPE_ID,F_QUESTION_TITLE,F_SCORE,F_OPTION,F_ANSWER,F_PARSE_INFO)"
                   " VALUES (300,1,'第三',2,'a|b','A','解析三'),(100,2,'第一',1.5,'a|b|c','A|C',''),(200,3,'第二',2,'对|错','B','')"),
    // Paper order differs from question id order on purpose.
    QStringLiteral("INSERT INTO T_PAPER_QUESTION VALUES (5,300,1),(5,100,2),(5,200,3)"),
    QStringLiteral("INSERT INTO T_DICT_CORRECT VALUES (1,'题目有误'),(2,'答案有误')"),
    QStringLiteral("INSERT INTO T_ROLL_IMG (F_IMG_INDEX,F_IMG_DATA,F_INFO_URL) VALUES (30,X'FFD8FF03','u30'),(10,X'FFD8FF01','u10')"),
};
} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT
private slots:
    void dataModuleCreate();
    void selectStatements_data();
    void selectStatements();
    void createExamAndSheet();
    void createExamUnknownPaper();
    void writeStatements();
    void failedStatementKeepsConnection();
    void openQueryNeedsRows();
    void sysParamMissingOrAmbiguous_data();
    void sysParamMissingOrAmbiguous();
    void splitText_data();
    void splitText();
    void hostileStringsRoundTrip_data();
    void hostileStringsRoundTrip();
    void dialectOnlyOutsideLiterals_data();
    void dialectOnlyOutsideLiterals();
    void numbersReadInShortForm();
    void odbcConnectionString();
};

void TestDatabase::dataModuleCreate()
{
    TBankFixture bank(kSmallBank);
    TDm& dm = *bank.Module;
    QCOMPARE(dm.FileBaseURL, QStringLiteral("http://files.example/base"));
    QCOMPARE(dm.UserID, -1);
    QCOMPARE(dm.SubjectID, -1);
    QCOMPARE(dm.SubjectName, QStringLiteral("未选择科目"));
    QCOMPARE(dm.SkinIndex, 1);
    QVERIFY(!dm.LoginOK);
    QCOMPARE(AppVersion, QStringLiteral("V1.0.0.1"));
}

void TestDatabase::selectStatements_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("sys param") << Build(SysParam, {{u"ParamID", 1}, {u"Flag", 0}}) << "F_SPARAM_VALUE"
                               << QStringList{"http://files.example/base"};
    QTest::newRow("user by tel") << Build(UserByTel, {{u"TelNo", u"13900000001"}}) << "F_USER_ID" << QStringList{"7"};
    QTest::newRow("user by tel, unknown") << Build(UserByTel, {{u"TelNo", u"139"}}) << "F_USER_ID" << QStringList{};
    QTest::newRow("password login") << Build(UserByTelPwd, {{u"TelNo", u"13900000001"}, {u"Pwd", u"secret"}}) << "F_TEL_NO"
                                    << QStringList{"13900000001"};
    QTest::newRow("password login, wrong") << Build(UserByTelPwd, {{u"TelNo", u"13900000001"}, {u"Pwd", u"Secret"}})
                                           << "F_TEL_NO" << QStringList{};
    QTest::newRow("sms login row") << Build(UserRowByTel, {{u"TelNo", u"13900000001"}}) << "F_USER_ID" << QStringList{"7"};
    QTest::newRow("topic papers in paper order") << Build(TopicPapers, {{u"SubjectID", 11}}) << "F_PAPER_NAME"
                                                 << QStringList{"专题A", "专题B", "专题C"};
    QTest::newRow("topic question counts") << Build(TopicPapers, {{u"SubjectID", 11}}) << "F_QUESTION_COUNT"
                                           << QStringList{"0", "0", "3"};
    QTest::newRow("mock papers") << Build(MockPapers, {{u"SubjectID", 11}}) << "F_PAPER_ID" << QStringList{"9"};
    QTest::newRow("no subject matches nothing") << Build(TopicPapers, {{u"SubjectID", -1}}) << "F_PAPER_ID" << QStringList{};
    QTest::newRow("open levels") << QString::fromUtf16(OpenLevels) << "F_LEVEL_NAME" << QStringList{"一级", "二级"};
    QTest::newRow("open subjects") << Build(OpenSubjects, {{u"LevelID", 1}}) << "F_SUBJECT_NAME" << QStringList{"一级MS"};
    QTest::newRow("banners in order") << QString::fromUtf16(Banners) << "F_INFO_URL" << QStringList{"u10", "u30"};
    QTest::newRow("paper header score") << Build(PaperHeader, {{u"PaperID", 6}}) << "F_PAPER_SCORE" << QStringList{"20.5"};
    QTest::newRow("paper header time") << Build(PaperHeader, {{u"PaperID", 6}}) << "F_EXAM_TIME" << QStringList{"30"};
    QTest::newRow("question row") << Build(QuestionRow, {{u"QuestionID", 300}}) << "F_PARSE_INFO" << QStringList{"解析三"};
    QTest::newRow("error categories") << QString::fromUtf16(CorrectKinds) << "F_CORRECT_NAME"
                                      << QStringList{"题目有误", "答案有误"};
    QTest::newRow("collect test, none") << Build(CollectTest, {{u"SubjectID", 11}, {u"QuestionID", 100}, {u"UserID", 7}})
                                        << "F_COLLECT_ID" << QStringList{};
}

void TestDatabase::selectStatements()
{
    QFETCH(QString, sql);
    QFETCH(QString, column);
    QFETCH(QStringList, values);
    TBankFixture bank(kSmallBank);
    TQuery q;
    QString error;
    QVERIFY2(bank.Module->OpenQuery(q, sql, &error), qPrintable(error));
    QStringList got;
    for (q.First(); !q.Eof(); q.Next())
        got << q.AsString(column);
    QCOMPARE(got, values);
    QCOMPARE(q.RecordCount(), values.size());
}

void TestDatabase::createExamAndSheet()
{
    TBankFixture bank(kSmallBank);
    TQuery q;
    QString error;
    QVERIFY2(bank.Module->OpenQuery(q, Build(CreateExam, {{u"PaperID", 5}, {u"UserID", 7}}), &error), qPrintable(error));
    QCOMPARE(q.RecordCount(), 1);
    const int exam = q.AsInteger(QStringLiteral("F_EXAM_ID"));
    QVERIFY(exam > 0);

    // The sheet follows the paper's question order, every time, with NULL statuses read as 0.
    for (int round = 0; round < 3; ++round) {
        TQuery sheet;
        QVERIFY(bank.Module->OpenQuery(sheet, Build(AnswerSheet, {{u"ExamID", exam}}), &error));
        QCOMPARE(sheet.RecordCount(), 3);
        QStringList questions, statuses;
        for (sheet.First(); !sheet.Eof(); sheet.Next()) {
            TQuery row;
            QVERIFY(bank.Module->OpenQuery(row, Build(AnswerRow, {{u"ExamID", exam}, {u"AnswerID", sheet.AsInteger(QStringLiteral("F_ANSWER_ID"))}})));
            QCOMPARE(row.RecordCount(), 1);
            questions << row.AsString(QStringLiteral("F_QUESTION_ID"));
            statuses << sheet.AsString(QStringLiteral("F_ANSWER_STATUS")) + sheet.AsString(QStringLiteral("F_MARK_STATUS"))
                    + sheet.AsString(QStringLiteral("F_JUGE_FLAG")) + sheet.AsString(QStringLiteral("F_COMPLETE_FLAG"));
        }
        QCOMPARE(questions, (QStringList{"300", "100", "200"}));
        QCOMPARE(statuses, (QStringList{"0000", "0000", "0000"}));
    }
    // A second exam of the same paper gets rows of its own.
    QVERIFY(bank.Module->OpenQuery(q, Build(CreateExam, {{u"PaperID", 5}, {u"UserID", 7}})));
    QVERIFY(q.AsInteger(QStringLiteral("F_EXAM_ID")) != exam);
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT COUNT(*) FROM T_EXAM_ANSWER")), QStringLiteral("6"));
}

void TestDatabase::createExamUnknownPaper()
{
    TBankFixture bank(kSmallBank);
    TQuery q;
    QVERIFY(bank.Module->OpenQuery(q, Build(CreateExam, {{u"PaperID", -1}, {u"UserID", 7}})));
    QCOMPARE(q.RecordCount(), 0);
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT COUNT(*) FROM T_EXAM")), QStringLiteral("0"));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT COUNT(*) FROM T_EXAM_ANSWER")), QStringLiteral("0"));
}

void TestDatabase::writeStatements()
{
    TBankFixture bank(kSmallBank);
    TDm& dm = *bank.Module;
    TQuery q;
    QString error;
    QVERIFY(dm.OpenQuery(q, Build(CreateExam, {{u"PaperID", 5}, {u"UserID", 7}})));
    const int exam = q.AsInteger(QStringLiteral("F_EXAM_ID"));
    const QString firstAnswer = bank.Scalar(QStringLiteral("SELECT MIN(F_ANSWER_ID) FROM T_EXAM_ANSWER WHERE F_EXAM_ID=%1").arg(exam));

    QVERIFY2(dm.ExecQuery(q, Build(UserLogin, {{u"UserID", 7}, {u"LoginToken", u"0123456789ABCDEF0123456789ABCDEF"}}), &error), qPrintable(error));
    QCOMPARE(bank.Rows(QStringLiteral("SELECT F_USER_ID,F_LOGIN_TOKEN FROM T_LOGIN_RECORD")),
             (QVector<QStringList>{{"7", "0123456789ABCDEF0123456789ABCDEF"}}));

    QVERIFY(dm.ExecQuery(q, Build(InsertUser, {{u"TelNo", u"13900000002"}, {u"Pwd", u"pw123456"}})));
    QCOMPARE(bank.Rows(QStringLiteral("SELECT F_USER_NAME,F_PASSWORD,F_TEL_NO FROM T_USER WHERE F_TEL_NO='13900000002'")),
             (QVector<QStringList>{{"13900000002", "pw123456", "13900000002"}}));

    QVERIFY(dm.ExecQuery(q, Build(UpdatePassword, {{u"NewPwd", u"newpass"}, {u"TelNo", u"13900000001"}})));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT F_PASSWORD FROM T_USER WHERE F_USER_ID=7")), QStringLiteral("newpass"));

    QVERIFY(dm.ExecQuery(q, Build(UpdateAnswer, {{u"Score", 1.5}, {u"Status", 1}, {u"Mark", 1}, {u"Answer", u"A|C"},
                                                 {u"AnswerID", firstAnswer.toInt()}})));
    QCOMPARE(bank.Rows(QStringLiteral("SELECT F_USER_SCORE,F_ANSWER_STATUS,F_MARK_STATUS,F_USER_ANSWER FROM T_EXAM_ANSWER WHERE F_ANSWER_ID=") + firstAnswer),
             (QVector<QStringList>{{"1.5", "1", "1", "A|C"}}));
    QVERIFY(dm.ExecQuery(q, Build(UpdateMark, {{u"Mark", 0}, {u"AnswerID", firstAnswer.toInt()}})));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT F_MARK_STATUS FROM T_EXAM_ANSWER WHERE F_ANSWER_ID=") + firstAnswer), QStringLiteral("0"));

    // Favourites: the insert, the test, and one delete removing every row of the triple.
    const SqlText::Slots triple = {{u"SubjectID", 11}, {u"QuestionID", 100}, {u"UserID", 7}};
    QVERIFY(dm.ExecQuery(q, Build(CollectInsert, triple)));
    QVERIFY(dm.ExecQuery(q, Build(CollectInsert, triple)));
    QVERIFY(dm.OpenQuery(q, Build(CollectTest, triple)));
    QCOMPARE(q.RecordCount(), 2);
    QVERIFY(dm.ExecQuery(q, Build(CollectDelete, triple)));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER_COLLECT")), QStringLiteral("0"));

    QVERIFY(dm.ExecQuery(q, Build(CorrectInsert, {{u"QuestionID", 100}, {u"Title", u"答案有误"}, {u"Info", u"it's wrong"}, {u"UserID", 7}})));
    QCOMPARE(bank.Rows(QStringLiteral("SELECT F_QUESTION_ID,F_CORRECT_TITLE,F_CORRECT_INFO,F_USER_ID FROM T_USER_CORRECT")),
             (QVector<QStringList>{{"100", "答案有误", "it's wrong", "7"}}));
}

void TestDatabase::failedStatementKeepsConnection()
{
    TBankFixture bank(kSmallBank);
    TQuery q;
    QString error;
    QVERIFY(!bank.Module->OpenQuery(q, QStringLiteral("SELECT * FROM T_NOT_THERE"), &error));
    QVERIFY(error.contains(QLatin1String("T_NOT_THERE")));
    QVERIFY(!q.Active());
    QVERIFY(!bank.Module->ExecQuery(q, QStringLiteral("UPDATE T_USER SET"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!bank.Module->OpenQuery(q, QStringLiteral("EXEC P_NOT_THERE 1"), &error));
    QVERIFY(bank.Module->OpenQuery(q, Build(UserByTel, {{u"TelNo", u"13900000001"}}), &error));
    QCOMPARE(q.RecordCount(), 1);
    // A connection closed under the module is opened again by the next statement.
    bank.Module->DB1->Close();
    QVERIFY(bank.Module->OpenQuery(q, Build(UserByTel, {{u"TelNo", u"13900000001"}}), &error));
    QCOMPARE(q.RecordCount(), 1);
}

void TestDatabase::openQueryNeedsRows()
{
    TBankFixture bank(kSmallBank);
    TQuery q;
    QString error;
    QVERIFY(!bank.Module->OpenQuery(q, Build(UpdatePassword, {{u"NewPwd", u"x"}, {u"TelNo", u"none"}}), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!bank.Module->OpenQuery(q, Build(UserLogin, {{u"UserID", 7}, {u"LoginToken", u"T"}}), &error));
}

void TestDatabase::sysParamMissingOrAmbiguous_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("no row") << QStringList{};
    QTest::newRow("two rows") << QStringList{"INSERT INTO T_SYS_PARAM VALUES (1,0,'a')", "INSERT INTO T_SYS_PARAM VALUES (1,0,'b')"};
    QTest::newRow("other flag only") << QStringList{"INSERT INTO T_SYS_PARAM VALUES (1,1,'a')"};
}

void TestDatabase::sysParamMissingOrAmbiguous()
{
    QFETCH(QStringList, rows);
    TBankFixture bank(rows);
    QCOMPARE(bank.Module->FileBaseURL, QString());
    QCOMPARE(bank.Module->GetSysParam(1, 0), QString());
    bank.FailWhenContains = QStringLiteral("T_SYS_PARAM");
    QCOMPARE(bank.Module->GetSysParam(1, 1), QString());
}

void TestDatabase::splitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("trailing separator") << "A|B|" << "|" << QStringList{"A", "B", ""};
    QTest::newRow("empty text") << "" << "|" << QStringList{""};
    QTest::newRow("no separator in text") << "ABC" << "|" << QStringList{"ABC"};
    QTest::newRow("leading and double") << "|A||B" << "|" << QStringList{"", "A", "", "B"};
    QTest::newRow("several characters") << "a#&#b#&#c" << "#&#" << QStringList{"a", "b", "c"};
    QTest::newRow("overlapping separator") << "a|||b" << "||" << QStringList{"a", "|b"};
    QTest::newRow("empty separator") << "A|B" << "" << QStringList{"A|B"};
    QTest::newRow("GBK text") << "甲|乙" << "|" << QStringList{"甲", "乙"};
}

void TestDatabase::splitText()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, pieces);
    QStringList list{QStringLiteral("old")};
    TDm::SplitText(text, separator, list);
    QCOMPARE(list, pieces);
}

void TestDatabase::hostileStringsRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("quote") << "it's";
    QTest::newRow("doubled quotes") << "''''";
    QTest::newRow("comment injection") << "x'; DELETE FROM T_USER;--";
    QTest::newRow("backslashes") << "C:\\temp\\'\\";
    QTest::newRow("ISNULL inside text") << "ISNULL(a,b) isnull(";
    QTest::newRow("procedure text") << "EXEC P_CREATE_EXAM 1,1";
    QTest::newRow("braces") << "{TelNo}{Pwd}";
    QTest::newRow("GBK text") << "砚桥题库：“全角”测试";
    QTest::newRow("line breaks") << "a\r\nb\n";
    QTest::newRow("100000 characters") << QString(100000, QLatin1Char('\'')).append(QStringLiteral("end"));
}

void TestDatabase::hostileStringsRoundTrip()
{
    QFETCH(QString, value);
    TBankFixture bank(kSmallBank);
    TDm& dm = *bank.Module;
    TQuery q;
    QString error;
    const QString before = bank.Rows(QStringLiteral("SELECT * FROM T_USER WHERE F_USER_ID=7")).first().join(QLatin1Char('|'));
    // Every string slot of the client, written and read back.
    QVERIFY2(dm.ExecQuery(q, Build(InsertUser, {{u"TelNo", value}, {u"Pwd", value}}), &error), qPrintable(error));
    QVERIFY(dm.OpenQuery(q, Build(UserByTelPwd, {{u"TelNo", value}, {u"Pwd", value}})));
    QCOMPARE(q.RecordCount(), 1);
    QCOMPARE(q.AsString(QStringLiteral("F_USER_NAME")), value);
    QVERIFY(dm.OpenQuery(q, Build(UserByTel, {{u"TelNo", value}})));
    QCOMPARE(q.RecordCount(), 1);
    QVERIFY(dm.ExecQuery(q, Build(UpdatePassword, {{u"NewPwd", value + value.left(3)}, {u"TelNo", value}})));
    QVERIFY(dm.OpenQuery(q, Build(UserRowByTel, {{u"TelNo", value}})));
    QCOMPARE(q.AsString(QStringLiteral("F_PASSWORD")), value + value.left(3));
    QVERIFY(dm.ExecQuery(q, Build(UserLogin, {{u"UserID", 7}, {u"LoginToken", value}})));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT F_LOGIN_TOKEN FROM T_LOGIN_RECORD")), value);
    QVERIFY(dm.ExecQuery(q, Build(CorrectInsert, {{u"QuestionID", 1}, {u"Title", value}, {u"Info", value}, {u"UserID", 7}})));
    QCOMPARE(bank.Rows(QStringLiteral("SELECT F_CORRECT_TITLE,F_CORRECT_INFO FROM T_USER_CORRECT")), (QVector<QStringList>{{value, value}}));
    QVERIFY(dm.OpenQuery(q, Build(CreateExam, {{u"PaperID", 5}, {u"UserID", 7}})));
    const QString answer = bank.Scalar(QStringLiteral("SELECT MIN(F_ANSWER_ID) FROM T_EXAM_ANSWER"));
    QVERIFY(dm.ExecQuery(q, Build(UpdateAnswer, {{u"Score", 0.0}, {u"Status", 0}, {u"Mark", 0}, {u"Answer", value}, {u"AnswerID", answer.toInt()}})));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT F_USER_ANSWER FROM T_EXAM_ANSWER WHERE F_ANSWER_ID=") + answer), value);
    // No other row was touched.
    QCOMPARE(bank.Rows(QStringLiteral("SELECT * FROM T_USER WHERE F_USER_ID=7")).first().join(QLatin1Char('|')), before);
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT COUNT(*) FROM T_USER")), QStringLiteral("2"));
    QCOMPARE(bank.Scalar(QStringLiteral("SELECT COUNT(*) FROM T_EXAM_ANSWER WHERE F_USER_ANSWER IS NOT NULL")), QStringLiteral("1"));
}

void TestDatabase::dialectOnlyOutsideLiterals_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("call") << "SELECT ISNULL(a,0) FROM t" << "SELECT IFNULL(a,0) FROM t";
    QTest::newRow("lower case") << "select isnull(a,0)" << "select IFNULL(a,0)";
    QTest::newRow("inside literal") << "SELECT 'ISNULL(' , ISNULL(b,1)" << "SELECT 'ISNULL(' , IFNULL(b,1)";
    QTest::newRow("doubled quote keeps literal open") << "SELECT 'it''s ISNULL(x)'" << "SELECT 'it''s ISNULL(x)'";
    QTest::newRow("part of a name") << "SELECT MYISNULL(a)" << "SELECT MYISNULL(a)";
}

void TestDatabase::dialectOnlyOutsideLiterals()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(TranslateEmbeddedDialect(sql), expected);
}

void TestDatabase::numbersReadInShortForm()
{
    TBankFixture bank(kSmallBank);
    TQuery q;
    QVERIFY(bank.Module->OpenQuery(q, QStringLiteral("SELECT 2.0 AS A, 1.5 AS B, 0.0 AS C, NULL AS D, 'x' AS E, 12 AS F")));
    QCOMPARE(q.AsString(QStringLiteral("a")), QStringLiteral("2"));
    QCOMPARE(q.AsString(QStringLiteral("B")), QStringLiteral("1.5"));
    QCOMPARE(q.AsString(QStringLiteral("C")), QStringLiteral("0"));
    QCOMPARE(q.AsString(QStringLiteral("D")), QString());
    QCOMPARE(q.AsInteger(QStringLiteral("D")), 0);
    QCOMPARE(q.AsFloat(QStringLiteral("D")), 0.0);
    bool ok = true;
    q.AsInteger(QStringLiteral("E"), &ok);
    QVERIFY(!ok);
    q.AsString(QStringLiteral("NO_COLUMN"), &ok);
    QVERIFY(!ok);
    QCOMPARE(q.AsInteger(QStringLiteral("f")), 12);
    QCOMPARE(SqlText::Value(2.0).Text(), QStringLiteral("2"));
    QCOMPARE(SqlText::Value(1.5).Text(), QStringLiteral("1.5"));
}

void TestDatabase::odbcConnectionString()
{
    const QString s = TDbConnection::OdbcConnectionString(QStringLiteral("db.host"), 7818, QStringLiteral("FreeTDS"));
    QVERIFY(s.contains(QLatin1String("SERVER=db.host;PORT=7818;")));
    QVERIFY(s.contains(QLatin1String("TDS_Version=7.4;")));
    QVERIFY(s.contains(QLatin1String("ClientCharset=UTF-8;")));
    QVERIFY(s.contains(QLatin1String("DATABASE=TKDB;")));
    QVERIFY(s.endsWith(QLatin1String("UID=sa;PWD=kebrotylvamp4863;")));
    const QString byFile = TDbConnection::OdbcConnectionString(QStringLiteral("h"), 7818, QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so"));
    QVERIFY(byFile.startsWith(QLatin1String("DRIVER={/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so};SERVER=h;PORT=7818;")));
    const QString windows = TDbConnection::OdbcConnectionString(QStringLiteral("h"), 7818, QStringLiteral("ODBC Driver 17 for SQL Server"));
    QVERIFY(windows.contains(QLatin1String("SERVER=h,7818;")));
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
