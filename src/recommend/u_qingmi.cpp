#include "recommend/u_qingmi.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>

#include "store/u_public.h"
#include "widgets/dialogs.h"
#include "widgets/text_table_model.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

constexpr int kEachPosition = 0; // "各个位置"
constexpr int kOverall = 1;      // "总体位置"

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

Tfrmqingmi::Tfrmqingmi(const DrawStore& store, QWidget* parent)
    : RecommendWindow(RecommendMethod::IntimateNumbers, store, parent)
{
    setObjectName(u"Tfrmqingmi"_s);
    FormCreate();
}

void Tfrmqingmi::FormCreate()
{
    const int n = profile().totalNumbers;
    optsel = new QGroupBox(this);
    optsel->setObjectName(u"optsel"_s);
    selButtons = new QButtonGroup(optsel);
    auto* modes = new QHBoxLayout(optsel);
    modes->setContentsMargins(8, 2, 8, 2);
    for (const QString& caption : {u"各个位置"_s, u"总体位置"_s}) {
        auto* button = new QRadioButton(caption, optsel);
        selButtons->addButton(button, selButtons->buttons().size());
        modes->addWidget(button);
    }
    selButtons->button(kOverall)->setChecked(true);

    lblselnum = new QLabel(u"总体号码数："_s, this);
    lblselnum->setObjectName(u"lblselnum"_s);
    comselnum = addNumberList(u"comselnum"_s, 1, n, n / 2);
    auto* lbljieduanqi = new QLabel(u"阶段次数："_s, this);
    lbljieduanqi->setObjectName(u"lbljieduanqi"_s);
    comjieduanqi = new QComboBox(this);
    comjieduanqi->setObjectName(u"comjieduanqi"_s);
    QStringList stages{u"全部期数"_s};
    for (int s = 1; s <= history().count(); ++s)
        stages << QString::number(s);
    comjieduanqi->addItems(stages);
    comjieduanqi->setCurrentIndex(std::min(7, history().count()));

    codeModel_ = new TextTableModel(this);
    tabcode = new QTableView(this);
    tabcode->setObjectName(u"tabcode"_s);
    tabcode->setModel(codeModel_);
    styleAnalysisGrid(tabcode);
    tabcode->setWordWrap(true);
    tabcode->setFixedHeight(110);

    auto* row = new QHBoxLayout;
    row->addWidget(optsel);
    row->addWidget(lblselnum);
    row->addWidget(comselnum);
    row->addSpacing(16);
    row->addWidget(lbljieduanqi);
    row->addWidget(comjieduanqi);
    row->addStretch();
    settingsArea()->addLayout(row);
    settingsArea()->addWidget(tabcode);

    connect(selButtons, &QButtonGroup::idClicked, this, &Tfrmqingmi::optselClick);
    startUp();
}

IntimateSettings Tfrmqingmi::settings() const
{
    return {selButtons->checkedId() == kOverall, comselnum->currentIndex() + 1,
            comjieduanqi->currentIndex()};
}

void Tfrmqingmi::optselClick()
{
    comselnum->setCurrentIndex(0);
    lblselnum->setText(selButtons->checkedId() == kOverall ? u"总体号码数："_s : u"各位号码数："_s);
}

Backtest Tfrmqingmi::computeBacktest() const
{
    return intimateBacktest(history().draws, profile().totalNumbers, profile().pickCount, settings());
}

int Tfrmqingmi::firstChartRow() const { return settings().stageCount + 1; }

std::optional<std::vector<int>> Tfrmqingmi::generate()
{
    const IntimateSettings s = settings();
    const IntimateNumbers method(history().draws, profile().totalNumbers, profile().pickCount);
    const std::optional<IntimatePick> pick = method.recommend(target(), s);
    if (!pick) {
        dialogs::error(this, u"所选投注期是第一期，之前没有开奖号码可作参照，请选择其他投注期！"_s);
        return std::nullopt;
    }
    if (s.overall) {
        codeModel_->setFirstColumnFixed(false);
        codeModel_->setTable({QString()}, {{fromUtf8(intimateTotalText(*pick))}});
        tabcode->horizontalHeader()->hide();
    } else {
        const std::vector<std::vector<std::string>> cells = intimatePositionTable(*pick);
        const auto texts = [](const std::vector<std::string>& row) {
            QStringList list;
            for (const std::string& cell : row)
                list << fromUtf8(cell);
            return list;
        };
        std::vector<QStringList> rows;
        for (std::size_t r = 1; r < cells.size(); ++r)
            rows.push_back(texts(cells[r]));
        codeModel_->setFirstColumnFixed(true);
        codeModel_->setTable(texts(cells.front()), std::move(rows));
        tabcode->horizontalHeader()->show();
    }
    applyCodeWidths();
    return pick->numbers;
}

void Tfrmqingmi::applyCodeWidths()
{
    const int columns = codeModel_->columnCount();
    if (columns == 0)
        return;
    const int width = columns == 1 ? tabcode->width() - 30 : (tabcode->width() - 30) / columns;
    for (int c = 0; c < columns; ++c)
        tabcode->setColumnWidth(c, std::max(width, 40));
    if (columns == 1)
        tabcode->setRowHeight(0, 52); // room for two lines of the long cell
}

void Tfrmqingmi::resizeEvent(QResizeEvent* event)
{
    RecommendWindow::resizeEvent(event);
    applyCodeWidths();
}

} // namespace pickora::ui
