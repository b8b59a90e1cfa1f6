#include "filter/u_totalfilt.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "analysis/indicators.h"
#include "filter/bet_list.h"
#include "filter/bet_list_model.h"
#include "filter/big_base.h"
#include "widgets/table_report.h"
#include "widgets/dialogs.h"
#include "widgets/long_loop.h"
#include "store/db_engine.h"
#include "store/draw_history.h"
#include "store/random_source.h"
#include "store/text_files.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

const QColor kSelectedTile(255, 50, 50);

struct IndicatorControl {
    const char* check;
    const char* low;
    const char* high;
    const char* caption;
};
constexpr std::array<IndicatorControl, 7> kIndicatorControls = {{
    {"chkdashu", "comdaxiao1", "comdaxiao2", "大数"},
    {"chkjishu", "comjiou1", "comjiou2", "奇数"},
    {"chkhei", "comhei1", "comhei2", "和值"},
    {"chkkuadu", "comkuadu1", "comkuadu2", "跨度"},
    {"chksandu", "comsandu1", "comsandu2", "散度："},
    {"chkpiandu", "compiandu1", "compiandu2", "偏度"},
    {"chkac", "comac1", "comac2", "AC值"},
}};

QString name(const char* text) { return QString::fromLatin1(text); }

QLineEdit* numberBox(QWidget* parent, const char* objectName, const QString& text, int width = 40)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name(objectName));
    edit->setFixedWidth(width);
    return edit;
}

QPushButton* button(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name(objectName));
    return b;
}

} // namespace

Tfrmtotalfilt::Tfrmtotalfilt(DrawStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      store_(store), random_(store.random())
{
    setObjectName(u"Tfrmtotalfilt"_s);
    setWindowTitle(u"总体过滤"_s);
    tabs = new QTabWidget(this);
    tabs->addTab(buildFilterTab(), u"常规过滤"_s);
    tabs->addTab(buildBaseTab(), u"大底交集"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs);
    resize(900, 640);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QWidget* Tfrmtotalfilt::buildFilterTab()
{
    auto* page = new QWidget;
    const int n = store_.profile().totalNumbers;
    const int k = store_.profile().pickCount;

    auto* conditions = new QGridLayout;
    for (std::size_t i = 0; i < kIndicatorControls.size(); ++i) {
        const IndicatorControl& c = kIndicatorControls[i];
        indicatorBoxes[i] = new QCheckBox(QString::fromUtf8(c.caption), page);
        indicatorBoxes[i]->setObjectName(name(c.check));
        const TheoreticalBounds bounds = theoreticalBounds(kFilterIndicators[i], n, k);
        QStringList values;
        for (int v = bounds.minimum; v <= bounds.maximum; ++v)
            values << QString::number(v);
        for (QComboBox** list : {&lowLists[i], &highLists[i]}) {
            *list = new QComboBox(page);
            (*list)->setEditable(true);
            (*list)->addItems(values);
            (*list)->setCurrentIndex(-1);
            (*list)->setMinimumWidth(64);
        }
        lowLists[i]->setObjectName(name(c.low));
        highLists[i]->setObjectName(name(c.high));
        const int row = static_cast<int>(i);
        conditions->addWidget(indicatorBoxes[i], row, 0);
        conditions->addWidget(lowLists[i], row, 1);
        conditions->addWidget(new QLabel(u"到"_s, page), row, 2);
        conditions->addWidget(highLists[i], row, 3);
    }

    chkdanma = new QCheckBox(u"胆码"_s, page);
    chkdanma->setObjectName(u"chkdanma"_s);
    edtdanma = numberBox(page, "edtdanma", {}, 120);
    edtnum1 = numberBox(page, "edtnum1", u"1"_s);
    edtnum2 = numberBox(page, "edtnum2", u"1"_s);
    auto* dan = new QHBoxLayout;
    dan->addWidget(chkdanma);
    dan->addWidget(edtdanma);
    dan->addWidget(new QLabel(u"预计中"_s, page));
    dan->addWidget(edtnum1);
    dan->addWidget(new QLabel(u"到"_s, page));
    dan->addWidget(edtnum2);
    dan->addWidget(new QLabel(u"个"_s, page));
    dan->addStretch();

    chkhongqiu = new QCheckBox(u"选择球号："_s, page);
    chkhongqiu->setObjectName(u"chkhongqiu"_s);
    edtzhong1 = numberBox(page, "edtzhong1", QString::number(k));
    edtzhong2 = numberBox(page, "edtzhong2", QString::number(k));
    btnsuiji1 = button(page, "btnsuiji1", u"随机选择球号"_s);
    btnsuiji1->setEnabled(false);
    edtsuiji1 = numberBox(page, "edtsuiji1", QString::number(k));
    auto* balls = new QHBoxLayout;
    balls->addWidget(chkhongqiu);
    balls->addWidget(new QLabel(u"中"_s, page));
    balls->addWidget(edtzhong1);
    balls->addWidget(new QLabel(u"到"_s, page));
    balls->addWidget(edtzhong2);
    balls->addSpacing(12);
    balls->addWidget(btnsuiji1);
    balls->addWidget(edtsuiji1);
    balls->addWidget(new QLabel(u"个"_s, page));
    balls->addStretch();

    auto* tileBox = new QGroupBox(page);
    tileBox->setObjectName(u"grpballs"_s);
    auto* tileGrid = new QGridLayout(tileBox);
    tileGrid->setSpacing(2);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 10; ++c) {
            const int number = 10 * r + c + 1;
            auto* tile = new QPushButton(tileBox);
            tile->setObjectName(u"ball%1"_s.arg(number, 2, 10, QLatin1Char('0')));
            tile->setFixedSize(30, 26);
            if (number <= n) {
                tile->setText(QString::asprintf("%.2d", number));
                connect(tile, &QPushButton::clicked, this, [this, number] { tileClick(number); });
            } else {
                tile->setEnabled(false);
            }
            tileGrid->addWidget(tile, r, c);
            tiles << tile;
            setTile(number, false);
        }

    auto* left = new QVBoxLayout;
    left->addLayout(conditions);
    left->addLayout(dan);
    left->addLayout(balls);
    left->addWidget(tileBox);
    left->addStretch();

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(u"投注号码："_s, page));
    lbljushu = new QLabel(page);
    lbljushu->setObjectName(u"lbljushu"_s);
    countRow->addWidget(lbljushu);
    countRow->addStretch();
    listModel_ = new BetListModel(this);
    grdtotalcode = new QTableView(page);
    grdtotalcode->setObjectName(u"grdtotalcode"_s);
    grdtotalcode->setModel(listModel_);
    grdtotalcode->verticalHeader()->hide();
    grdtotalcode->verticalHeader()->setDefaultSectionSize(22);
    grdtotalcode->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdtotalcode->setSelectionMode(QAbstractItemView::NoSelection);
    grdtotalcode->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdtotalcode->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdtotalcode->setColumnWidth(0, 60);
    grdtotalcode->horizontalHeader()->setStretchLastSection(true);
    grdtotalcode->setMinimumWidth(300);
    pb = new QProgressBar(page);
    pb->setObjectName(u"pb"_s);
    pb->hide();

    btnsave = button(page, "btnsave", u"复制"_s);
    btnclear = button(page, "btnclear", u"清空"_s);
    btnfilt = button(page, "btnfilt", u"过滤"_s);
    btnload = button(page, "btnload", u"载入"_s);
    btnprint = button(page, "btnprint", u"打印"_s);
    btnclose = button(page, "btnclose", u"关闭"_s);
    btnfilt->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnsave, btnclear, btnfilt, btnload, btnprint, btnclose})
        buttons->addWidget(b);

    auto* right = new QVBoxLayout;
    right->addLayout(countRow);
    right->addWidget(grdtotalcode, 1);
    right->addWidget(pb);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(btnfilt, &QPushButton::clicked, this, &Tfrmtotalfilt::btnfiltClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmtotalfilt::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &Tfrmtotalfilt::btnloadClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmtotalfilt::btnprintClick);
    connect(btnclear, &QPushButton::clicked, this, &Tfrmtotalfilt::btnclearClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmtotalfilt::btncloseClick);
    connect(btnsuiji1, &QPushButton::clicked, this, &Tfrmtotalfilt::btnsuiji1Click);
    connect(chkhongqiu, &QCheckBox::clicked, this, &Tfrmtotalfilt::chkhongqiuClick);
    return page;
}

QWidget* Tfrmtotalfilt::buildBaseTab()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(u"大底%1："_s.arg(i + 1), page);
        label->setObjectName(u"lbl%1"_s.arg(i + 1));
        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(u"mem%1"_s.arg(i + 1));
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        auto* paste = new QPushButton(u"粘贴"_s, page);
        paste->setObjectName(u"btnpst%1"_s.arg(i + 1));
        paste->setFixedWidth(44);
        baseLabels[static_cast<std::size_t>(i)] = label;
        baseMemos[static_cast<std::size_t>(i)] = memo;
        auto* cell = new QGridLayout;
        cell->addWidget(label, 0, 0);
        cell->addWidget(memo, 1, 0);
        cell->addWidget(paste, 1, 1, Qt::AlignTop);
        grid->addLayout(cell, i / 4, i % 4);
        connect(paste, &QPushButton::clicked, this, [this, i] { btnpstClick(i + 1); });
        connect(memo, &QPlainTextEdit::textChanged, this, [this, i] { memChange(i + 1); });
    }
    lbl = new QLabel(u"最终交集："_s, page);
    lbl->setObjectName(u"lbl"_s);
    mem = new QPlainTextEdit(page);
    mem->setObjectName(u"mem"_s);
    mem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    edtkaijiangz = numberBox(page, "edtkaijiangz", {}, 110);
    edtresultz = numberBox(page, "edtresultz", {}, 30);
    edtresultz->setReadOnly(true);
    auto* btnduijiangz = button(page, "btnduijiangz", u"对奖"_s);
    edtcuo1 = numberBox(page, "edtcuo1", u"0"_s);
    edtcuo2 = numberBox(page, "edtcuo2", u"0"_s);
    auto* btnjiaoqiz = button(page, "btnjiaoqiz", u"大底交集"_s);
    auto* btncopyz = button(page, "btncopyz", u"复制"_s);
    auto* btncls = button(page, "btncls", u"清空"_s);
    auto* controls = new QHBoxLayout;
    controls->addWidget(edtkaijiangz);
    controls->addWidget(edtresultz);
    controls->addWidget(btnduijiangz);
    controls->addSpacing(16);
    controls->addWidget(new QLabel(u"交集容错："_s, page));
    controls->addWidget(edtcuo1);
    controls->addWidget(new QLabel(u"到"_s, page));
    controls->addWidget(edtcuo2);
    controls->addSpacing(16);
    controls->addWidget(btnjiaoqiz);
    controls->addWidget(btncopyz);
    controls->addWidget(btncls);
    controls->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid, 3);
    layout->addWidget(lbl);
    layout->addWidget(mem, 1);
    layout->addLayout(controls);

    connect(btnjiaoqiz, &QPushButton::clicked, this, &Tfrmtotalfilt::btnjiaoqizClick);
    connect(btncopyz, &QPushButton::clicked, this, &Tfrmtotalfilt::btncopyzClick);
    connect(btncls, &QPushButton::clicked, this, &Tfrmtotalfilt::btnclsClick);
    connect(btnduijiangz, &QPushButton::clicked, this, &Tfrmtotalfilt::btnduijiangzClick);
    return page;
}

// ----------------------------------------------------------------------------- tiles

void Tfrmtotalfilt::setTile(int number, bool selected)
{
    QPushButton* tile = tiles.at(number - 1);
    tile->setProperty("selected", selected);
    tile->setStyleSheet(selected ? u"QPushButton { background: rgb(255,50,50); }"_s
                                 : u"QPushButton { background: palette(base); }"_s);
}

bool Tfrmtotalfilt::tileSelected(int number) const
{
    return tiles.at(number - 1)->property("selected").toBool();
}

QList<int> Tfrmtotalfilt::selectedBalls() const
{
    QList<int> balls;
    for (int x = 1; x <= store_.profile().totalNumbers; ++x)
        if (tileSelected(x))
            balls << x;
    return balls;
}

void Tfrmtotalfilt::updateSelectionCount()
{
    edtsuiji1->setText(QString::number(selectedBalls().size()));
}

void Tfrmtotalfilt::tileClick(int number)
{
    if (!chkhongqiu->isChecked()) {
        dialogs::error(this, u"请先在《选择球号》框上打勾！"_s);
        return;
    }
    setTile(number, !tileSelected(number));
    updateSelectionCount();
}

void Tfrmtotalfilt::chkhongqiuClick() { btnsuiji1->setEnabled(chkhongqiu->isChecked()); }

void Tfrmtotalfilt::btnsuiji1Click()
{
    const int n = store_.profile().totalNumbers;
    const auto count = parseInteger(edtsuiji1->text().toStdString());
    if (!count || *count < 0 || *count > n) {
        dialogs::error(this, u"随机选择的球号个数必须是 0 到 %1 之间的整数！"_s.arg(n));
        return;
    }
    for (int x = 1; x <= 50; ++x)
        setTile(x, false);
    random_.reseedFromClock();
    QList<int> drawn;
    while (drawn.size() < *count) {
        const int x = random_.uniform(1, n);
        if (!drawn.contains(x))
            drawn << x;
    }
    for (const int x : drawn)
        setTile(x, true);
}

void Tfrmtotalfilt::setBallPicking(bool enabled)
{
    if (!enabled)
        chkhongqiu->setChecked(false);
    chkhongqiu->setEnabled(enabled);
    btnsuiji1->setEnabled(enabled && chkhongqiu->isChecked());
    for (int x = 1; x <= store_.profile().totalNumbers; ++x)
        tiles.at(x - 1)->setEnabled(enabled);
}

// ----------------------------------------------------------------------------- filter run

FilterForm Tfrmtotalfilt::readForm() const
{
    FilterForm form;
    for (std::size_t i = 0; i < 7; ++i) {
        FilterForm::Range& r = form.indicators[i];
        r.checked = indicatorBoxes[i]->isChecked();
        r.low = lowLists[i]->currentText().trimmed().toStdString();
        r.high = highLists[i]->currentText().trimmed().toStdString();
        r.lowIndex = lowLists[i]->findText(lowLists[i]->currentText().trimmed());
        r.highIndex = highLists[i]->findText(highLists[i]->currentText().trimmed());
        if (r.low.empty())
            r.lowIndex = -1;
        if (r.high.empty())
            r.highIndex = -1;
    }
    form.danChecked = chkdanma->isChecked();
    form.danText = edtdanma->text().toStdString();
    form.danLeast = edtnum1->text().toStdString();
    form.danMost = edtnum2->text().toStdString();
    form.ballsChecked = chkhongqiu->isChecked();
    form.selectedBalls = static_cast<int>(selectedBalls().size());
    form.ballsLow = edtzhong1->text().toStdString();
    form.ballsHigh = edtzhong2->text().toStdString();
    return form;
}

std::optional<FilterConditions> Tfrmtotalfilt::readConditions()
{
    const FilterForm form = readForm();
    if (const auto problem = checkFilterForm(form, store_.profile().pickCount)) {
        dialogs::error(this, QString::fromStdString(*problem));
        return std::nullopt;
    }
    const auto number = [this](const std::string& text) {
        const auto value = parseInteger(text);
        if (!value)
            dialogs::error(this, u"“%1”不是有效的整数！"_s.arg(QString::fromStdString(text)));
        return value;
    };
    FilterConditions c;
    for (std::size_t i = 0; i < 7; ++i) {
        if (!form.indicators[i].checked)
            continue;
        const auto low = number(form.indicators[i].low);
        if (!low)
            return std::nullopt;
        const auto high = number(form.indicators[i].high);
        if (!high)
            return std::nullopt;
        c.indicators.push_back({kFilterIndicators[i], *low, *high});
    }
    if (form.ballsChecked) {
        const auto low = number(form.ballsLow);
        if (!low)
            return std::nullopt;
        const auto high = number(form.ballsHigh);
        if (!high)
            return std::nullopt;
        c.balls = true;
        c.ballsLow = *low;
        c.ballsHigh = *high;
        for (const int x : selectedBalls())
            c.selected[static_cast<std::size_t>(x)] = true;
    }
    if (form.danChecked) {
        c.dan = parseDanNumbers(form.danText);
        if (!c.dan) {
            dialogs::error(this, u"胆码“%1”中有不是整数的内容，请用空格隔开各个胆码！"_s.arg(edtdanma->text()));
            return std::nullopt;
        }
        c.danLeast = *parseInteger(form.danLeast);
        c.danMost = *parseInteger(form.danMost);
    }
    return c;
}

FilterContext Tfrmtotalfilt::context() const
{
    FilterContext c;
    c.totalNumbers = store_.profile().totalNumbers;
    c.pickCount = store_.profile().pickCount;
    if (!store_.history().draws.empty()) {
        const Draw& newest = store_.history().draws.back();
        c.newestDraw.assign(newest.numbers.begin(), newest.numbers.begin() + c.pickCount);
    }
    if (store_.transformedMode())
        c.transformed = &store_.transformed();
    return c;
}

void Tfrmtotalfilt::showList(int blanks, int kept)
{
    if (kept > kMaxListedBets) {
        listModel_->clear();
        dialogs::information(this, u"过滤后总注数为%1超过了最大显示行数300000行，暂不显示请继续缩水！"_s.arg(kept));
    } else {
        listModel_->showKept(store_.combinations(), blanks);
    }
}

void Tfrmtotalfilt::btnfiltClick()
{
    const auto conditions = readConditions();
    if (!conditions)
        return;
    CombinationSpace& space = store_.combinations();
    // A run that keeps nothing leaves the narrowing exactly as it was.
    const CombinationSpace before = space;
    if (freshStart_)
        space = buildCombinationSpace(store_.profile().totalNumbers);

    int kept = 0;
    {
        // Nothing may change the table, the controls or the draws under a running filter.
        LongLoop loop(this, {}, true);
        pb->setRange(0, std::max<int>(0, static_cast<int>(space.entries.size()) - 1) / 100);
        pb->setValue(0);
        pb->show();
        const FilterContext ctx = context();
        kept = runFilter(space, *conditions, ctx, [&](std::size_t i) {
            if (i % 100 == 0) {
                pb->setValue(static_cast<int>(i / 100));
                loop.pump();
            }
        });
        pb->hide();
    }

    if (kept == 0) {
        space = before;
        dialogs::error(this, u"没有符合条件的投注号码，请重新选择过滤条件！"_s);
        return;
    }
    showList(24, kept);
    lbljushu->setText(QString::number(kept) + u"注"_s);
    for (QCheckBox* box : indicatorBoxes)
        box->setChecked(false);
    chkdanma->setChecked(false);
    freshStart_ = false;
}

// ----------------------------------------------------------------------------- copy, load, print

void Tfrmtotalfilt::btnsaveClick()
{
    QApplication::clipboard()->setText(QString::fromStdString(copyText(store_.combinations())));
}

void Tfrmtotalfilt::btnloadClick()
{
    const QString file = dialogs::openFile(
        this, {u"载入"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, desktopFolder(), {}});
    if (file.isEmpty())
        return;
    QByteArray bytes;
    QString error;
    bool read = false;
    LoadedBets loaded;
    {
        LongLoop busy(this, {}, true);
        read = readWholeFile(file, &bytes, &error);
        if (read)
            loaded = parseBetFile(decodeGbkOrUtf8(bytes).toStdString(),
                                  store_.profile().totalNumbers, store_.profile().pickCount);
    }
    if (!read || !loaded.error.empty()) {
        // The table stays as it was.
        dialogs::error(this, read ? QString::fromStdString(loaded.error) : error);
        return;
    }
    for (int x = 1; x <= 50; ++x)
        setTile(x, false);
    chkhongqiu->setChecked(true);
    btnsuiji1->setEnabled(chkhongqiu->isEnabled());
    for (const CandidateEntry& bet : loaded.bets)
        for (const int x : bet.numbers)
            if (!tileSelected(x))
                setTile(x, true);
    store_.combinations().entries = std::move(loaded.bets);
    const int count = static_cast<int>(store_.combinations().entries.size());
    showList(20, count);
    lbljushu->setText(QString::number(count) + u" 注"_s);
    for (std::size_t i = 0; i < 7; ++i) {
        indicatorBoxes[i]->setChecked(false);
        lowLists[i]->setCurrentIndex(-1);
        highLists[i]->setCurrentIndex(-1);
    }
    edtsuiji1->setText(QString::number(store_.profile().pickCount));
    freshStart_ = false;
}

void Tfrmtotalfilt::btnprintClick()
{
    std::vector<QStringList> rows;
    const int count = listModel_->rowCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        rows.push_back({listModel_->index(r, 0).data().toString(),
                        listModel_->index(r, 1).data().toString()});
    const QString newest = store_.history().draws.empty()
                               ? QString()
                               : QString::number(store_.history().draws.back().issue);
    const QString title
        = QString::fromStdString(store_.profile().name) + u"  "_s + newest + u"期投注号码"_s;
    const QString line = u"共%1注 打印日期:%2"_s.arg(count).arg(reportDateToday());
    printTableReport(this, {ReportLayout::TotalFilter, title, line,
                            {u"序号"_s, u"投注号码"_s}, std::move(rows)});
}

void Tfrmtotalfilt::btnclearClick()
{
    for (QCheckBox* box : indicatorBoxes)
        box->setChecked(false);
    chkdanma->setChecked(false);
    chkhongqiu->setChecked(false);
    for (std::size_t i = 0; i < 7; ++i) {
        lowLists[i]->setCurrentIndex(-1);
        highLists[i]->setCurrentIndex(-1);
    }
    edtdanma->clear();
    edtnum1->setText(u"1"_s);
    edtnum2->setText(u"1"_s);
    const QString k = QString::number(store_.profile().pickCount);
    edtzhong1->setText(k);
    edtzhong2->setText(k);
    edtsuiji1->setText(k);
    for (int x = 1; x <= 50; ++x)
        setTile(x, false);
    listModel_->clear();
    lbljushu->clear();
    freshStart_ = true;
    try {
        store_.showStandard();
    } catch (const StoreError& e) {
        dialogs::error(this, QString::fromUtf8(e.what()));
    }
    setBallPicking(true);
}

void Tfrmtotalfilt::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

// ----------------------------------------------------------------------------- big bases

void Tfrmtotalfilt::btnpstClick(int memo)
{
    QPlainTextEdit* edit = baseMemos[static_cast<std::size_t>(memo - 1)];
    edit->clear();
    edit->insertPlainText(QApplication::clipboard()->text());
}

void Tfrmtotalfilt::memChange(int memo)
{
    QPlainTextEdit* edit = baseMemos[static_cast<std::size_t>(memo - 1)];
    const int lines = memoLineCount(edit->toPlainText().toStdString());
    baseLabels[static_cast<std::size_t>(memo - 1)]->setText(u"大底%1：%2注"_s.arg(memo).arg(lines));
}

void Tfrmtotalfilt::btnjiaoqizClick()
{
    const auto least = parseInteger(edtcuo1->text().toStdString());
    const auto most = parseInteger(edtcuo2->text().toStdString());
    if (!least || !most) {
        dialogs::error(this, u"交集容错必须是整数！"_s);
        return;
    }
    std::vector<std::string> memos;
    for (QPlainTextEdit* edit : baseMemos)
        memos.push_back(edit->toPlainText().toStdString());
    const auto result = intersectBases(memos, store_.profile().totalNumbers, *least, *most);
    mem->setPlainText(QString::fromStdString(resultText(result)));
    lbl->setText(u"最终交集：%1注"_s.arg(result.size()));
}

void Tfrmtotalfilt::btncopyzClick()
{
    // The memo keeps LF line ends; bet lists on the clipboard end their lines with CR LF.
    QString text = mem->toPlainText();
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').replace(u"\n"_s, u"\r\n"_s);
    QApplication::clipboard()->setText(text);
}

void Tfrmtotalfilt::btnclsClick()
{
    for (std::size_t i = 0; i < baseMemos.size(); ++i) {
        baseMemos[i]->clear();
        baseLabels[i]->setText(u"大底%1："_s.arg(i + 1));
    }
    mem->clear();
    lbl->setText(u"最终交集："_s);
}

void Tfrmtotalfilt::btnduijiangzClick()
{
    const PrizeCheck check = checkPrize(edtkaijiangz->text().toStdString(),
                                        mem->toPlainText().toStdString(), store_.profile().pickCount);
    if (!check.error.empty()) {
        dialogs::error(this, QString::fromStdString(check.error));
        return;
    }
    edtresultz->setText(check.won ? u"中"_s : u"X"_s);
}

} // namespace pickora::ui
