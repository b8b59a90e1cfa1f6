#include "analysis/u_fushi.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "analysis/trend_mode.h"
#include "analysis/trend_search.h"
#include "widgets/dialogs.h"
#include "widgets/long_loop.h"
#include "widgets/read_number.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {
const QString kStart = u"开始搜索"_s;
const QString kStop = u"停止"_s;
} // namespace

Tfrmfushi::Tfrmfushi(DrawStore& store, TrendModeSwitch& trend, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), store_(store), trend_(trend)
{
    setObjectName(u"Tfrmfushi"_s);
    setWindowTitle(u"自动复式搜索"_s);
    resize(457, 201);
    Label1 = new QLabel(u"复式号码："_s, this);
    Label1->setObjectName(u"Label1"_s);
    edtfushicode = new QLineEdit(this);
    edtfushicode->setObjectName(u"edtfushicode"_s);
    chkyilou = new QCheckBox(u"遗漏期数>="_s, this);
    chkyilou->setObjectName(u"chkyilou"_s);
    chkyilou->setChecked(true);
    edtyilouqishu = new QLineEdit(u"50"_s, this);
    edtyilouqishu->setObjectName(u"edtyilouqishu"_s);
    Label2 = new QLabel(u"号码个数："_s, this);
    Label2->setObjectName(u"Label2"_s);
    edtnum = new QLineEdit(QString::number(store.profile().totalNumbers - 5), this);
    edtnum->setObjectName(u"edtnum"_s);
    btnsou = new QPushButton(kStart, this);
    btnsou->setObjectName(u"btnsou"_s);
    btnsou->setDefault(true);
    btncopy = new QPushButton(u"复制"_s, this);
    btncopy->setObjectName(u"btncopy"_s);
    // How far the search has got: it may run for a while with the defaults.
    lblprogress = new QLabel(this);
    lblprogress->setObjectName(u"lblprogress"_s);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(edtfushicode, 0, 1, 1, 3);
    grid->addWidget(chkyilou, 1, 0);
    grid->addWidget(edtyilouqishu, 1, 1);
    grid->addWidget(Label2, 1, 2);
    grid->addWidget(edtnum, 1, 3);
    grid->addWidget(btnsou, 2, 1);
    grid->addWidget(btncopy, 2, 3);
    grid->addWidget(lblprogress, 3, 0, 1, 4);

    connect(btnsou, &QPushButton::clicked, this, &Tfrmfushi::btnsouClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmfushi::btncopyClick);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool Tfrmfushi::searching() const { return LongLoop::runningIn(this) != nullptr; }

void Tfrmfushi::btncopyClick() { QApplication::clipboard()->setText(edtfushicode->text()); }

void Tfrmfushi::btnsouClick()
{
    if (LongLoop* running = LongLoop::runningIn(this)) {
        // The running search ends without a result at its next look at the events.
        running->requestStop();
        return;
    }
    search();
}

void Tfrmfushi::search()
{
    const int n = store_.profile().totalNumbers;
    const int k = store_.profile().pickCount;
    const int draws = store_.history().count();
    const auto limit = readWholeNumber(this, u"遗漏期数"_s, edtyilouqishu->text());
    if (!limit)
        return;
    const auto keep = readWholeNumber(this, u"号码个数"_s, edtnum->text());
    if (!keep)
        return;
    if (*keep < 0) {
        dialogs::error(this, u"号码个数不能小于 0！"_s);
        return;
    }
    if (chkyilou->isChecked() && *limit > draws) {
        dialogs::error(this, u"遗漏期数不能超过开奖期数 %1，否则永远找不到符合条件的变幻！"_s.arg(draws));
        return;
    }

    btnsou->setText(kStop);
    transforms_ = 0;
    std::vector<bool> struck(static_cast<std::size_t>(n) + 1, false);
    int left = n;
    const auto showProgress = [&] {
        lblprogress->setText(u"已变幻 %1 次，已排除 %2 个号码，还剩 %3 个。"_s.arg(transforms_).arg(n - left).arg(left));
    };
    // Only "停止" answers while the search runs; the player may also close the lottery.
    LongLoop loop(this, {btnsou});
    for (;;) {
        // The label is painted whenever the loop lets events through.
        showProgress();
        if (!loop.pump()) {
            if (!loop.windowAlive())
                return; // the window went with the lottery
            trend_.showStandardTrend();
            btnsou->setText(kStart);
            return;
        }
        if (!store_.lotteryOpen()) {
            btnsou->setText(kStart);
            return;
        }
        trend_.showTransformedTrend();
        ++transforms_;
        const AbsentRank absent = longestAbsentRank(store_.transformed().draws, n, k);
        if (chkyilou->isChecked() && absent.omission < *limit)
            continue;
        const int number = store_.transformed().numberOfNextRank(absent.rank);
        if (number >= 1 && number <= n && !struck[static_cast<std::size_t>(number)]) {
            struck[static_cast<std::size_t>(number)] = true;
            --left;
        }
        if (left > *keep)
            continue;
        trend_.showStandardTrend();
        showProgress();
        QString result;
        for (int x = 1; x <= n; ++x)
            if (!struck[static_cast<std::size_t>(x)])
                result += QString::asprintf("%.2d ", x);
        edtfushicode->setText(result);
        btnsou->setText(kStart);
        return;
    }
}

} // namespace pickora::ui
