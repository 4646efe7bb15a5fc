#include "UnMain.h"

#include "BsDlg.h"
#include "DbQuery.h"
#include "DrawnIcon.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "Settings.h"
#include "ShippedPicture.h"
#include "SqlText.h"
#include "UnChangeSubject.h"
#include "UnDm.h"
#include "exam/UnExam.h"
#include "ui_UnMain.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

namespace {

const QString kInfoTitle = QStringLiteral("提示信息");

// The two paper pictures: a document with a pencil (topic papers) and a form
// with a pencil (mock-exam papers), 32 × 32.
QIcon paperIcon(bool form)
{
    return DrawnIcon(32, [form](QPainter& p) {
    p.setPen(QPen(QColor(0x6f, 0x94, 0xc2), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 3, 19, 25));
    p.setPen(QPen(form ? QColor(0xc2, 0x4e, 0x1b) : QColor(0x2f, 0x7b, 0xd9), 1.2));
    if (form) {
        for (int y = 8; y <= 22; y += 5) {
            p.drawRect(QRectF(8, y - 2, 3, 3));
            p.drawLine(QPointF(13, y), QPointF(21, y));
        }
    } else {
        for (int y = 8; y <= 22; y += 3)
            p.drawLine(QPointF(8, y), QPointF(21, y));
    }
    // The pencil across the lower right corner.
    p.translate(24, 20);
    p.rotate(45);
    p.setPen(QPen(QColor(0x80, 0x5a, 0x10), 0.8));
    p.setBrush(QColor(0xf2, 0xb8, 0x3a));
    p.drawRect(QRectF(-2, -10, 4, 14));
    p.setBrush(QColor(0xf0, 0xd2, 0xa8));
    const QPointF tip[3] = {QPointF(-2, 4), QPointF(2, 4), QPointF(0, 8)};
    p.drawPolygon(tip, 3);
    });
}

} // namespace

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::FrmMain>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(1002, 690);
    resize(1002, 690);

    CboxSkin = new QComboBox(this);
    CboxSkin->setObjectName(QStringLiteral("CboxSkin"));
    CboxSkin->addItems(TSkinData::Names());
    LBUserTel = new QLabel(QStringLiteral("欢迎您"), this);
    LBUserTel->setObjectName(QStringLiteral("LBUserTel"));
    ui->statusbar->addWidget(CboxSkin);
    ui->statusbar->addWidget(LBUserTel, 1);
    ui->statusbar->addPermanentWidget(new QLabel(QStringLiteral("砚桥题库 · 全国计算机等级考试练习系统"), this));
    ui->statusbar->addPermanentWidget(new QLabel(QStringLiteral("版本号") + AppVersion, this));

    tmr1 = new QTimer(this);
    tmr1->setObjectName(QStringLiteral("tmr1"));
    tmr1->setInterval(5000);
    tmr2 = new QTimer(this);
    tmr2->setObjectName(QStringLiteral("tmr2"));
    tmr2->setInterval(5000);
    connect(tmr1, &QTimer::timeout, this, &TFrmMain::tmr1Timer);
    connect(tmr2, &QTimer::timeout, this, &TFrmMain::tmr2Timer);
    // The two small buttons sit flat over the ends of the banner.
    const QString overlay = QStringLiteral("QPushButton { padding: 0; min-height: 0; border: none; color: white;"
                                           " background: rgba(0, 0, 0, 70); font-weight: bold; }"
                                           " QPushButton:hover { background: rgba(0, 0, 0, 120); }");
    ui->btnPrvImg->setStyleSheet(overlay);
    ui->btnNextImg->setStyleSheet(overlay);
    connect(ui->btnPrvImg, &QPushButton::clicked, this, &TFrmMain::btnPrvImgClick);
    connect(ui->btnNextImg, &QPushButton::clicked, this, &TFrmMain::btnNextImgClick);

    connect(ui->btn1, &QPushButton::clicked, this, &TFrmMain::btn1Click);
    connect(ui->btn2, &QPushButton::clicked, this, &TFrmMain::btn2Click);
    connect(ui->btn3, &QPushButton::clicked, this, &TFrmMain::btn3Click);
    connect(ui->btn4, &QPushButton::clicked, this, &TFrmMain::btn4Click);
    connect(ui->btn5, &QPushButton::clicked, this, &TFrmMain::btn5Click);
    connect(ui->BtnSubject, &QPushButton::clicked, this, &TFrmMain::BtnSubjectClick);
    connect(ui->Lv1, &QTreeWidget::itemDoubleClicked, this, &TFrmMain::Lv1DblClick);
    connect(ui->Lv2, &QTreeWidget::itemDoubleClicked, this, &TFrmMain::Lv2DblClick);
    ui->Lv1->setColumnWidth(0, 560);
    ui->Lv2->setColumnWidth(0, 360);
    ui->Lv1->installEventFilter(this);
    ui->Lv2->installEventFilter(this);
    connect(CboxSkin, &QComboBox::activated, this, &TFrmMain::CboxSkinChange);
    FormCreate();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::FormCreate()
{
    {
        const QSignalBlocker block(CboxSkin);
        CboxSkin->setCurrentIndex(Dm->SkinIndex - 1);
    }
    LoadShippedPicture(ui->Image1, QStringLiteral("Images/Logo/logoEx.png"), QStringLiteral("Images/Logo/logoExDesc.png"));
    LoadShippedPicture(ui->Image3, QStringLiteral("Images/Logo/WxMPQREx.jpg"), QStringLiteral("Images/Logo/WxMPQRExDesc.jpg"));
    ui->PGMain->tabBar()->hide();
    BannerUrls.clear();
    ui->btn1->setChecked(true);
    ui->PGMain->setCurrentIndex(0);
    LBUserTel->setText(QStringLiteral("欢迎您，") + Dm->UserTelNo);
    Settings::ReadSubject(&Dm->SubjectID, &Dm->SubjectName);
    setSubjectTitle();
    FillPaperList(1);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setMaximumSize(screen->availableGeometry().size());
    tmr1->start();
}

void TFrmMain::setSubjectTitle()
{
    // The title line shows the subject, shortened to the button when it is long.
    const QString title = ui->BtnSubject->fontMetrics().elidedText(Dm->SubjectName, Qt::ElideRight, ui->BtnSubject->minimumWidth() - 16);
    ui->BtnSubject->setText(QStringLiteral("切换科目\n") + (title.isEmpty() ? Dm->SubjectName : title));
    ui->BtnSubject->setToolTip(Dm->SubjectName);
}

int TFrmMain::CurrentPage() const
{
    return ui->PGMain->currentIndex() + 1;
}

void TFrmMain::FillPaperList(int kind)
{
    if (kind != 1 && kind != 2)
        return;
    QTreeWidget* list = kind == 1 ? ui->Lv1 : ui->Lv2;
    list->clear();
    TQuery q;
    if (!Dm->OpenQuery(q, SqlText::Build(kind == 1 ? SqlText::TopicPapers : SqlText::MockPapers, {{u"SubjectID", Dm->SubjectID}})))
        return;
    static const QIcon topic = paperIcon(false);
    static const QIcon mock = paperIcon(true);
    for (q.First(); !q.Eof(); q.Next()) {
        auto* item = new QTreeWidgetItem(list);
        bool ok = false;
        const QString name = q.AsString(QStringLiteral("F_PAPER_NAME"), &ok);
        item->setText(0, ok ? name : QString());
        const QString count = q.AsString(QStringLiteral("F_QUESTION_COUNT"), &ok);
        item->setText(1, ok ? count : QString());
        const QString id = q.AsString(QStringLiteral("F_PAPER_ID"), &ok);
        item->setData(0, PaperIdRole, ok ? id : (kind == 1 ? QStringLiteral("-1") : QString()));
        item->setIcon(0, kind == 1 ? topic : mock);
        if (kind == 2) {
            item->setText(2, q.AsString(QStringLiteral("F_PAPER_SCORE")));
            item->setText(3, q.AsString(QStringLiteral("F_PASS_SCORE")));
            const QString minutes = q.AsString(QStringLiteral("F_EXAM_TIME"));
            item->setText(4, minutes.isEmpty() ? QString() : minutes + QStringLiteral("分钟"));
        }
    }
}

void TFrmMain::storeSubject()
{
    if (Dm->SubjectID == -1)
        return;
    QString error;
    if (!Settings::WriteSubject(Dm->SubjectID, Dm->SubjectName, &error))
        TBsDlg::Warning(this, kInfoTitle, error);
}

void TFrmMain::SelectPage(int page)
{
    QPushButton* buttons[5] = {ui->btn1, ui->btn2, ui->btn3, ui->btn4, ui->btn5};
    if (page < 1 || page > 5)
        return;
    buttons[page - 1]->setChecked(true);
    ui->PGMain->setCurrentIndex(page - 1);
    if (Dm->SubjectID != -1)
        return;
    TBsDlg::Information(this, kInfoTitle, QStringLiteral("您好，您未选择科目，请先选择科目！"));
    {
        TFrmChangeSubject subject(this);
        ShowModal(&subject);
    }
    setSubjectTitle();
    storeSubject();
}

void TFrmMain::btnClick(int n)
{
    SelectPage(n);
    FillPaperList(n);
}

void TFrmMain::BtnSubjectClick()
{
    {
        TFrmChangeSubject subject(this);
        ShowModal(&subject);
    }
    setSubjectTitle();
    storeSubject();
    FillPaperList(CurrentPage());
}

void TFrmMain::openPaper(QTreeWidget* list)
{
    if (list->topLevelItemCount() == 0 || list->selectedItems().isEmpty())
        return;
    TFrmExam exam(this);
    exam.PaperID = list->selectedItems().first()->data(0, PaperIdRole).toString().toInt();
    exam.StartExam();
    ShowModal(&exam);
}

void TFrmMain::Lv1DblClick() { openPaper(ui->Lv1); }
void TFrmMain::Lv2DblClick() { openPaper(ui->Lv2); }

void TFrmMain::CboxSkinChange(int index)
{
    Dm->SkinIndex = index + 1;
    Dm->ChangeSkin(Dm->SkinIndex);
    QString error;
    if (!Settings::WriteSkin(Dm->SkinIndex, &error))
        TBsDlg::Warning(this, kInfoTitle, error);
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == ui->Lv1 || watched == ui->Lv2) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openPaper(static_cast<QTreeWidget*>(watched));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QString TFrmMain::BannerFile(int n)
{
    return ProgramFolder() + QStringLiteral("Images/RollImg%1.jpg").arg(n);
}

bool TFrmMain::showBanner(int n)
{
    QPixmap pixmap;
    if (!QFileInfo::exists(BannerFile(n)) || !pixmap.load(BannerFile(n)))
        return false;
    ui->ImageRollImg->setPixmap(pixmap);
    return true;
}

void TFrmMain::tmr1Timer()
{
    // Runs once: whatever happens, the load is not repeated.
    tmr1->stop();
    TQuery q;
    if (!Dm->OpenQuery(q, QString::fromUtf16(SqlText::Banners)))
        return;
    int n = 0;
    for (q.First(); !q.Eof(); q.Next()) {
        bool ok = false;
        const QByteArray data = q.AsBytes(QStringLiteral("F_IMG_DATA"), &ok);
        const QString url = q.AsString(QStringLiteral("F_INFO_URL"));
        if (!ok || data.isEmpty())
            break;
        // Only a banner whose file is fully written counts.
        QSaveFile file(BannerFile(n + 1));
        file.setDirectWriteFallback(false);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            break;
        BannerUrls << url;
        ++n;
    }
    if (BannerUrls.isEmpty())
        return;
    tmr2->start();
    BannerIndex = 1;
    showBanner(1);
    if (BannerUrls.size() >= 2) {
        ui->btnPrvImg->show();
        ui->btnNextImg->show();
    }
}

void TFrmMain::tmr2Timer()
{
    if (BannerUrls.isEmpty())
        return;
    BannerIndex = BannerIndex >= BannerUrls.size() ? 1 : BannerIndex + 1;
    showBanner(BannerIndex);
}

void TFrmMain::btnPrvImgClick()
{
    tmr2->stop();
    BannerIndex = BannerIndex <= 1 ? int(BannerUrls.size()) : BannerIndex - 1;
    tmr2->start();
}

void TFrmMain::btnNextImgClick()
{
    tmr2->stop();
    BannerIndex = BannerIndex >= BannerUrls.size() ? 1 : BannerIndex + 1;
    tmr2->start();
}
