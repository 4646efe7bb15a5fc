#pragma once
// The main window: who is logged in, the current subject, its topic and mock
// papers, the skin choice and the banner strip.

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QComboBox;
class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class FrmMain;
}

class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    // Paper rows keep the paper id (sub-item 1) here.
    static constexpr int PaperIdRole = Qt::UserRole;

    void FillPaperList(int kind);
    void SelectPage(int page);
    int CurrentPage() const;

    void btn1Click() { btnClick(1); }
    void btn2Click() { btnClick(2); }
    void btn3Click() { btnClick(3); }
    void btn4Click() { btnClick(4); }
    void btn5Click() { btnClick(5); }
    void BtnSubjectClick();
    void Lv1DblClick();
    void Lv2DblClick();
    void CboxSkinChange(int index);

    // Banner strip.
    QStringList BannerUrls;
    int BannerIndex = 0;
    void tmr1Timer(); // loads the banners once
    void tmr2Timer(); // rotation
    void btnPrvImgClick();
    void btnNextImgClick();
    QTimer* tmr1 = nullptr;
    QTimer* tmr2 = nullptr;
    static QString BannerFile(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void btnClick(int n);
    void openPaper(QTreeWidget* list);
    void storeSubject();
    void setSubjectTitle();
    bool showBanner(int n);

    std::unique_ptr<Ui::FrmMain> ui;
    QComboBox* CboxSkin = nullptr;
    QLabel* LBUserTel = nullptr;
};
