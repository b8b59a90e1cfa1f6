#include "shell/u_index.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "widgets/dialogs.h"
#include "store/db_engine.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"
#include "store/u_datamod.h"
#include "store/u_public.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->move(x, y);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1StringView(name));
    edit->setGeometry(geometry);
    return edit;
}

// A radio group: a titled box with its items in `columns` columns; returns the button group.
QButtonGroup* makeRadioGroup(QGroupBox* box, const QStringList& items)
{
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(8, 2, 8, 2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return group;
}

// Shown as usual but cannot be changed by the player.
void makeReadOnly(QWidget* widget)
{
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
}

} // namespace

Tfrmindex::Tfrmindex(DrawStore& store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      store_(store)
{
    setObjectName(u"Tfrmindex"_s);
    setWindowTitle(u"彩票操作"_s);
    setModal(true);
    setFixedSize(470, 345);

    Label1 = makeLabel(this, "Label1", u"选择彩票："_s, 12, 10);
    lstcaipiao = new QListWidget(this);
    lstcaipiao->setObjectName(u"lstcaipiao"_s);
    lstcaipiao->setGeometry(12, 30, 165, 265);

    Label2 = makeLabel(this, "Label2", u"彩票名称："_s, 192, 16);
    edtcainame = makeEdit(this, "edtcainame", {}, {282, 12, 176, 24});

    optcaitype = new QGroupBox(u"彩票类型："_s, this);
    optcaitype->setObjectName(u"optcaitype"_s);
    optcaitype->setGeometry(192, 42, 266, 48);
    caitypeButtons = makeRadioGroup(optcaitype, {u"乐透型"_s, u"数字型"_s});

    optpos = new QGroupBox(this);
    optpos->setObjectName(u"optpos"_s);
    optpos->setGeometry(192, 94, 266, 36);
    posButtons = makeRadioGroup(optpos, {u"前三"_s, u"中三"_s, u"后三"_s});

    Label4 = makeLabel(this, "Label4", u"号码总数："_s, 192, 142);
    edtcaisum = makeEdit(this, "edtcaisum", u"10"_s, {282, 138, 176, 24});
    Label5 = makeLabel(this, "Label5", u"选择号码数："_s, 192, 172);
    edtcaisel = makeEdit(this, "edtcaisel", u"3"_s, {282, 168, 176, 24});
    Label6 = makeLabel(this, "Label6", u"开奖时间："_s, 192, 202);
    edtcaitime = makeEdit(this, "edtcaitime", {}, {282, 198, 176, 24});

    grpweek = new QGroupBox(u"开奖星期："_s, this);
    grpweek->setObjectName(u"grpweek"_s);
    grpweek->setGeometry(192, 228, 266, 70);

    btnadd = new QPushButton(u"添加彩票"_s, this);
    btnadd->setObjectName(u"btnadd"_s);
    btndel = new QPushButton(u"删除彩票"_s, this);
    btndel->setObjectName(u"btndel"_s);
    btnopen = new QPushButton(u"打开彩票"_s, this);
    btnopen->setObjectName(u"btnopen"_s);
    btnext = new QPushButton(u"退出"_s, this);
    btnext->setObjectName(u"btnext"_s);
    const QList<QPushButton*> buttons = {btnadd, btndel, btnopen, btnext};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(12 + i * 114, 306, 104, 28);
    // The catalogue offers no adding or deleting of lotteries.
    btnadd->setEnabled(false);
    btndel->setEnabled(false);
    btnopen->setDefault(true);

    connect(lstcaipiao, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstcaipiaoClick();
    });
    connect(lstcaipiao, &QListWidget::itemDoubleClicked, this, [this] { btnopenClick(); });
    connect(posButtons, &QButtonGroup::idClicked, this, &Tfrmindex::optposClick);
    connect(btnopen, &QPushButton::clicked, this, &Tfrmindex::btnopenClick);
    connect(btnext, &QPushButton::clicked, this, &Tfrmindex::btnextClick);

    FormCreate();
}

void Tfrmindex::FormCreate()
{
    for (int n = 1; n <= 7; ++n) {
        auto* box = new QCheckBox(QString::number(n), grpweek);
        box->setObjectName(u"chkweek%1"_s.arg(n));
        weekdays_ << box;
    }
    placeWeekdayBoxes();
    posButtons->button(static_cast<int>(store_.drawPosition()) - 1)->setChecked(true);
    fillLotteryList();
    for (QLineEdit* edit : {edtcainame, edtcaisum, edtcaisel, edtcaitime})
        edit->setReadOnly(true);
    makeReadOnly(optcaitype);
    makeReadOnly(grpweek);
    // Nothing is selected until the player clicks a lottery (the list would pick its first row
    // when it takes the focus).
    btnopen->setFocus();

    // Centred on the screen.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tfrmindex::placeWeekdayBoxes()
{
    // Two rows of four and three, below the group's title.
    const int titleHeight = grpweek->contentsRect().top();
    const int width = grpweek->width() / 4 - 6;
    const int height = (grpweek->height() - titleHeight) / 2;
    for (int n = 1; n <= weekdays_.size(); ++n) {
        const int left = ((n - 1) % 4) * (width + 6) + 5;
        const int top = titleHeight + (n <= 4 ? 0 : height);
        weekdays_[n - 1]->setGeometry(left, top, width, height);
    }
}

void Tfrmindex::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeWeekdayBoxes();
}

void Tfrmindex::fillLotteryList()
{
    try {
        db::DbConnection connection(u"index"_s);
        connection.open(store_.datamod().databaseFile());
        for (const QString& table : connection.tableNames())
            if (table.endsWith(schema::kNumberTableSuffix))
                lstcaipiao->addItem(table.chopped(schema::kNumberTableSuffix.size()));
    } catch (const db::DbError& e) {
        dialogs::error(this, e.message());
    }
}

void Tfrmindex::lstcaipiaoClick()
{
    const QListWidgetItem* item = lstcaipiao->currentItem();
    if (!item)
        return;
    try {
        db::DbConnection connection(u"index"_s);
        connection.open(store_.datamod().databaseFile());
        db::RecordSet options(connection);
        options.openTable(schema::optionsTable(item->text()));
        options.first();
        const QString name = options.text(u"彩票名称"_s);
        const int type = options.integer(u"彩票类型"_s);
        const QString total = options.text(u"号码总数"_s);
        const QString pick = options.text(u"选择号码数"_s);
        const QString time = options.text(u"开奖时间"_s);
        const QString weekdays = options.text(u"开奖星期"_s);

        edtcainame->setText(name);
        if (QAbstractButton* button = caitypeButtons->button(type))
            button->setChecked(true);
        edtcaisum->setText(total);
        edtcaisel->setText(pick);
        edtcaitime->setText(time);
        for (int n = 1; n <= weekdays_.size(); ++n)
            weekdays_[n - 1]->setChecked(weekdays.contains(QString::number(n)));
    } catch (const db::DbError& e) {
        dialogs::error(this, e.message());
    }
}

void Tfrmindex::optposClick(int index)
{
    // Kept at once, whether or not a lottery is then opened.
    store_.setDrawPosition(static_cast<DrawPosition>(index + 1));
}

void Tfrmindex::btnopenClick()
{
    if (edtcainame->text().isEmpty()) {
        dialogs::error(this, u"请选择彩票！"_s, u"错误"_s);
        return;
    }
    LotteryProfile profile;
    profile.name = edtcainame->text().toStdString();
    profile.totalNumbers = 11;
    profile.pickCount = 3;
    profile.secondPoolTotal = 0;
    profile.secondPoolPick = 0;
    profile.type = std::max(0, caitypeButtons->checkedId());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        store_.openLottery(profile);
    } catch (const StoreError& e) {
        QApplication::restoreOverrideCursor();
        dialogs::error(this, QString::fromUtf8(e.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
    // Rows that could be analysed but look wrong: said once, the database stays as it is.
    if (const std::string warning = historyWarningText(store_.history()); !warning.empty())
        dialogs::warning(this, QString::fromStdString(warning));
    opened_ = true;
    emit lotteryOpened(posButtons->checkedButton()->text());
    accept();
}

void Tfrmindex::btnextClick() { reject(); }

} // namespace pickora::ui
