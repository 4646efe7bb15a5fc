#include "UnCorrect.h"

#include "BsDlg.h"
#include "DbQuery.h"
#include "SqlText.h"
#include "UnDm.h"
#include "ui_UnCorrect.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace {
const QString kTitle = QStringLiteral("纠错");
} // namespace

TFrmCorrect::TFrmCorrect(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmCorrect>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(422, 389);
    m_kinds = new QButtonGroup(this);
    connect(ui->BtnSave, &QPushButton::clicked, this, &TFrmCorrect::BtnSaveClick);
    connect(ui->BtnCancle, &QPushButton::clicked, this, &TFrmCorrect::BtnCancleClick);
    FormCreate();
}

TFrmCorrect::~TFrmCorrect() = default;

void TFrmCorrect::FormCreate()
{
    TQuery q;
    if (!Dm->OpenQuery(q, QString::fromUtf16(SqlText::CorrectKinds)))
        return;
    auto* grid = qobject_cast<QGridLayout*>(ui->ListCorrect->layout());
    int i = 0;
    for (q.First(); !q.Eof(); q.Next(), ++i) {
        auto* radio = new QRadioButton(q.AsString(QStringLiteral("F_CORRECT_NAME")), ui->ListCorrect);
        radio->setAutoExclusive(false); // the group keeps one at most; none at the start
        m_kinds->addButton(radio, i);
        grid->addWidget(radio, i / 3, i % 3);
    }
}

void TFrmCorrect::BtnSaveClick()
{
    QAbstractButton* kind = m_kinds->checkedButton();
    const QString info = ui->MemoInfo->toPlainText();
    if (!kind && info.isEmpty()) {
        TBsDlg::Information(this, kTitle, QStringLiteral("为了方便我们排查错误，请您选择错误类型或输入错误的详细信息，谢谢！"));
        return;
    }
    TQuery q;
    if (Dm->ExecQuery(q, SqlText::Build(SqlText::CorrectInsert, {{u"QuestionID", QuestionID},
                                                                 {u"Title", kind ? kind->text() : QString()},
                                                                 {u"Info", info},
                                                                 {u"UserID", Dm->UserID}}))) {
        TBsDlg::Information(this, kTitle, QStringLiteral("您反馈的错误我们已经收到，我们将在2个工作日内进行处理，谢谢！"));
        accept();
        return;
    }
    TBsDlg::Warning(this, kTitle, QStringLiteral("您反馈的错误提交错误，请您重新填写提交，谢谢！"));
}

void TFrmCorrect::BtnCancleClick()
{
    reject();
}
