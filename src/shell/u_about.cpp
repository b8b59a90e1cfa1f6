#include "shell/u_about.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QScreen>

#include "widgets/dialogs.h"
#include "shell/credit_lines.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

// Three lottery balls, the program's emblem.
class BallsPicture : public QWidget {
public:
    explicit BallsPicture(QWidget* parent) : QWidget(parent) { setObjectName(u"Image1"_s); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const struct {
            double x, y, r;
            QColor colour;
            const char* number;
        } balls[] = {{0.30, 0.34, 0.26, QColor(0xc6, 0x28, 0x28), "05"},
                     {0.70, 0.40, 0.24, QColor(0x1e, 0x6f, 0xb5), "11"},
                     {0.48, 0.74, 0.24, QColor(0xe0, 0x8a, 0x12), "08"}};
        const double side = std::min(width(), height());
        for (const auto& b : balls) {
            const QPointF centre(b.x * width(), b.y * height());
            const double radius = b.r * side;
            QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
            shade.setColorAt(0, b.colour.lighter(170));
            shade.setColorAt(0.5, b.colour);
            shade.setColorAt(1, b.colour.darker(160));
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawEllipse(centre, radius, radius);
            painter.setBrush(Qt::white);
            painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
            QFont font = painter.font();
            font.setBold(true);
            font.setPixelSize(static_cast<int>(radius * 0.62));
            painter.setFont(font);
            painter.setPen(b.colour.darker(130));
            painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                             Qt::AlignCenter, QString::fromLatin1(b.number));
        }
    }
};

} // namespace

Tfrmabout::Tfrmabout(const ProgramFolder& folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(u"Tfrmabout"_s);
    setWindowTitle(u"关于本程序"_s);
    setFixedSize(405, 207);

    // The rounded silver frame with its teal border, holding the title and the seven lines.
    Shape1 = new QFrame(this);
    Shape1->setObjectName(u"Shape1"_s);
    Shape1->setGeometry(8, 8, 282, 156);
    Shape1->setStyleSheet(
        u"#Shape1 { background: silver; border: 2px solid teal; border-radius: 10px; }"_s);

    lbltitle = new QLabel(u"Karvo11选5Pickora12.0版"_s, Shape1);
    lbltitle->setObjectName(u"lbltitle"_s);
    QFont titleFont = lbltitle->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    lbltitle->setFont(titleFont);
    lbltitle->setStyleSheet(u"color: teal;"_s);
    lbltitle->setGeometry(12, 6, 262, 22);

    const struct {
        const char* name;
        QString initial;
    } items[] = {{"lblauthor", u"作者："_s},   {"lblbanquan", u"版权所有："_s},
                 {"lblweb", u"网址："_s},      {"lblqq", u"QQ："_s},
                 {"lblphone1", u"客服电话："_s}, {"lblphone2", u"手机："_s},
                 {"lblmail", u"邮箱："_s}};
    int top = 30;
    for (const auto& item : items) {
        auto* label = new QLabel(item.initial, Shape1);
        label->setObjectName(QLatin1StringView(item.name));
        QFont font = label->font();
        font.setPixelSize(12);
        label->setFont(font);
        label->setGeometry(14, top, 262, 17);
        lines_ << label;
        top += 17;
    }

    Image1 = new BallsPicture(this);
    Image1->setGeometry(298, 14, 100, 140);

    btnext = new QPushButton(u"关闭"_s, this);
    btnext->setObjectName(u"btnext"_s);
    btnext->setGeometry(305, 172, 90, 28);
    btnext->setDefault(true);
    connect(btnext, &QPushButton::clicked, this, &Tfrmabout::btnextClick);

    FormCreate(folder);
}

void Tfrmabout::FormCreate(const ProgramFolder& folder)
{
    QString why;
    const std::optional<QStringList> lines =
        readCreditLines(folder.attachmentsFolder() + u"about.txt"_s, &why);
    if (!lines)
        dialogs::error(this, why); // the lines keep their first texts
    else
        for (int i = 0; i < lines_.size() && i < lines->size(); ++i)
            lines_[i]->setText(lines->at(i));
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrmabout::btnextClick() { close(); }

} // namespace pickora::ui
