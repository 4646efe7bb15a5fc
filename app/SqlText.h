#pragma once
// Every statement of the client, as a template with {Slot} placeholders, and the
// one helper that fills them. Spacing is part of the statement text.

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

namespace SqlText {

inline constexpr char16_t SysParam[] = u"SELECT * FROM T_SYS_PARAM WHERE F_SPARAM_ID={ParamID} AND F_SPARAM_FLAG={Flag}";
inline constexpr char16_t UserByTel[] = u"SELECT F_USER_ID FROM T_USER WHERE F_TEL_NO='{TelNo}'";
inline constexpr char16_t UserByTelPwd[] = u"SELECT *FROM T_USER WHERE F_TEL_NO='{TelNo}' AND F_PASSWORD='{Pwd}'";
inline constexpr char16_t UserRowByTel[] = u"SELECT *FROM T_USER WHERE F_TEL_NO='{TelNo}'";
inline constexpr char16_t UserLogin[] = u"EXEC P_UserLogin {UserID},'{LoginToken}'";
inline constexpr char16_t InsertUser[] = u"INSERT INTO T_USER (F_USER_NAME,F_PASSWORD,F_TEL_NO) VALUES('{TelNo}','{Pwd}','{TelNo}')";
inline constexpr char16_t UpdatePassword[] = u"UPDATE T_USER SET F_PASSWORD='{NewPwd}' WHERE F_TEL_NO='{TelNo}'";
inline constexpr char16_t TopicPapers[] = u"SELECT * FROM V_SUBJECT_PAPER WHERE F_SUBJECT_ID={SubjectID} AND F_PAPER_TYPE_ID=1 ORDER BY F_PAPER_INDEX";
inline constexpr char16_t MockPapers[] = u"SELECT * FROM V_SUBJECT_PAPER WHERE F_SUBJECT_ID={SubjectID} AND F_PAPER_TYPE_ID=2 ORDER BY F_PAPER_INDEX";
inline constexpr char16_t OpenLevels[] = u"SELECT * FROM T_DICT_LEVEL WHERE F_OPEN_FLAG=1";
inline constexpr char16_t OpenSubjects[] = u"SELECT * FROM T_DICT_SUBJECT  WHERE F_OPEN_FLAG=1 AND F_LEVEL_ID={LevelID}";
inline constexpr char16_t Banners[] = u"SELECT * FROM T_ROLL_IMG ORDER BY F_IMG_INDEX ";
inline constexpr char16_t CreateExam[] = u"EXEC P_CREATE_EXAM {PaperID},{UserID}";
inline constexpr char16_t AnswerSheet[] = u"SELECT F_ANSWER_ID,ISNULL(F_ANSWER_STATUS,0) AS F_ANSWER_STATUS, ISNULL(F_MARK_STATUS,0) AS F_MARK_STATUS,ISNULL(F_JUGE_FLAG,0) AS F_JUGE_FLAG,ISNULL(F_COMPLETE_FLAG,0) AS F_COMPLETE_FLAG  FROM V_EXAM_ANSWER WHERE F_EXAM_ID={ExamID}";
inline constexpr char16_t PaperHeader[] = u"SELECT * FROM V_SUBJECT_PAPER WHERE F_PAPER_ID={PaperID}";
inline constexpr char16_t AnswerRow[] = u"SELECT * FROM V_EXAM_ANSWER WHERE F_EXAM_ID={ExamID} AND F_ANSWER_ID={AnswerID}";
inline constexpr char16_t UpdateAnswer[] = u"UPDATE T_EXAM_ANSWER SET F_USER_SCORE={Score},F_ANSWER_STATUS={Status},F_MARK_STATUS={Mark},F_USER_ANSWER='{Answer}' WHERE F_ANSWER_ID={AnswerID}";
inline constexpr char16_t UpdateMark[] = u"UPDATE T_EXAM_ANSWER SET F_MARK_STATUS={Mark} WHERE F_ANSWER_ID={AnswerID}";
inline constexpr char16_t CollectTest[] = u"SELECT F_COLLECT_ID FROM T_USER_COLLECT WHERE F_SUBJECT_ID={SubjectID} AND F_QUESTION_ID={QuestionID} AND F_USER_ID={UserID}";
inline constexpr char16_t CollectInsert[] = u"INSERT INTO T_USER_COLLECT(F_SUBJECT_ID,F_QUESTION_ID,F_USER_ID)VALUES({SubjectID},{QuestionID},{UserID})";
inline constexpr char16_t CollectDelete[] = u"DELETE FROM  T_USER_COLLECT WHERE F_SUBJECT_ID={SubjectID} AND F_QUESTION_ID={QuestionID} AND F_USER_ID={UserID}";
inline constexpr char16_t QuestionRow[] = u"SELECT * FROM T_QUESTION WHERE F_QUESTION_ID={QuestionID}";
inline constexpr char16_t CorrectKinds[] = u"SELECT * FROM T_DICT_CORRECT ";
inline constexpr char16_t CorrectInsert[] = u"INSERT INTO T_USER_CORRECT(F_QUESTION_ID,F_CORRECT_TITLE,F_CORRECT_INFO,F_USER_ID) VALUES({QuestionID},'{Title}','{Info}',{UserID})";

// One slot value: an integer or a number goes in as decimal text, a string with
// every single quote doubled (its quotes belong to the template).
class Value
{
public:
    Value(int v) : m_text(QString::number(v)) {}
    Value(double v);
    Value(const QString& v) : m_text(QString(v).replace(QLatin1Char('\''), QStringLiteral("''"))) {}
    Value(const char16_t* v) : Value(QString::fromUtf16(v)) {}
    const QString& Text() const { return m_text; }

private:
    QString m_text;
};

using Slots = std::initializer_list<std::pair<const char16_t*, Value>>;

// Fills every {Slot} of the template. A slot the caller did not name is a
// programming error and stays in the text, so the statement fails loudly.
QString Build(const char16_t* tmpl, Slots values);

} // namespace SqlText
