#include "analysis/u_sercanshu.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/read_number.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmsercanshu::Tfrmsercanshu(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"Tfrmsercanshu"_s);
    setWindowTitle(u"无穷变幻搜索参数"_s);
    setFixedSize(367, 196);

    auto* group = new QGroupBox(this);
    group->setObjectName(u"optmode"_s);
    auto* grid = new QGridLayout(group);
    optmode = new QButtonGroup(this);
    for (const IndicatorKind kind : kAllIndicators) {
        const int index = static_cast<int>(kind);
        auto* button = new QRadioButton(QString::fromUtf8(shortLabel(kind).data(),
                                                          static_cast<qsizetype>(shortLabel(kind).size())),
                                        group);
        optmode->addButton(button, index);
        grid->addWidget(button, index / 4, index % 4);
    }
    optmode->button(0)->setChecked(true);

    Label2 = new QLabel(u"连续"_s, this);
    Label2->setObjectName(u"Label2"_s);
    edtyanxunum = new QLineEdit(u"2"_s, this);
    edtyanxunum->setObjectName(u"edtyanxunum"_s);
    edtyanxunum->setFixedWidth(50);
    Label1 = new QLabel(u"期"_s, this);
    Label1->setObjectName(u"Label1"_s);
    chk1 = new QCheckBox(this);
    chk1->setObjectName(u"chk1"_s);
    chk1->setChecked(true);
    edtnum1 = new QLineEdit(u"3"_s, this);
    edtnum1->setObjectName(u"edtnum1"_s);
    edtnum1->setFixedWidth(50);
    chk2 = new QCheckBox(this);
    chk2->setObjectName(u"chk2"_s);
    chk2->setChecked(true);
    edtnum2 = new QLineEdit(u"0"_s, this);
    edtnum2->setObjectName(u"edtnum2"_s);
    edtnum2->setFixedWidth(50);
    btnok = new QPushButton(u"保存退出"_s, this);
    btnok->setObjectName(u"btnok"_s);
    btnok->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(Label2);
    row->addWidget(edtyanxunum);
    row->addWidget(Label1);
    row->addSpacing(12);
    row->addWidget(chk1);
    row->addWidget(edtnum1);
    row->addWidget(chk2);
    row->addWidget(edtnum2);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(row);
    layout->addWidget(btnok, 0, Qt::AlignRight);

    connect(optmode, &QButtonGroup::idClicked, this, &Tfrmsercanshu::optmodeClick);
    connect(btnok, &QPushButton::clicked, this, &Tfrmsercanshu::btnokClick);
    optmodeClick();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

IndicatorKind Tfrmsercanshu::indicator() const
{
    return static_cast<IndicatorKind>(std::max(0, optmode->checkedId()));
}

void Tfrmsercanshu::optmodeClick()
{
    // The tests apply to whichever indicator is chosen; the captions say which.
    chk1->setText(QString::fromStdString(lowerCaption(indicator())));
    chk2->setText(QString::fromStdString(upperCaption(indicator())));
}

std::optional<SearchSettings> Tfrmsercanshu::readSettings()
{
    SearchSettings s;
    s.kind = indicator();
    const auto run = readWholeNumber(this, u"连续…期"_s, edtyanxunum->text());
    if (!run)
        return std::nullopt;
    const auto lower = readWholeNumber(this, chk1->text(), edtnum1->text());
    if (!lower)
        return std::nullopt;
    const auto upper = readWholeNumber(this, chk2->text(), edtnum2->text());
    if (!upper)
        return std::nullopt;
    s.runLength = *run;
    s.lower = *lower;
    s.upper = *upper;
    s.lowerTicked = chk1->isChecked();
    s.upperTicked = chk2->isChecked();
    return s;
}

} // namespace pickora::ui
