#include "analysis/omission_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

#include "widgets/bar_chart.h"
#include "widgets/text_table_model.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool ticked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(ticked);
    return box;
}

} // namespace

OmissionWindow::OmissionWindow(OmissionVariant variant, const DrawStore& store, QWidget* parent)
    : QWidget(parent, parent ? Qt::Window | Qt::WindowStaysOnTopHint : Qt::Window), store_(store),
      variant_(variant), model_(new TextTableModel(this))
{
    const QString omission = text(omissionName(variant));
    setWindowTitle(text(omissionCaption(variant)));
    setFixedSize(970, 704);

    tabhistory = new QTableView(this);
    tabhistory->setObjectName(u"tabhistory"_s);
    tabhistory->setModel(model_);
    styleAnalysisGrid(tabhistory);
    tabhistory->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The header and eleven rows of 24 pixels fill the grid without a frame.
    tabhistory->setFrameShape(QFrame::NoFrame);
    tabhistory->setGeometry(20, 12, 929, 289);

    chthistory = new BarChart(u"总体中奖分析图表"_s, this);
    chthistory->setObjectName(u"chthistory"_s);
    chthistory->setGeometry(20, 309, 929, 249);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(u"GroupBox1"_s);
    GroupBox1->setGeometry(20, 566, 929, 52);
    chk0 = makeCheckBox(GroupBox1, u"chk0"_s, u"追号价值"_s, true);
    chk1 = makeCheckBox(GroupBox1, u"chk1"_s, omission, true);
    chk2 = makeCheckBox(GroupBox1, u"chk2"_s, u"中奖总次数"_s, true);
    chk3 = makeCheckBox(GroupBox1, u"chk3"_s, u"历史最大遗漏"_s, true);
    chkhistorybiao = makeCheckBox(GroupBox1, u"chkhistorybiao"_s, u"显示标注"_s, false);
    auto* boxes = new QHBoxLayout(GroupBox1);
    boxes->setContentsMargins(16, 4, 16, 4);
    for (QCheckBox* box : {chk0, chk1, chk2, chk3, chkhistorybiao}) {
        boxes->addWidget(box);
        boxes->addStretch();
    }

    Button1 = makeButton(this, u"Button1"_s, u"追号价值排序"_s);
    Button2 = makeButton(this, u"Button2"_s, omission + u"排序"_s);
    Button3 = makeButton(this, u"Button3"_s, u"总次数排序"_s);
    btnala = makeButton(this, u"btnala"_s, u"分析"_s);
    Button4 = makeButton(this, u"Button4"_s, u"关闭"_s);
    btnala->setDefault(true);
    const QList<QPushButton*> buttons = {Button1, Button2, Button3, btnala, Button4};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(114 + i * 150, 634, 130, 32);

    connect(Button1, &QPushButton::clicked, this, &OmissionWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &OmissionWindow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &OmissionWindow::Button3Click);
    connect(btnala, &QPushButton::clicked, this, &OmissionWindow::btnalaClick);
    connect(Button4, &QPushButton::clicked, this, &OmissionWindow::Button4Click);
    connect(chk0, &QCheckBox::clicked, this, &OmissionWindow::chk0Click);
    connect(chk1, &QCheckBox::clicked, this, &OmissionWindow::chk1Click);
    connect(chk2, &QCheckBox::clicked, this, &OmissionWindow::chk2Click);
    connect(chk3, &QCheckBox::clicked, this, &OmissionWindow::chk3Click);
    connect(chkhistorybiao, &QCheckBox::clicked, this, &OmissionWindow::chkhistorybiaoClick);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

void OmissionWindow::FormCreate()
{
    compute(SortMode::None);
    // Set once: the player's own column widths survive later computations.
    const int width = (tabhistory->width() - 30) / kOmissionColumns;
    for (int c = 0; c < kOmissionColumns; ++c)
        tabhistory->setColumnWidth(c, width);
    drawChart();
}

void OmissionWindow::compute(SortMode mode)
{
    sortMode_ = mode;
    rows_ = computeOmission(store_.history().draws, store_.profile().totalNumbers,
                            store_.profile().pickCount, variant_, sortMode_);

    QStringList headers;
    for (const std::string_view header : omissionHeaders(variant_))
        headers << text(header);
    std::vector<QStringList> table;
    table.reserve(rows_.size());
    for (const OmissionRow& row : rows_) {
        QStringList texts;
        for (const std::string& t : row.texts)
            texts << text(t);
        table.push_back(std::move(texts));
    }
    model_->setTable(headers, std::move(table));
}

void OmissionWindow::drawChart()
{
    QStringList numbers;
    BarSeriesData chase{u"追号价值"_s, Qt::red, {}, chk0->isChecked()};
    BarSeriesData omission{text(omissionName(variant_)), Qt::green, {}, chk1->isChecked()};
    BarSeriesData hits{u"中奖次数"_s, Qt::yellow, {}, chk2->isChecked()};
    BarSeriesData largest{u"历史最大遗漏"_s, Qt::blue, {}, chk3->isChecked()};
    for (const OmissionRow& row : rows_) {
        numbers << text(row.texts[0]);
        chase.values << row.chaseValue;
        omission.values << row.omission;
        hits.values << row.hits;
        largest.values << row.largestGap;
    }
    chthistory->showBars(numbers, {chase, omission, hits, largest}, chkhistorybiao->isChecked());
}

void OmissionWindow::btnalaClick()
{
    compute(SortMode::None);
    drawChart();
}

void OmissionWindow::Button1Click()
{
    compute(SortMode::ChaseValue);
    drawChart();
}

void OmissionWindow::Button2Click()
{
    compute(SortMode::Omission);
    drawChart();
}

void OmissionWindow::Button3Click()
{
    compute(SortMode::TotalHits);
    drawChart();
}

void OmissionWindow::Button4Click()
{
    close();
}

void OmissionWindow::chk0Click()
{
    drawChart();
}

void OmissionWindow::chk1Click()
{
    drawChart();
}

void OmissionWindow::chk2Click()
{
    drawChart();
}

void OmissionWindow::chk3Click()
{
    drawChart();
}

void OmissionWindow::chkhistorybiaoClick()
{
    drawChart();
}

void OmissionWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnala->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace pickora::ui
