#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <set>

#include "invest/investment_search.h"
#include "invest/u_tozi.h"
#include "ui/ui_fixture.h"
#include "widgets/report_layout.h"
#include "widgets/table_report.h"
#include "widgets/text_table_model.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kLottery = u"广东体彩11选5"_s;

// Draws whose first three numbers are 1 2 3 at the given rows (from 1) and 5 6 7 elsewhere.
std::vector<StoredDraw> drawsWithHitsAt(int count, std::set<int> hitRows)
{
    std::vector<StoredDraw> draws;
    for (int i = 1; i <= count; ++i) {
        StoredDraw d;
        d.issueText = QString::asprintf("261201%02d", i).toStdString();
        d.numbers = hitRows.count(i) ? std::array<int, 5>{1, 2, 3, 10, 11}
                                     : std::array<int, 5>{5, 6, 7, 10, 11};
        draws.push_back(d);
    }
    return draws;
}

struct Window {
    explicit Window(const std::vector<StoredDraw>& draws)
    {
        f.folder.addDraws(kLottery, draws);
        f.openLottery(kLottery);
        w = std::make_unique<ui::Tfrmtozi>(*f.store, f.folder.folder());
        QDir().mkpath(f.folder.folder().attachmentsFolder());
    }
    template <class T>
    T* get(const char* name) const
    {
        T* child = w->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void click(const char* name) const { get<QPushButton>(name)->click(); }
    void trigger(const char* name) const { get<QAction>(name)->trigger(); }
    void setText(const char* name, const QString& text) const { get<QLineEdit>(name)->setText(text); }
    QString text(const char* name) const { return get<QLineEdit>(name)->text(); }
    int item(const char* name) const { return get<QComboBox>(name)->currentIndex(); }
    void setItem(const char* name, int index) const { get<QComboBox>(name)->setCurrentIndex(index); }
    void choosePlayType(int index) const
    {
        get<QRadioButton>(u"optzhuzhi%1"_s.arg(index).toLatin1().constData())->click();
    }
    QString file(const QString& name) const { return f.folder.folder().attachmentsFolder() + name; }
    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile out(file(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile in(file(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    void waitForSearch() const
    {
        QElapsedTimer timer;
        timer.start();
        while (w->searching() && timer.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_FALSE(w->searching());
    }

    test::MainWindowFixture f;
    std::unique_ptr<ui::Tfrmtozi> w;
};

std::vector<QStringList> resultRows(const ui::Tfrmtozi& w) { return w.resultModel()->rows(); }

// Answers the printer dialog with a PDF file, one per print.
class PdfPrinterDialogs : public test::ScriptedDialogs {
public:
    explicit PdfPrinterDialogs(QString folder) : folder_(std::move(folder)) {}
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        files.push_back(folder_ + u"print%1.pdf"_s.arg(files.size()));
        printer.setOutputFileName(files.back());
        return true;
    }
    QStringList files;

private:
    QString folder_;
};

} // namespace

TEST(InvestmentModeWindow, DefaultsClearAndIntervalMode)
{
    Window t(drawsWithHitsAt(10, {3}));
    EXPECT_EQ(t.w->objectName(), u"Tfrmtozi"_s);
    EXPECT_EQ(t.w->windowTitle(), u"投资模式分析"_s);
    EXPECT_EQ(t.w->size(), QSize(720, 567));
    EXPECT_LE(t.w->minimumSizeHint().width(), 1024);
    EXPECT_LE(t.w->minimumSizeHint().height(), 740);
    struct List {
        const char* name;
        int items;
        QString first;
    };
    for (const List& l : {List{"comsepindex", 100, u"1"_s}, List{"comsepnum", 10, u"1"_s},
                          List{"comtozisep", 51, u"0"_s}, List{"comtozirep", 50, u"1"_s}}) {
        EXPECT_EQ(t.get<QComboBox>(l.name)->count(), l.items) << l.name;
        EXPECT_EQ(t.get<QComboBox>(l.name)->currentText(), l.first) << l.name;
    }
    EXPECT_EQ(t.text("edtsinmax"), u"1000000"_s);
    EXPECT_EQ(t.text("edtallmax"), u"1000000"_s);
    EXPECT_EQ(t.text("edtjushu"), u"100"_s);
    EXPECT_EQ(t.text("edtoutofsin"), u"1000"_s);
    EXPECT_EQ(t.text("edtlirun"), u"10"_s);
    EXPECT_EQ(t.text("edtallwin"), QString());
    EXPECT_TRUE(t.get<QCheckBox>("chkyuji")->isChecked());
    EXPECT_TRUE(t.get<QCheckBox>("chksepmode")->isChecked());
    EXPECT_TRUE(t.get<QRadioButton>("optzhuzhi0")->isChecked());
    EXPECT_EQ(t.get<QRadioButton>("optzhuzhi3")->text(), u"组选6"_s);
    for (const char* name : {"tlbtnsave", "tlbtnload", "tlbtnprint"})
        EXPECT_NE(t.w->findChild<QToolButton*>(QLatin1StringView(name)), nullptr) << name;

    // Interval mode off: the two observation lists go back to "1" and are locked.
    t.setItem("comsepindex", 7);
    t.setItem("comsepnum", 4);
    t.get<QCheckBox>("chksepmode")->click();
    EXPECT_EQ(t.item("comsepindex"), 0);
    EXPECT_EQ(t.item("comsepnum"), 0);
    EXPECT_FALSE(t.get<QComboBox>("comsepnum")->isEnabled());

    t.setItem("comtozisep", 9);
    t.setItem("comtozirep", 9);
    t.setText("edtjushu", u"7"_s);
    t.setText("edtlirun", u"33"_s);
    t.get<QCheckBox>("chkyuji")->setChecked(false);
    t.click("btnclear");
    EXPECT_EQ(t.item("comtozisep"), 0);
    EXPECT_EQ(t.item("comtozirep"), 0);
    EXPECT_EQ(t.text("edtsinmax"), u"10000"_s);
    EXPECT_EQ(t.text("edtallmax"), u"100000"_s);
    EXPECT_EQ(t.text("edtjushu"), u"100"_s);
    EXPECT_EQ(t.text("edtlirun"), u"10"_s);
    EXPECT_TRUE(t.get<QCheckBox>("chkyuji")->isChecked());
    EXPECT_TRUE(t.get<QCheckBox>("chksepmode")->isChecked());
    EXPECT_TRUE(t.get<QComboBox>("comsepnum")->isEnabled());
}

TEST(InvestmentModeWindow, GenerationRefusesBadCountsAndFillsTheGrids)
{
    Window t(drawsWithHitsAt(12, {2, 9}));
    struct Case {
        int type;
        QString count;
        QString message; // empty: generated
    };
    const Case cases[] = {
        {0, u"0"_s, u"请请输入1到1000的直选注数！"_s},
        {0, u"1001"_s, u"请请输入1到1000的直选注数！"_s},
        {1, u"211"_s, u"请请输入1到210的组选注数！"_s},
        {2, u"-1"_s, u"请请输入1到90的组选3注数！"_s},
        {3, u"121"_s, u"请请输入1到120的组选6注数！"_s},
        {3, u"十"_s, u"单倍注数"_s}, // names the box
        {3, u"120"_s, QString()},
    };
    for (const Case& c : cases) {
        t.f.dialogs.messages.clear();
        t.choosePlayType(c.type);
        t.setText("edtjushu", c.count);
        t.click("btnfilt");
        if (c.message.isEmpty()) {
            EXPECT_TRUE(t.f.dialogs.messages.empty());
        } else {
            ASSERT_EQ(t.f.dialogs.messages.size(), 1U) << c.count.toStdString();
            EXPECT_TRUE(t.f.dialogs.messages[0].text.contains(c.message)) << c.count.toStdString();
            EXPECT_TRUE(t.w->bets().empty());
        }
    }
    // 组选6 120: every strictly increasing triple, 012 to 789; 123 is among them.
    const ui::TextTableModel* code = t.w->codeModel();
    ASSERT_EQ(code->rowCount(), 120);
    EXPECT_EQ(code->headers(), (QStringList{u"序号"_s, u"号码1"_s, u"号码2"_s, u"号码3"_s}));
    EXPECT_EQ(code->rows().front(), (QStringList{u"1"_s, u"0"_s, u"1"_s, u"2"_s}));
    EXPECT_EQ(code->rows().back(), (QStringList{u"120"_s, u"7"_s, u"8"_s, u"9"_s}));
    const ui::TextTableModel* gaps = t.w->gapModel();
    ASSERT_EQ(gaps->rowCount(), 12);
    EXPECT_EQ(gaps->headers(), (QStringList{u"记录期号"_s, u"中奖间隔"_s}));
    // 567 is a 组选6 bet too, so every draw is a hit.
    EXPECT_EQ(gaps->rows()[0], (QStringList{u"26120101"_s, u"●"_s}));
    EXPECT_EQ(t.w->statModel()->headers(), (QStringList{u"间隔"_s, u"连续"_s, u"次数"_s}));

    // A play type change empties the results but keeps the list.
    t.click("btnala");
    EXPECT_GT(t.w->resultModel()->rowCount(), 0);
    t.choosePlayType(0);
    EXPECT_EQ(t.w->resultModel()->rowCount(), 0);
    EXPECT_EQ(t.w->resultModel()->columnCount(), 7);
    EXPECT_EQ(t.w->codeModel()->rowCount(), 120);
}

TEST(InvestmentModeWindow, AnalysisReplaysTheWorkedExample)
{
    Window t(drawsWithHitsAt(10, {3, 4, 8}));
    t.click("btnala");
    EXPECT_EQ(t.f.dialogs.texts(), QStringList{u"请生成号码！"_s});

    t.writeFile(u"one.txt"_s, "0\r\n1\r\n123\r\n");
    t.f.dialogs.fileAnswers = {t.file(u"one.txt"_s)};
    t.trigger("mnucodeload");
    EXPECT_EQ(t.text("edtjushu"), u"1"_s);
    EXPECT_EQ(t.w->gapModel()->rows()[2].value(1), u"●"_s);
    EXPECT_EQ(t.w->gapModel()->rows()[4].value(1), u"1"_s);
    EXPECT_EQ(t.w->statModel()->rows(),
              (std::vector<QStringList>{{u"2"_s, u"1"_s, u"1"_s}, {u"3"_s, u"1"_s, u"1"_s}}));

    t.setText("edtjushu", u"100"_s);
    t.click("btnala");
    EXPECT_EQ(resultRows(*t.w),
              (std::vector<QStringList>{
                  {u"1"_s, u"1"_s, u"200"_s, u"200"_s, u"1000"_s, u"800"_s, u"400"_s},
                  {u"1"_s, u"1"_s, u"200"_s, u"200"_s, u"1000"_s, u"-200"_s, u"400"_s}}));
    EXPECT_EQ(t.text("edtallwin"), u"800"_s);
    EXPECT_EQ(t.w->balanceLine(), (std::vector<std::int64_t>{0, 800, 600}));

    t.setItem("comtozisep", 1);
    t.click("btnala");
    EXPECT_EQ(resultRows(*t.w).back(),
              (QStringList{u"1"_s, u"1"_s, u"200"_s, u"400"_s, u"1000"_s, u"-400"_s, u"150"_s}));
    EXPECT_EQ(t.text("edtallwin"), u"0"_s);
    // Real money: two lost draws of 200 each.
    EXPECT_EQ(t.w->balanceLine(), (std::vector<std::int64_t>{0, -200, -400}));

    // Bad settings are refused naming the box, and nothing runs.
    t.f.dialogs.messages.clear();
    t.setText("edtoutofsin", u"1000元"_s);
    t.click("btnala");
    ASSERT_EQ(t.f.dialogs.messages.size(), 1U);
    EXPECT_TRUE(t.f.dialogs.messages[0].text.contains(u"单注奖金"_s));
    EXPECT_EQ(t.text("edtallwin"), u"0"_s);

    // S below one draw's stake: no result, balance 0, no message for the first run.
    t.f.dialogs.messages.clear();
    t.setText("edtoutofsin", u"1000"_s);
    t.setText("edtsinmax", u"100"_s);
    t.click("btnala");
    EXPECT_EQ(t.w->resultModel()->rowCount(), 0);
    EXPECT_EQ(t.text("edtallwin"), u"0"_s);
    EXPECT_TRUE(t.f.dialogs.messages.empty());

    t.setText("edtsinmax", u"1000000"_s);
    t.setText("edtoutofsin", u"200"_s);
    t.click("btnala");
    EXPECT_EQ(t.f.dialogs.texts(), QStringList{u"所需倍数太大，无法投注！"_s});
}

TEST(InvestmentModeWindow, AListWithoutHitsEmptiesTheStatistics)
{
    Window t(drawsWithHitsAt(10, {3, 4, 8}));
    t.writeFile(u"hit.txt"_s, "0\r\n1\r\n123\r\n");
    t.writeFile(u"miss.txt"_s, "0\r\n1\r\n999\r\n");
    t.f.dialogs.fileAnswers = {t.file(u"hit.txt"_s), t.file(u"miss.txt"_s)};
    t.trigger("mnucodeload");
    EXPECT_EQ(t.w->statModel()->rowCount(), 2);
    t.trigger("mnucodeload");
    EXPECT_EQ(t.w->statModel()->rowCount(), 0);
    ASSERT_EQ(t.w->gapModel()->rowCount(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(t.w->gapModel()->rows()[static_cast<std::size_t>(i)].value(1), QString::number(i + 1));
}

TEST(InvestmentModeWindow, SaveAndLoadEachFileAndRefuseBadOnes)
{
    Window t(drawsWithHitsAt(10, {3, 4, 8}));
    t.trigger("mnucodesave");
    EXPECT_EQ(t.f.dialogs.texts(), QStringList{u"请生成号码！"_s});
    EXPECT_TRUE(t.f.dialogs.fileDialogs.empty());

    t.choosePlayType(2);
    t.setText("edtjushu", u"12"_s);
    t.click("btnfilt");
    t.setItem("comtozisep", 3);
    t.setItem("comtozirep", 4);
    t.setItem("comsepindex", 5);
    t.setItem("comsepnum", 6);
    t.setText("edtsinmax", u"5000"_s);
    t.setText("edtlirun", u"-3"_s);
    t.get<QCheckBox>("chkyuji")->setChecked(false);
    const std::vector<Bet> bets = t.w->bets();
    ASSERT_EQ(bets.size(), 12U);

    t.f.dialogs.messages.clear();
    t.f.dialogs.fileAnswers = {t.file(u"c.txt"_s), t.file(u"s.txt"_s), t.file(u"b.txt"_s)};
    t.trigger("mnucodesave");
    t.trigger("mnusetsave");
    t.trigger("mnubothsave");
    EXPECT_EQ(t.f.dialogs.texts(), (QStringList{u"成功保存！"_s, u"成功保存！"_s, u"成功保存！"_s}));
    ASSERT_EQ(t.f.dialogs.fileDialogs.size(), 3U);
    EXPECT_EQ(t.f.dialogs.fileDialogs[0].proposedName, kLottery + u"组选3投资模式投注号码.txt"_s);
    EXPECT_EQ(t.f.dialogs.fileDialogs[1].proposedName, kLottery + u"组选3投资模式设置.txt"_s);
    EXPECT_EQ(t.f.dialogs.fileDialogs[2].proposedName, kLottery + u"组选3投资模式投注号码和设置.txt"_s);
    EXPECT_EQ(t.f.dialogs.fileDialogs[0].startFolder, t.f.folder.folder().attachmentsFolder());
    EXPECT_TRUE(t.readFile(u"c.txt"_s).startsWith("2\r\n12\r\n"));
    EXPECT_EQ(t.readFile(u"s.txt"_s), "2\r\n3\r\n4\r\n5\r\n6\r\n5000\r\n1000000\r\n12\r\n1000\r\n-3\r\n0\r\n1\r\n2\r\n");

    // Each file into a fresh window.
    std::unique_ptr<ui::Tfrmtozi> original = std::move(t.w);
    {
        Window& other = t;
        other.w = std::make_unique<ui::Tfrmtozi>(*t.f.store, t.f.folder.folder());
        other.f.dialogs.fileAnswers = {t.file(u"c.txt"_s)};
        other.trigger("mnucodeload");
        EXPECT_EQ(other.w->bets(), bets);
        EXPECT_TRUE(other.get<QRadioButton>("optzhuzhi2")->isChecked());
        EXPECT_EQ(other.text("edtjushu"), u"12"_s);
        EXPECT_EQ(other.item("comtozisep"), 0); // the bet file holds no settings
    }
    {
        Window& other = t;
        other.w = std::make_unique<ui::Tfrmtozi>(*t.f.store, t.f.folder.folder());
        other.f.dialogs.fileAnswers = {t.file(u"s.txt"_s)};
        other.trigger("mnusetload");
        EXPECT_TRUE(other.w->bets().empty());
        EXPECT_EQ(other.item("comtozisep"), 3);
        EXPECT_EQ(other.item("comtozirep"), 4);
        EXPECT_EQ(other.item("comsepindex"), 5);
        EXPECT_EQ(other.item("comsepnum"), 6);
        EXPECT_EQ(other.text("edtsinmax"), u"5000"_s);
        EXPECT_EQ(other.text("edtlirun"), u"-3"_s);
        EXPECT_FALSE(other.get<QCheckBox>("chkyuji")->isChecked());
        EXPECT_TRUE(other.get<QRadioButton>("optzhuzhi2")->isChecked());
    }
    {
        Window& other = t;
        other.w = std::make_unique<ui::Tfrmtozi>(*t.f.store, t.f.folder.folder());
        other.f.dialogs.fileAnswers = {t.file(u"b.txt"_s)};
        other.trigger("mnubothload");
        EXPECT_EQ(other.w->bets(), bets);
        EXPECT_EQ(other.item("comsepnum"), 6);
        EXPECT_EQ(other.text("edtjushu"), u"12"_s);
        // The combined file runs the analysis as well.
        EXPECT_FALSE(other.text("edtallwin").isEmpty());
    }
    t.w = std::move(original);

    // A bad file changes nothing and names the line.
    t.writeFile(u"bad.txt"_s, "0\r\n3\r\n123\r\n456\r\n78\r\n");
    t.writeFile(u"badset.txt"_s, "1\r\n3\r\n4\r\n5\r\n6\r\n5000\r\n1000000\r\n12\r\n1000\r\n-3\r\n0\r\n1\r\n9\r\n");
    t.f.dialogs.messages.clear();
    t.f.dialogs.fileAnswers = {t.file(u"bad.txt"_s), t.file(u"badset.txt"_s)};
    t.trigger("mnucodeload");
    t.trigger("mnusetload");
    ASSERT_EQ(t.f.dialogs.messages.size(), 2U);
    EXPECT_TRUE(t.f.dialogs.messages[0].text.contains(u"第 5 行"_s));
    EXPECT_TRUE(t.f.dialogs.messages[1].text.contains(u"第 13 行"_s));
    EXPECT_EQ(t.w->bets(), bets);
    EXPECT_TRUE(t.get<QRadioButton>("optzhuzhi2")->isChecked());
    EXPECT_EQ(t.text("edtjushu"), u"12"_s);

    // A save that cannot be written reports the error and no success.
    t.f.dialogs.messages.clear();
    t.f.dialogs.fileAnswers = {t.file(u"no/such/folder/x.txt"_s)};
    t.trigger("mnucodesave");
    ASSERT_EQ(t.f.dialogs.messages.size(), 1U);
    EXPECT_EQ(t.f.dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_NE(t.f.dialogs.messages[0].text, u"成功保存！"_s);

    // A settings box that holds no whole number is not saved.
    t.f.dialogs.messages.clear();
    t.setText("edtallmax", u"很多"_s);
    t.f.dialogs.fileAnswers = {t.file(u"s2.txt"_s)};
    t.trigger("mnusetsave");
    EXPECT_FALSE(QFile::exists(t.file(u"s2.txt"_s)));
    ASSERT_EQ(t.f.dialogs.messages.size(), 1U);
    EXPECT_TRUE(t.f.dialogs.messages[0].text.contains(u"累计最大投入"_s));
}

TEST(InvestmentModeWindow, SearchAppliesTheBestAndKeepsPainting)
{
    std::set<int> hits;
    for (int row = 1; row <= 300; ++row)
        if ((row * 7919) % 13 < 2 || row % 17 == 0)
            hits.insert(row);
    Window t(drawsWithHitsAt(300, hits));
    // No list: a warning, and the caption goes back.
    t.click("btnyouhua");
    EXPECT_EQ(t.f.dialogs.texts(), QStringList{u"请生成号码！"_s});
    EXPECT_EQ(t.get<QPushButton>("btnyouhua")->text(), u"搜索"_s);
    EXPECT_FALSE(t.w->searching());
    t.f.dialogs.messages.clear();

    t.writeFile(u"one.txt"_s, "0\r\n1\r\n123\r\n");
    t.f.dialogs.fileAnswers = {t.file(u"one.txt"_s)};
    t.trigger("mnucodeload");
    t.setText("edtjushu", u"100"_s);
    t.setText("edtoutofsin", u"2000"_s);

    const SimulationSettings base = [] {
        SimulationSettings s;
        s.unitPrize = 2000;
        return s;
    }();
    const SearchOutcome expected = searchStrategySequential(t.w->gapTable(), base, true);

    t.click("btnyouhua");
    EXPECT_TRUE(t.w->searching());
    EXPECT_EQ(t.get<QPushButton>("btnyouhua")->text(), u"停止搜索"_s);
    for (const char* name : {"btnala", "btnfilt", "btnclear", "btnclose"})
        EXPECT_FALSE(t.get<QPushButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(t.get<QGroupBox>("grptozi")->isEnabled());
    EXPECT_FALSE(t.w->findChild<QToolButton*>(u"tlbtnsave"_s)->isEnabled());
    EXPECT_EQ(t.get<QProgressBar>("pb")->maximum(), 25500);
    t.waitForSearch();

    EXPECT_EQ(t.get<QPushButton>("btnyouhua")->text(), u"搜索"_s);
    EXPECT_TRUE(t.get<QPushButton>("btnala")->isEnabled());
    EXPECT_TRUE(t.get<QGroupBox>("grptozi")->isEnabled());
    EXPECT_TRUE(t.get<QProgressBar>("pb")->isHidden());
    EXPECT_EQ(t.item("comsepnum"), expected.best.a);
    EXPECT_EQ(t.item("comtozisep"), expected.best.b);
    EXPECT_EQ(t.item("comtozirep"), expected.best.c);
    EXPECT_EQ(t.text("edtallwin"), QString::number(expected.bestBalance));
    EXPECT_TRUE(t.f.dialogs.messages.empty()); // silent

    // Interval mode off: 2550 combinations and the count stays at "1".
    t.get<QCheckBox>("chksepmode")->click();
    t.click("btnyouhua");
    EXPECT_EQ(t.get<QProgressBar>("pb")->maximum(), 2550);
    t.waitForSearch();
    EXPECT_EQ(t.item("comsepnum"), 0);

    // A stop ends the search at once; the best found so far is applied.
    t.get<QCheckBox>("chksepmode")->click();
    t.click("btnyouhua");
    t.click("btnyouhua");
    t.waitForSearch();
    EXPECT_EQ(t.get<QPushButton>("btnyouhua")->text(), u"搜索"_s);
    EXPECT_TRUE(t.get<QPushButton>("btnala")->isEnabled());
}

TEST(InvestmentModeWindow, PrintsTheListAndTheSettingsPage)
{
    Window t(drawsWithHitsAt(10, {3, 4, 8}));
    t.trigger("mnucodeprint");
    EXPECT_EQ(t.f.dialogs.texts(), QStringList{u"请先生成表格！"_s});

    t.choosePlayType(3);
    t.setText("edtjushu", u"5"_s);
    t.click("btnfilt");
    EXPECT_EQ(t.w->listTitle(), kLottery + u"  26120110期组选6投注号码"_s);

    t.setItem("comtozirep", 2);
    t.get<QCheckBox>("chkyuji")->setChecked(false);
    const auto lines = t.w->settingsPageLines();
    const std::vector<std::pair<QString, QString>> expected = {
        {u"观察间隔数：1"_s, u"单期最大投入：1000000"_s},
        {u"观察间隔连续次数：1"_s, u"累计最大投入：1000000"_s},
        {u"中出后间隔数：0"_s, u"单倍注数：5"_s},
        {u"连续投入期数：3"_s, u"单注奖金：1000"_s},
        {u"总体赢余："_s, u"预期利润：10"_s},
        {u"取消预计亏损"_s, u"选中间隔模式"_s},
    };
    EXPECT_EQ(lines, expected);

    // On the page: left texts at W/10, right ones at W/10 + W/2, on lines k H / 30, k = 4 .. 9.
    SettingsPageInput input;
    input.width = 4800;
    input.height = 6600;
    input.title = t.w->settingsTitle().toStdString();
    input.titleWidth = 1000;
    input.date = "2026-12-8";
    for (const auto& [left, right] : lines)
        input.lines.emplace_back(left.toStdString(), right.toStdString());
    const ReportPage page = layoutSettingsPage(input);
    ASSERT_EQ(page.texts.size(), 14U);
    EXPECT_EQ(page.texts[0].x, (4800 - 1000) / 2);
    EXPECT_EQ(page.texts[1].text, "打印日期:2026-12-8");
    EXPECT_EQ(page.texts[1].x, 4800 / 14);
    EXPECT_EQ(page.texts[1].y, 2 * 6600 / 29 - 20);
    for (int k = 4; k <= 9; ++k) {
        const ReportText& left = page.texts[static_cast<std::size_t>(2 + 2 * (k - 4))];
        const ReportText& right = page.texts[static_cast<std::size_t>(3 + 2 * (k - 4))];
        EXPECT_EQ(left.x, 480);
        EXPECT_EQ(right.x, 480 + 2400);
        EXPECT_EQ(left.y, k * 6600 / 30);
        EXPECT_EQ(right.y, left.y);
        EXPECT_EQ(left.text, expected[static_cast<std::size_t>(k - 4)].first.toStdString());
        EXPECT_EQ(right.text, expected[static_cast<std::size_t>(k - 4)].second.toStdString());
    }

    // And painted: a one-page PDF.
    const QString pdf = t.file(u"settings.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(ui::paintSettingsPage(printer, {t.w->settingsTitle(), lines}));
    const QByteArray bytes = t.readFile(u"settings.pdf"_s);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    if (const QByteArray keep = qgetenv("PICKORA_KEEP_PDF"); !keep.isEmpty())
        QFile::copy(pdf, QString::fromLocal8Bit(keep));

    // Both menu items through the printer dialog: the list on one page, the settings on one.
    PdfPrinterDialogs printers(t.f.folder.folder().attachmentsFolder());
    t.trigger("mnucodeprint");
    t.trigger("mnusetprint");
    EXPECT_TRUE(printers.messages.empty());
    ASSERT_EQ(printers.files.size(), 2U);
    for (const QString& file : printers.files) {
        QFile printed(file);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
        EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
    }
    if (const QByteArray keep = qgetenv("PICKORA_KEEP_PDF"); !keep.isEmpty())
        QFile::copy(printers.files[0], QString::fromLocal8Bit(keep) + u".list.pdf"_s);
}

TEST(InvestmentModeWindow, MenuItemOpensOneWindowKeptUntilTheLotteryCloses)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kLottery, drawsWithHitsAt(20, {2}));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(kLottery);
    w.updateMenuState();
    QAction* item = w.menuItem(u"mnutozi"_s);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    QPointer<QWidget> first = w.toolWindows().find(u"Tfrmtozi"_s);
    ASSERT_TRUE(first);
    first->close(); // only hides
    item->trigger();
    EXPECT_EQ(w.toolWindows().find(u"Tfrmtozi"_s), first.data());
    EXPECT_TRUE(first->isVisible());
    // Closing the lottery during a search stops it and releases the window.
    auto* tozi = qobject_cast<ui::Tfrmtozi*>(first.data());
    ASSERT_NE(tozi, nullptr);
    tozi->btnfiltClick();
    tozi->btnyouhuaClick();
    w.mnucloseClick();
    test::flushDeferredDeletes();
    EXPECT_TRUE(first.isNull());
}
