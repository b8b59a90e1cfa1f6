#include "acquire/u_services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "acquire/draw_download.h"
#include "acquire/service_settings.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmservices::Tfrmservices(ProgramFolder folder, DownloadState& downloads, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), downloads_(downloads)
{
    setObjectName(u"Tfrmservices"_s);
    setWindowTitle(u"开奖服务设置"_s);
    setModal(true);

    lblpages = new QLabel(u"开奖列表页服务器："_s, this);
    lblpages->setObjectName(u"lblpages"_s);
    edtpages = new QLineEdit(downloads_.pageServer.toString(), this);
    edtpages->setObjectName(u"edtpages"_s);
    lblfeed = new QLabel(u"最新开奖XML服务器："_s, this);
    lblfeed->setObjectName(u"lblfeed"_s);
    edtfeed = new QLineEdit(downloads_.feedServer.toString(), this);
    edtfeed->setObjectName(u"edtfeed"_s);
    lblfile = new QLabel(u"地址保存在程序文件夹的“开奖服务.txt”中。"_s, this);
    lblfile->setObjectName(u"lblfile"_s);
    for (QLineEdit* edit : {edtpages, edtfeed})
        edit->setMinimumWidth(360);

    btndefault = new QPushButton(u"默认地址"_s, this);
    btndefault->setObjectName(u"btndefault"_s);
    btndefault->setAutoDefault(false);
    btnok = new QPushButton(u"确定"_s, this);
    btnok->setObjectName(u"btnok"_s);
    btnok->setDefault(true);
    btncancel = new QPushButton(u"取消"_s, this);
    btncancel->setObjectName(u"btncancel"_s);
    btncancel->setAutoDefault(false);
    connect(btndefault, &QPushButton::clicked, this, [this] { btndefaultClick(); });
    connect(btnok, &QPushButton::clicked, this, [this] { btnokClick(); });
    connect(btncancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblpages, 0, 0);
    grid->addWidget(edtpages, 0, 1);
    grid->addWidget(lblfeed, 1, 0);
    grid->addWidget(edtfeed, 1, 1);
    grid->addWidget(lblfile, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btndefault);
    buttons->addStretch();
    buttons->addWidget(btnok);
    buttons->addWidget(btncancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
}

void Tfrmservices::btndefaultClick()
{
    edtpages->setText(downloads_.defaultPageServer.toString());
    edtfeed->setText(downloads_.defaultFeedServer.toString());
}

void Tfrmservices::btnokClick()
{
    const std::pair<QLineEdit*, QString> fields[] = {{edtpages, u"开奖列表页服务器"_s},
                                                     {edtfeed, u"最新开奖XML服务器"_s}};
    for (const auto& [edit, name] : fields) {
        const std::string problem = addressProblem(edit->text().toStdString());
        if (!problem.empty()) {
            edit->setFocus();
            edit->selectAll();
            dialogs::error(this, u"%1的地址不对：%2"_s.arg(name, QString::fromStdString(problem)));
            return;
        }
    }
    downloads_.pageServer = QUrl(QString::fromStdString(normalisedAddress(edtpages->text().toStdString())));
    downloads_.feedServer = QUrl(QString::fromStdString(normalisedAddress(edtfeed->text().toStdString())));
    QString error;
    if (!saveServiceSettings(folder_, downloads_, &error))
        dialogs::error(this, u"新地址这次运行有效，但没有保存：\n"_s + error);
    accept();
}

} // namespace pickora::ui
