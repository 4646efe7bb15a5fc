#include "UnChangeSubject.h"

#include "DbQuery.h"
#include "DrawnIcon.h"
#include "SqlText.h"
#include "UnDm.h"
#include "ui_UnChangeSubject.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QRadioButton>

namespace {
// The one picture of the subject list: a folder holding documents, 64 × 64.
QIcon folderIcon()
{
    return DrawnIcon(64, [](QPainter& p) {
    p.setPen(QPen(QColor(0xb0, 0x7d, 0x12), 1.2));
    p.setBrush(QColor(0xf2, 0xb8, 0x3a));
    p.drawRoundedRect(QRectF(4, 14, 24, 10), 3, 3);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x88, 0x99, 0xaa), 1));
    p.drawRect(QRectF(14, 10, 30, 36));
    p.drawRect(QRectF(20, 6, 30, 36));
    p.setPen(QPen(QColor(0x2f, 0x7b, 0xd9), 1.5));
    for (int y = 14; y < 36; y += 6)
        p.drawLine(QPointF(25, y), QPointF(45, y));
    QLinearGradient g(0, 20, 0, 60);
    g.setColorAt(0, QColor(0xfc, 0xd3, 0x5c));
    g.setColorAt(1, QColor(0xf0, 0xa8, 0x20));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xb0, 0x7d, 0x12), 1.2));
    p.drawRoundedRect(QRectF(4, 22, 56, 36), 4, 4);
    });
}
} // namespace

TFrmChangeSubject::TFrmChangeSubject(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::FrmChangeSubject>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(448, 473);
    m_levels = new QButtonGroup(this);
    connect(m_levels, &QButtonGroup::idClicked, this, [this](int) { BGLevelClick(); });
    connect(ui->ListSubject, &QListWidget::itemSelectionChanged, this, &TFrmChangeSubject::ListSubjectSelectItem);
    connect(ui->btnOk, &QPushButton::clicked, this, &TFrmChangeSubject::btnOkClick);
    connect(ui->btnClose, &QPushButton::clicked, this, &TFrmChangeSubject::btnCloseClick);
    FormCreate();
}

TFrmChangeSubject::~TFrmChangeSubject() = default;

void TFrmChangeSubject::FormCreate()
{
    TQuery q;
    if (Dm->OpenQuery(q, QString::fromUtf16(SqlText::OpenLevels))) {
        auto* grid = qobject_cast<QGridLayout*>(ui->BGLevel->layout());
        int i = 0;
        for (q.First(); !q.Eof(); q.Next(), ++i) {
            auto* radio = new QRadioButton(q.AsString(QStringLiteral("F_LEVEL_NAME")), ui->BGLevel);
            grid->addWidget(radio, i / 3, i % 3);
            m_levels->addButton(radio, i);
            LevelIDs << q.AsString(QStringLiteral("F_LEVEL_ID"));
        }
    }
    if (!m_levels->buttons().isEmpty()) {
        m_levels->button(0)->setChecked(true);
        BGLevelClick();
    }
}

void TFrmChangeSubject::BGLevelClick()
{
    ui->ListSubject->clear();
    const int level = m_levels->checkedId();
    if (level < 0 || level >= LevelIDs.size())
        return;
    TQuery q;
    if (!Dm->OpenQuery(q, SqlText::Build(SqlText::OpenSubjects, {{u"LevelID", LevelIDs.at(level).toInt()}})))
        return;
    static const QIcon icon = folderIcon();
    for (q.First(); !q.Eof(); q.Next()) {
        auto* item = new QListWidgetItem(icon, q.AsString(QStringLiteral("F_SUBJECT_NAME")), ui->ListSubject);
        item->setData(SubjectIdRole, q.AsString(QStringLiteral("F_SUBJECT_ID")));
    }
    if (ui->ListSubject->count() > 0)
        ui->ListSubject->setCurrentRow(0);
}

void TFrmChangeSubject::ListSubjectSelectItem()
{
    ui->btnOk->hide();
    if (ui->ListSubject->count() > 0 && !ui->ListSubject->selectedItems().isEmpty())
        ui->btnOk->show();
}

void TFrmChangeSubject::btnOkClick()
{
    const QList<QListWidgetItem*> selected = ui->ListSubject->selectedItems();
    if (ui->ListSubject->count() == 0 || selected.isEmpty())
        return;
    Dm->SubjectID = selected.first()->data(SubjectIdRole).toString().toInt();
    Dm->SubjectName = selected.first()->text();
    accept();
}

void TFrmChangeSubject::btnCloseClick()
{
    reject();
}
