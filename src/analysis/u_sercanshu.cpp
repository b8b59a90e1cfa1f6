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

    // The run length on the left, the two tests one above the other on the right, so their
    // captions ("大数个数>=" and the like) show in full.
    auto* run = new QHBoxLayout;
    run->addWidget(Label2);
    run->addWidget(edtyanxunum);
    run->addWidget(Label1);
    run->addStretch();
    auto* tests = new QGridLayout;
    tests->addLayout(run, 0, 0);
    tests->addWidget(chk1, 0, 1);
    tests->addWidget(edtnum1, 0, 2);
    tests->addWidget(chk2, 1, 1);
    tests->addWidget(edtnum2, 1, 2);
    tests->addWidget(btnok, 2, 1, 1, 2, Qt::AlignRight);
    tests->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(tests);

    connect(optmode, &QButtonGroup::idClicked, this, &Tfrmsercanshu::optmodeClick);
    connect(btnok, &QPushButton::clicked, this, &Tfrmsercanshu::btnokClick);
    optmodeClick();
    // 367 x 196, or larger when the fonts need it: every caption shows whole.
    const QSize needed = sizeHint();
    setFixedSize(std::max(367, needed.width()), std::max(196, needed.height()));
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
    // The widest caption of all eight choices decides the width, so nothing moves on a change.
    int widest = 0;
    for (const IndicatorKind kind : kAllIndicators)
        for (const std::string& caption : {lowerCaption(kind), upperCaption(kind)})
            widest = std::max(widest, chk1->fontMetrics().horizontalAdvance(QString::fromStdString(caption)));
    const int box = chk1->sizeHint().width() - chk1->fontMetrics().horizontalAdvance(chk1->text());
    chk1->setMinimumWidth(widest + box);
    chk2->setMinimumWidth(widest + box);
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
