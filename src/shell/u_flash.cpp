#include "shell/u_flash.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "widgets/dialogs.h"
#include "shell/jpeg_picture.h"
#include "shell/tick_source.h"
#include "shell/credit_lines.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QLabel* makeLine(QWidget* parent, const char* name, const QString& text, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    QFont font = label->font();
    font.setPixelSize(15);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(u"color: yellow; background: transparent;"_s);
    label->setGeometry(40, top, 480, 22);
    return label;
}

} // namespace

Tfrmflash::Tfrmflash(const ProgramFolder& folder, TickSource* ticks, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowDoesNotAcceptFocus),
      timer_(ticks ? ticks : new SecondTicks(this))
{
    setObjectName(u"Tfrmflash"_s);
    setFixedSize(551, 337);
    // Above every other window without taking the focus from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    lbltitle = new QLabel(u"Karvo11选5Pickora"_s, this);
    lbltitle->setObjectName(u"lbltitle"_s);
    QFont titleFont = lbltitle->font();
    titleFont.setPixelSize(44);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    lbltitle->setFont(titleFont);
    lbltitle->setStyleSheet(u"color: red; background: transparent;"_s);
    lbltitle->setGeometry(34, 34, 500, 60);

    lblshiyong = new QLabel(u"适用：重庆广东山东江西11选5"_s, this);
    lblshiyong->setObjectName(u"lblshiyong"_s);
    QFont lineFont = lblshiyong->font();
    lineFont.setPixelSize(18);
    lineFont.setBold(true);
    lblshiyong->setFont(lineFont);
    lblshiyong->setStyleSheet(u"color: white; background: transparent;"_s);
    lblshiyong->setGeometry(40, 104, 480, 28);

    lblchuping = makeLine(this, "lblchuping", u"出品："_s, 186);
    lblweb = makeLine(this, "lblweb", u"网址："_s, 210);
    lblqq = makeLine(this, "lblqq", u"QQ："_s, 234);
    lblmail = makeLine(this, "lblmail", u"邮箱："_s, 258);
    lblphone = makeLine(this, "lblphone", u"电话："_s, 282);

    connect(timer_, &TickSource::tick, this, &Tfrmflash::Timer1Timer);
    FormCreate(folder);
}

void Tfrmflash::FormCreate(const ProgramFolder& folder)
{
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    QString why;
    const std::optional<QStringList> lines =
        readCreditLines(folder.attachmentsFolder() + u"flash.txt"_s, &why);
    if (!lines) {
        // The lines keep their first texts, and the picture (read after them) is not loaded.
        dialogs::error(this, why);
        return;
    }
    // Line 2 of the file (the product name) is not shown: the title says it.
    const std::pair<int, QLabel*> placed[] = {
        {0, lblchuping}, {2, lblweb}, {3, lblqq}, {4, lblmail}, {5, lblphone}};
    for (const auto& [line, label] : placed)
        if (line < lines->size())
            label->setText(lines->at(line));

    QFile file(folder.path(u"图片/flash.jpg"_s));
    if (file.open(QIODevice::ReadOnly))
        picture_ = decodeJpeg(file.readAll()); // a missing or damaged picture: none is shown
}

void Tfrmflash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    timer_->start();
}

void Tfrmflash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.isNull())
        painter.fillRect(rect(), QColor(0x1f, 0x3a, 0x4d));
    else
        painter.drawImage(rect(), picture_);
}

void Tfrmflash::Timer1Timer()
{
    if (++ticks_ >= kTicksShown) {
        timer_->stop();
        accept();
    }
}

} // namespace pickora::ui
