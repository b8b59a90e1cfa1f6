#include "exclude/u_allpiantai.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

ExclusionTraits bigOddTraits()
{
    ExclusionTraits t;
    t.searchButton = "btngen";
    t.headerBlanks = 34;
    t.searchBlanks = 28;
    t.loadBlanks = 28;
    t.continues = true;
    t.bigOddLoad = true;
    return t;
}

QLineEdit* box(QWidget* parent, const QString& name, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setFixedWidth(40);
    return e;
}

} // namespace

Tfrmallpiantai::Tfrmallpiantai(DrawStore& store, QWidget* parent)
    : ExclusionWindow(store, u"Tfrmallpiantai"_s, u"无穷偏态排除选号"_s, bigOddTraits(), parent)
{
    const int k = store.profile().pickCount;

    optmode = new QGroupBox(this);
    optmode->setObjectName(u"optmode"_s);
    optbig = new QRadioButton(u"大小模式"_s, optmode);
    optbig->setObjectName(u"optmode0"_s);
    optodd = new QRadioButton(u"奇偶模式"_s, optmode);
    optodd->setObjectName(u"optmode1"_s);
    optbig->setChecked(true);
    auto* modeLayout = new QHBoxLayout(optmode);
    modeLayout->addWidget(optbig);
    modeLayout->addWidget(optodd);
    connect(optbig, &QRadioButton::clicked, this, &Tfrmallpiantai::optmodeClick);
    connect(optodd, &QRadioButton::clicked, this, &Tfrmallpiantai::optmodeClick);

    chkda = new QCheckBox(this);
    chkda->setObjectName(u"chkda"_s);
    chkda->setChecked(true);
    edtdanum = box(this, u"edtdanum"_s, QString::number(k - 1));
    lblda = new QLabel(this);
    lblda->setObjectName(u"lblda"_s);
    edtdanum1 = box(this, u"edtdanum1"_s, u"0"_s);
    edtdanum2 = box(this, u"edtdanum2"_s, QString::number(k - 1));
    chkxiao = new QCheckBox(this);
    chkxiao->setObjectName(u"chkxiao"_s);
    chkxiao->setChecked(true);
    edtxiaonum = box(this, u"edtxiaonum"_s, u"1"_s);
    lblxiao = new QLabel(this);
    lblxiao->setObjectName(u"lblxiao"_s);
    edtxiaonum1 = box(this, u"edtxiaonum1"_s, u"1"_s);
    edtxiaonum2 = box(this, u"edtxiaonum2"_s, QString::number(k));
    edtyanxunum = box(this, u"edtyanxunum"_s, u"2"_s);
    optmodeClick();

    comjieduannum->addItem(u"全部期"_s);
    for (int i = 1; i <= drawCount(); ++i)
        comjieduannum->addItem(QString::number(i));
    comjieduannum->setCurrentIndex(0);

    const auto rule = [this](QCheckBox* check, QLineEdit* threshold, QLabel* label, QLineEdit* from,
                             QLineEdit* to) {
        auto* group = new QVBoxLayout;
        auto* first = new QHBoxLayout;
        first->addWidget(check);
        first->addWidget(threshold);
        first->addStretch();
        auto* second = new QHBoxLayout;
        second->addSpacing(20);
        second->addWidget(label);
        second->addWidget(from);
        second->addWidget(new QLabel(u"到"_s, this));
        second->addWidget(to);
        second->addStretch();
        group->addLayout(first);
        group->addLayout(second);
        return group;
    };

    auto* right = new QVBoxLayout;
    right->addWidget(optmode);
    right->addLayout(rule(chkda, edtdanum, lblda, edtdanum1, edtdanum2));
    right->addLayout(rule(chkxiao, edtxiaonum, lblxiao, edtxiaonum1, edtxiaonum2));
    right->addWidget(stopRuleBox());
    right->addWidget(labelled(u"阶段期数："_s, comjieduannum));
    right->addWidget(labelled(u"延续期数："_s, edtyanxunum));
    right->addWidget(labelled(u"目前投注期："_s, comcurqi));
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btngen, btnsave, btnload, btnclear, btnclose})
        buttons->addWidget(b);
    right->addLayout(buttons);

    auto* top = new QHBoxLayout;
    top->addWidget(listBox(), 1);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top, 1);
    layout->addWidget(pb);
    resize(760, 560);
}

bool Tfrmallpiantai::oddMode() const
{
    return optodd->isChecked();
}

void Tfrmallpiantai::optmodeClick()
{
    // Only the captions follow the mode; the numbers in the boxes stay.
    const QString word = oddMode() ? u"奇数"_s : u"大数"_s;
    chkda->setText(word + u"个数>="_s);
    lblda->setText(u"时本期"_s + word + u"个数"_s);
    chkxiao->setText(word + u"个数<="_s);
    lblxiao->setText(u"时本期"_s + word + u"个数"_s);
}

std::unique_ptr<ExclusionMember> Tfrmallpiantai::makeMember(ExclusionBasis basis)
{
    const int k = store().profile().pickCount;
    const QString word = oddMode() ? u"奇数"_s : u"大数"_s;
    BigOddRules rules;
    rules.oddMode = oddMode();
    const auto streak =
        readSetting(u"延续期数"_s, edtyanxunum->text(), 0, std::max(0, drawCount()));
    if (!streak)
        return nullptr;
    rules.streak = *streak;
    const struct {
        QString field;
        QLineEdit* edit;
        int* value;
    } boxes[] = {
        {word + u"个数>="_s, edtdanum, &rules.highThreshold},
        {u"时本期"_s + word + u"个数（起）"_s, edtdanum1, &rules.highFrom},
        {u"时本期"_s + word + u"个数（止）"_s, edtdanum2, &rules.highTo},
        {word + u"个数<="_s, edtxiaonum, &rules.lowThreshold},
        {u"时本期"_s + word + u"个数（起）"_s, edtxiaonum1, &rules.lowFrom},
        {u"时本期"_s + word + u"个数（止）"_s, edtxiaonum2, &rules.lowTo},
    };
    for (const auto& b : boxes) {
        const auto value = readSetting(b.field, b.edit->text(), 0, k);
        if (!value)
            return nullptr;
        *b.value = *value;
    }
    rules.highOn = chkda->isChecked();
    rules.lowOn = chkxiao->isChecked();
    if (!enoughDraws(std::max(1, rules.streak), u"延续期数为 %1 时"_s.arg(rules.streak)))
        return nullptr;
    return std::make_unique<BigOddExclusion>(std::move(basis), rules);
}

} // namespace pickora::ui
