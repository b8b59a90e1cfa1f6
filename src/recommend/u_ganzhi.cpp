#include "recommend/u_ganzhi.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "store/u_public.h"
#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

Tfrmganzhi::Tfrmganzhi(const DrawStore& store, QWidget* parent)
    : RecommendWindow(RecommendMethod::StemsBranches, store, parent)
{
    setObjectName(u"Tfrmganzhi"_s);
    FormCreate();
}

QLineEdit* Tfrmganzhi::addBox(const QString& name, const QString& labelName, const QString& label,
                              QBoxLayout* row)
{
    auto* caption = new QLabel(label, this);
    caption->setObjectName(labelName);
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setReadOnly(true);
    row->addWidget(caption);
    row->addWidget(box);
    return box;
}

void Tfrmganzhi::FormCreate()
{
    optadd = new QGroupBox(this);
    optadd->setObjectName(u"optadd"_s);
    addButtons = new QButtonGroup(optadd);
    auto* modes = new QHBoxLayout(optadd);
    modes->setContentsMargins(8, 2, 8, 2);
    for (const QString& caption : {u"标准"_s, u"附加"_s}) {
        auto* button = new QRadioButton(caption, optadd);
        addButtons->addButton(button, addButtons->buttons().size());
        modes->addWidget(button);
    }
    addButtons->button(0)->setChecked(true);

    auto* row = new QHBoxLayout;
    row->addWidget(optadd);
    edtdate = addBox(u"edtdate"_s, u"lbldate"_s, u"开奖日期："_s, row);
    edttiangan = addBox(u"edttiangan"_s, u"lbltiangan"_s, u"天干："_s, row);
    edtdizhi = addBox(u"edtdizhi"_s, u"lbldizhi"_s, u"地支："_s, row);
    edtdate->setMaximumWidth(110);
    edttiangan->setMaximumWidth(40);
    edtdizhi->setMaximumWidth(40);
    btnclose = new QPushButton(u"关闭"_s, this);
    btnclose->setObjectName(u"btnclose"_s);
    row->addStretch();
    row->addWidget(btnclose);
    settingsArea()->addLayout(row);

    btngen->setDefault(true);
    btngen->setAutoDefault(true);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmganzhi::btncloseClick);
    startUp();
}

bool Tfrmganzhi::additional() const { return addButtons->checkedId() == 1; }

void Tfrmganzhi::targetChanged()
{
    const std::optional<Date> date = targetDate(history().dates, target(), profile().name);
    const std::optional<StemBranch> sb = date ? stemBranchOf(*date) : std::nullopt;
    edtdate->setText(date ? fromUtf8(dateText(*date)) : QString());
    edttiangan->setText(sb ? fromUtf8(stemName(sb->stem)) : QString());
    edtdizhi->setText(sb ? fromUtf8(branchName(sb->branch)) : QString());
}

Backtest Tfrmganzhi::computeBacktest() const
{
    return stemsBranchesBacktest(history().draws, history().dates, profile().totalNumbers,
                                 profile().pickCount, additional());
}

std::optional<std::vector<int>> Tfrmganzhi::generate()
{
    const std::optional<Date> date = parseDate(edtdate->text().toStdString());
    const std::optional<StemBranch> reckoned = date ? stemBranchOf(*date) : std::nullopt;
    if (!reckoned) {
        dialogs::error(this, u"请输入正确的开奖日期！"_s);
        return std::nullopt;
    }
    if (edttiangan->text().isEmpty() || edtdizhi->text().isEmpty()) {
        edttiangan->setText(fromUtf8(stemName(reckoned->stem)));
        edtdizhi->setText(fromUtf8(branchName(reckoned->branch)));
    }
    // The stem and branch shown; a text that is neither falls back to the date's own.
    const int stem = stemIndex(edttiangan->text().toStdString()).value_or(reckoned->stem);
    const int branch = branchIndex(edtdizhi->text().toStdString()).value_or(reckoned->branch);
    return patternNumbers(digitPattern(stem, branch, additional()), profile().totalNumbers);
}

void Tfrmganzhi::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btngen->click();
        return;
    }
    RecommendWindow::keyPressEvent(event);
}

} // namespace pickora::ui
