// mkassets OUTDIR: draws the demo pictures (logo, phone-practice code, banners,
// question and explanation pictures) so that no binary picture is kept in the
// repository. Runs at build time on the offscreen platform.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cstdio>

namespace {

QFont font(int px, bool bold = false)
{
    QFont f(QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"), QStringLiteral("sans-serif")});
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QImage canvas(int w, int h, QColor fill = Qt::white)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

bool save(const QImage& img, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool ok = img.save(path, path.endsWith(QLatin1String(".png")) ? "PNG" : "JPG", 90);
    if (!ok)
        std::fprintf(stderr, "mkassets: cannot write %s\n", qPrintable(path));
    return ok;
}

QImage logo()
{
    QImage img(220, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 56);
    g.setColorAt(0, QColor(0x3d, 0x8b, 0xe8));
    g.setColorAt(1, QColor(0x1b, 0x5a, 0xa8));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(4, 4, 56, 56, 12, 12);
    // An ink stone under a bridge arch.
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(14, 18, 36, 36, 20 * 16, 140 * 16);
    p.drawLine(12, 44, 52, 44);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 44), 6, 3);
    p.setPen(QColor(0x1b, 0x5a, 0xa8));
    p.setFont(font(28, true));
    p.drawText(QRect(68, 4, 150, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("砚桥题库"));
    p.setPen(QColor(0x55, 0x66, 0x77));
    p.setFont(font(11));
    p.drawText(QRect(70, 42, 150, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("计算机等级考试练习"));
    return img;
}

QImage phoneCode()
{
    QImage img = canvas(132, 132);
    QPainter p(&img);
    const int cell = 6, n = 21, off = 3;
    QRandomGenerator rng(20261211);
    auto finder = [&](int cx, int cy) {
        p.fillRect(off + cx * cell, off + cy * cell, 7 * cell, 7 * cell, Qt::black);
        p.fillRect(off + (cx + 1) * cell, off + (cy + 1) * cell, 5 * cell, 5 * cell, Qt::white);
        p.fillRect(off + (cx + 2) * cell, off + (cy + 2) * cell, 3 * cell, 3 * cell, Qt::black);
    };
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const bool inFinder = (x < 8 && y < 8) || (x >= n - 8 && y < 8) || (x < 8 && y >= n - 8);
            if (!inFinder && rng.bounded(2))
                p.fillRect(off + x * cell, off + y * cell, cell, cell, Qt::black);
        }
    }
    finder(0, 0);
    finder(n - 7, 0);
    finder(0, n - 7);
    return img;
}

QImage banner(int index, const QString& title, const QString& line, QColor a, QColor b)
{
    QImage img = canvas(600, 90);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 600, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(img.rect(), g);
    p.setPen(QColor(255, 255, 255, 60));
    for (int i = 0; i < 8; ++i)
        p.drawEllipse(QPointF(470 + i * 18, 45), 30 + i * 6, 30 + i * 6);
    p.setPen(Qt::white);
    p.setFont(font(26, true));
    p.drawText(QRect(40, 8, 520, 44), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font(15));
    p.drawText(QRect(42, 50, 520, 30), Qt::AlignLeft | Qt::AlignVCenter, line);
    p.setFont(font(12));
    p.drawText(QRect(540, 64, 50, 20), Qt::AlignRight, QString::number(index));
    return img;
}

QImage boxes(int w, int h, const QString& caption, const QStringList& parts)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font(14, true));
    p.setPen(QColor(0x22, 0x33, 0x44));
    p.drawText(QRect(0, 4, w, 24), Qt::AlignCenter, caption);
    const int bw = (w - 20 - 10 * (parts.size() - 1)) / std::max<qsizetype>(1, parts.size());
    p.setFont(font(13));
    for (int i = 0; i < parts.size(); ++i) {
        const QRect r(10 + i * (bw + 10), 36, bw, h - 50);
        p.setBrush(QColor::fromHsv((200 + i * 40) % 360, 60, 245));
        p.setPen(QColor(0x55, 0x77, 0x99));
        p.drawRoundedRect(r, 6, 6);
        p.setPen(QColor(0x22, 0x33, 0x44));
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, parts.at(i));
    }
    return img;
}

QImage icon(const QString& letter, QColor color)
{
    QImage img = canvas(64, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(6, 6, 52, 52, 8, 8);
    p.setPen(Qt::white);
    p.setFont(font(30, true));
    p.drawText(QRect(6, 6, 52, 52), Qt::AlignCenter, letter);
    return img;
}

QImage chart()
{
    QImage img = canvas(360, 180);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font(12));
    p.setPen(Qt::black);
    p.drawLine(40, 150, 340, 150);
    p.drawLine(40, 20, 40, 150);
    const int values[] = {60, 95, 80, 120};
    const char* const names[] = {"一季度", "二季度", "三季度", "四季度"};
    for (int i = 0; i < 4; ++i) {
        p.fillRect(70 + i * 68, 150 - values[i], 36, values[i], QColor(0x2f, 0x7b, 0xd9));
        p.drawText(QRect(56 + i * 68, 152, 64, 20), Qt::AlignCenter, QString::fromUtf8(names[i]));
    }
    p.drawText(QRect(0, 0, 360, 18), Qt::AlignCenter, QStringLiteral("销售额（万元）"));
    return img;
}

QImage network()
{
    QImage img = canvas(360, 150);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF hub(180, 80);
    p.setPen(QPen(QColor(0x44, 0x55, 0x66), 2));
    for (int i = 0; i < 6; ++i) {
        const QPointF node(40 + i * 56, i % 2 ? 130 : 25);
        p.drawLine(hub, node);
        p.setBrush(QColor(0xdb, 0xe8, 0xf7));
        p.drawRect(QRectF(node.x() - 16, node.y() - 10, 32, 20));
    }
    p.setBrush(QColor(0x2f, 0x7b, 0xd9));
    p.drawEllipse(hub, 22, 16);
    p.setPen(Qt::white);
    p.setFont(font(11, true));
    p.drawText(QRectF(hub.x() - 22, hub.y() - 10, 44, 20), Qt::AlignCenter, QStringLiteral("交换机"));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkassets OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString fs = out.filePath(QStringLiteral("files/"));
    bool ok = true;
    ok &= save(logo(), out.filePath(QStringLiteral("logo.png")));
    ok &= save(phoneCode(), out.filePath(QStringLiteral("wxmpqr.jpg")));
    ok &= save(banner(1, QStringLiteral("全国计算机等级考试 备考季"), QStringLiteral("专题练习 + 模拟考试，一站式刷题"),
                      QColor(0x1b, 0x5a, 0xa8), QColor(0x3d, 0x9b, 0xe8)), out.filePath(QStringLiteral("banners/banner10.jpg")));
    ok &= save(banner(2, QStringLiteral("Office 操作题 真实环境练习"), QStringLiteral("Word · Excel · PowerPoint 素材随题下发"),
                      QColor(0xc2, 0x4e, 0x1b), QColor(0xf0, 0x9a, 0x3e)), out.filePath(QStringLiteral("banners/banner20.jpg")));
    ok &= save(banner(3, QStringLiteral("错题解析 视频讲解"), QStringLiteral("每道题都有文字、图片和视频解析"),
                      QColor(0x1e, 0x7a, 0x4c), QColor(0x4c, 0xc2, 0x7e)), out.filePath(QStringLiteral("banners/banner30.jpg")));
    ok &= save(boxes(420, 150, QStringLiteral("计算机硬件系统"), {QStringLiteral("运算器"), QStringLiteral("控制器"),
               QStringLiteral("存储器"), QStringLiteral("输入设备"), QStringLiteral("输出设备")}), fs + QStringLiteral("img/cpu.jpg"));
    ok &= save(network(), fs + QStringLiteral("img/network.png"));
    ok &= save(chart(), fs + QStringLiteral("img/chart.png"));
    ok &= save(icon(QStringLiteral("W"), QColor(0x2b, 0x57, 0x9a)), fs + QStringLiteral("img/word.png"));
    ok &= save(icon(QStringLiteral("X"), QColor(0x21, 0x73, 0x46)), fs + QStringLiteral("img/excel.png"));
    ok &= save(icon(QStringLiteral("P"), QColor(0xb7, 0x47, 0x2a)), fs + QStringLiteral("img/ppt.png"));
    ok &= save(boxes(360, 110, QStringLiteral("常用快捷键"), {QStringLiteral("Ctrl+C\n复制"), QStringLiteral("Ctrl+V\n粘贴"),
               QStringLiteral("Ctrl+Z\n撤销")}), fs + QStringLiteral("img/keys.jpg"));
    ok &= save(boxes(520, 170, QStringLiteral("十进制 13 转二进制：除 2 取余，逆序排列"), {QStringLiteral("13÷2=6 余1"),
               QStringLiteral("6÷2=3 余0"), QStringLiteral("3÷2=1 余1"), QStringLiteral("1÷2=0 余1"), QStringLiteral("结果 1101")}),
               fs + QStringLiteral("parse/binary.jpg"));
    ok &= save(boxes(520, 150, QStringLiteral("SUM 与 AVERAGE"), {QStringLiteral("=SUM(B2:B9)\n求和"),
               QStringLiteral("=AVERAGE(B2:B9)\n平均值"), QStringLiteral("=MAX(B2:B9)\n最大值")}), fs + QStringLiteral("parse/formula.png"));
    ok &= save(boxes(480, 120, QStringLiteral("任务示意"), {QStringLiteral("标题：黑体 二号 居中"),
               QStringLiteral("正文：宋体 小四"), QStringLiteral("首行缩进 2 字符")}), fs + QStringLiteral("office/word01/sample.png"));
    ok &= save(chart(), fs + QStringLiteral("office/excel01/sample.png"));
    return ok ? 0 : 1;
}
