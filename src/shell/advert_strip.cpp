#include "shell/advert_strip.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QToolButton>

#include "shell/web_addresses.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

// A label that reports clicks.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && onClick)
            onClick();
    }
};

} // namespace

AdvertStrip::AdvertStrip(QString programFolder, QWidget* parent)
    : QWidget(parent), pictureFile_(programFolder + u"guanggao.gif"_s)
{
    setObjectName(u"pan"_s);
    setFixedSize(900, 120);
    auto* picture = new ClickLabel(this);
    picture->setObjectName(u"imggif"_s);
    picture->setGeometry(0, 0, 900, 120);
    picture->setScaledContents(true);
    picture->setCursor(Qt::PointingHandCursor);
    picture->onClick = [this] { imggifClick(); };
    imggif_ = picture;

    panclose_ = new QToolButton(this);
    panclose_->setObjectName(u"panclose"_s);
    panclose_->setText(u"×"_s);
    panclose_->setGeometry(900 - 25, 0, 25, 25);
    panclose_->setAutoRaise(true);
    panclose_->setStyleSheet(u"QToolButton { color: white; font-size: 24px; border: none; }"_s);
    connect(panclose_, &QToolButton::clicked, this, &AdvertStrip::pancloseClick);
}

void AdvertStrip::start(const QUrl& server)
{
    QFile::remove(pictureFile_);
    server_ = server;
    if (!server.isValid() || server.isEmpty()) {
        fail();
        return;
    }
    network_ = new QNetworkAccessManager(this);
    QNetworkReply* reply = get(u"guanggao.gif"_s);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { pictureFetched(reply); });
}

QNetworkReply* AdvertStrip::get(const QString& file)
{
    QNetworkRequest request(server_.resolved(QUrl(file)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    return network_->get(request);
}

void AdvertStrip::pictureFetched(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        fail();
        return;
    }
    QSaveFile file(pictureFile_);
    if (!file.open(QIODevice::WriteOnly) || file.write(reply->readAll()) < 0 || !file.commit()) {
        fail();
        return;
    }
    QNetworkReply* next = get(u"ggurl.txt"_s);
    connect(next, &QNetworkReply::finished, this, [this, next] { linkFetched(next); });
}

void AdvertStrip::linkFetched(QNetworkReply* reply)
{
    reply->deleteLater();
    // The link text itself is not used; only a successful fetch keeps the strip.
    if (reply->error() != QNetworkReply::NoError) {
        fail();
        return;
    }
    movie_ = new QMovie(pictureFile_, QByteArray(), this);
    if (!movie_->isValid()) {
        fail();
        return;
    }
    imggif_->setMovie(movie_);
    movie_->start();
    emit finished(true);
}

void AdvertStrip::fail()
{
    hide();
    emit finished(false);
}

void AdvertStrip::imggifClick() { QDesktopServices::openUrl(QUrl(web::advertiserPage())); }

void AdvertStrip::pancloseClick() { hide(); }

} // namespace pickora::ui
