#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QHeaderView>
#include <QTableView>
#include <gtest/gtest.h>

#include "support/child.h"
#include "widgets/text_table_model.h"
#include "widgets/table_report.h"
#include "invest/u_gudingjihua.h"
#include "invest/u_jieduanjihua.h"
#include "invest/u_keibianjihua.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

QString cell(const ui::PlanWindow& w, int row, int column)
{
    return w.gridModel()->text(row, column);
}

void click(QWidget& w, const char* name)
{
    test::child<QPushButton>(w, QLatin1StringView(name))->click();
}

void setText(QWidget& w, const char* name, const QString& text)
{
    test::child<QLineEdit>(w, QLatin1StringView(name))->setText(text);
}

QString text(QWidget& w, const char* name)
{
    return test::child<QLineEdit>(w, QLatin1StringView(name))->text();
}

} // namespace

TEST(FixedPlanWindow, GenerateSaveAndLoadBack)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmgudingjihua w(folder.folder());
    EXPECT_EQ(w.windowTitle(), u"固定计划投资"_s);
    EXPECT_EQ(text(w, "edtoutofsin"), u"1000"_s);
    click(w, "btnala");
    ASSERT_EQ(w.gridModel()->rowCount(), 80);
    EXPECT_EQ(w.gridModel()->headers().value(0), u"投注期号"_s);
    EXPECT_EQ(cell(w, 61, 1), u"2"_s);
    EXPECT_EQ(dialogs.texts(), QStringList{u"平均每期净利润为:551"_s});

    const QString file = folder.folder().path(u"附属/计划.txt"_s);
    QDir().mkpath(folder.folder().attachmentsFolder());
    dialogs.fileAnswers = {file};
    click(w, "btnsave");
    EXPECT_EQ(dialogs.texts().last(), u"成功保存！"_s);
    ASSERT_EQ(dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(dialogs.fileDialogs[0].proposedName, u"固定投资计划表.txt"_s);
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, folder.folder().attachmentsFolder());
    EXPECT_EQ(dialogs.fileDialogs[0].filter, u"文本文件(*.txt)|*.txt"_s);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("0\r\n10\r\n16\r\n1000\r\n80\r\n1\r\n1\r\n16\r\n16\r\n1000\r\n984\r\n6150\r\n"));

    ui::Tfrmgudingjihua other(folder.folder());
    setText(other, "edtdays", u"3"_s);
    dialogs.fileAnswers = {file};
    click(other, "btnload");
    EXPECT_EQ(text(other, "edtdays"), u"80"_s);
    EXPECT_EQ(other.gridModel()->headers().value(0), u"投注时间"_s);
    EXPECT_EQ(other.gridModel()->rows(), w.gridModel()->rows());
    EXPECT_EQ(other.planTable(), w.planTable());
    EXPECT_EQ(dialogs.texts().last(), u"平均每期中奖金额为:551"_s);
}

TEST(FixedPlanWindow, RefusalsLeaveTheGridAsItWas)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmgudingjihua w(folder.folder());
    click(w, "btnala");
    const auto before = w.gridModel()->rows();
    struct Case {
        const char* field;
        QString value;
        QString expected; // a fragment of the message
    };
    for (const Case& c : {Case{"edtoutofsin", u"10"_s, u"所需倍数太大，无法投注！"_s},
                          Case{"edtinofsin", u"0"_s, u"单倍投入"_s},
                          Case{"edtdays", u"0"_s, u"投注期数"_s},
                          Case{"edtlirun", u"1x"_s, u"“预期利润”中的“1x”"_s}}) {
        ui::Tfrmgudingjihua fresh(folder.folder());
        click(fresh, "btnala");
        setText(fresh, c.field, c.value);
        click(fresh, "btnala");
        EXPECT_TRUE(dialogs.texts().last().contains(c.expected)) << dialogs.texts().last().toStdString();
        EXPECT_EQ(fresh.gridModel()->rows(), before);
    }

    // A bad value in the third row: the count of complete rows, and what was read is shown.
    const QString file = folder.folder().path(u"bad.txt"_s);
    QFile bad(file);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("0\r\n10\r\n16\r\n1000\r\n5\r\n");
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c < 7; ++c)
            bad.write(QByteArray::number(r * 100 + c) + "\r\n");
    bad.write("3\r\n1\r\nx\r\n");
    bad.close();
    dialogs.fileAnswers = {file};
    dialogs.messages.clear();
    click(w, "btnload");
    // The count of complete rows, then the average of what was read over the 5 periods:
    // column 5 of rows 1 and 2 is 105 and 205.
    EXPECT_EQ(dialogs.texts(), (QStringList{u"2"_s, u"平均每期中奖金额为:62"_s}));
    ASSERT_EQ(w.gridModel()->rowCount(), 5);
    EXPECT_EQ(cell(w, 1, 6), u"206"_s);
    EXPECT_EQ(cell(w, 2, 1), u"1"_s);
    EXPECT_EQ(cell(w, 2, 2), QString());

    // More rows than periods is refused before anything changes.
    QFile many(file);
    ASSERT_TRUE(many.open(QIODevice::WriteOnly));
    many.write("0\r\n10\r\n16\r\n1000\r\n1\r\n");
    for (int r = 0; r < 14; ++r)
        many.write("1\r\n");
    many.close();
    setText(w, "edtdays", u"5"_s);
    dialogs.fileAnswers = {file};
    click(w, "btnload");
    EXPECT_TRUE(dialogs.texts().last().contains(u"超过"_s));
    EXPECT_EQ(text(w, "edtdays"), u"5"_s);
}

TEST(FixedPlanWindow, FailedSaveKeepsTheOldFileAndSaysNoSuccess)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmgudingjihua w(folder.folder());
    click(w, "btnala");
    dialogs.fileAnswers = {folder.folder().path(u"没有这个文件夹/计划.txt"_s)};
    click(w, "btnsave");
    EXPECT_EQ(dialogs.messages.back().kind, ui::MessageKind::Error);
    EXPECT_FALSE(dialogs.texts().contains(u"成功保存！"_s));
}

TEST(PhasedPlanWindow, StagesAndRoundTrip)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmjieduanjihua w(folder.folder());
    EXPECT_EQ(w.windowTitle(), u"阶段计划投资"_s);
    EXPECT_EQ(text(w, "edtjieduan"), u"10"_s);
    setText(w, "edtjieduan", u"30"_s);
    click(w, "btnala");
    ASSERT_EQ(w.gridModel()->rowCount(), 80);
    EXPECT_EQ(cell(w, 78, 1), cell(w, 79, 1));
    setText(w, "edtjieduan", u"0"_s);
    click(w, "btnala");
    EXPECT_TRUE(dialogs.texts().last().contains(u"阶段次数"_s));

    // More stages than periods: one period a stage, exactly the fixed plan.
    ui::Tfrmgudingjihua fixed(folder.folder());
    for (ui::PlanWindow* plan : {static_cast<ui::PlanWindow*>(&w), static_cast<ui::PlanWindow*>(&fixed)})
        setText(*plan, "edtdays", u"7"_s);
    setText(w, "edtjieduan", u"10"_s);
    click(w, "btnala");
    click(fixed, "btnala");
    EXPECT_TRUE(dialogs.texts().last().startsWith(u"平均每期净利润为:"_s));
    ASSERT_EQ(w.gridModel()->rowCount(), 7);
    EXPECT_EQ(w.gridModel()->rows(), fixed.gridModel()->rows());
    setText(w, "edtdays", u"80"_s);

    const QString file = folder.folder().path(u"phased.txt"_s);
    setText(w, "edtjieduan", u"30"_s);
    click(w, "btnala");
    dialogs.fileAnswers = {file};
    click(w, "btnsave");
    ui::Tfrmjieduanjihua other(folder.folder());
    dialogs.fileAnswers = {file};
    click(other, "btnload");
    EXPECT_EQ(text(other, "edtjieduan"), u"30"_s);
    EXPECT_EQ(other.gridModel()->headers().value(0), u"投注期号"_s);
    EXPECT_EQ(other.gridModel()->rows(), w.gridModel()->rows());
}

TEST(VariablePlanWindow, BuildPeriodByPeriodSaveAndContinue)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmkeibianjihua w(folder.folder());
    auto* add = test::child<QPushButton>(w, u"btnjisuan"_s);
    auto* fresh = test::child<QPushButton>(w, u"btnnew"_s);
    EXPECT_FALSE(add->isEnabled());
    click(w, "btnnew");
    EXPECT_EQ(fresh->text(), u"取消保存"_s);
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(test::child<QPushButton>(w, u"btnload"_s)->isEnabled());
    EXPECT_FALSE(test::child<QPushButton>(w, u"btnclose"_s)->isEnabled());
    click(w, "btnjisuan");
    setText(w, "edtjushu", u"20"_s);
    click(w, "btnjisuan");
    ASSERT_EQ(w.gridModel()->rowCount(), 2);
    EXPECT_EQ(w.gridModel()->rows()[0].join(u','), u"1,1,8,16,16,1000,984,6150"_s);
    EXPECT_EQ(w.gridModel()->rows()[1].join(u','), u"2,1,20,40,56,1000,944,1685"_s);
    EXPECT_EQ(dialogs.texts().last(), u"平均每期净利润为:964"_s);

    // A period that cannot reach the profit is not added.
    setText(w, "edtoutofsin", u"10"_s);
    click(w, "btnjisuan");
    EXPECT_EQ(dialogs.texts().last(), u"所需倍数太大，无法投注！"_s);
    EXPECT_EQ(w.gridModel()->rowCount(), 2);
    setText(w, "edtoutofsin", u"1000"_s);

    const QString file = folder.folder().path(u"variable.txt"_s);
    dialogs.fileAnswers = {file};
    click(w, "btnsave");
    EXPECT_EQ(fresh->text(), u"新建"_s);
    EXPECT_TRUE(test::child<QPushButton>(w, u"btnload"_s)->isEnabled());

    ui::Tfrmkeibianjihua other(folder.folder());
    setText(other, "edtdays", u"3"_s);
    dialogs.fileAnswers = {file};
    click(other, "btnload");
    EXPECT_EQ(other.gridModel()->rows(), w.gridModel()->rows());
    EXPECT_EQ(text(other, "edtjushu"), u"20"_s);
    EXPECT_EQ(test::child<QPushButton>(other, u"btnnew"_s)->text(), u"取消保存"_s);
    setText(other, "edtdays", u"3"_s);
    click(other, "btnjisuan");
    EXPECT_EQ(other.gridModel()->rowCount(), 3);
    click(other, "btnjisuan");
    EXPECT_EQ(dialogs.texts().last(), u"投资期限已满3天!"_s);
    EXPECT_EQ(other.gridModel()->rowCount(), 3);
}

TEST(VariablePlanWindow, NoPeriodsIsItsOwnMessage)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmkeibianjihua w(folder.folder());
    click(w, "btnnew");
    for (const QString& days : {u"0"_s, u"-3"_s}) {
        setText(w, "edtdays", days);
        click(w, "btnjisuan");
        EXPECT_EQ(dialogs.messages.back().kind, ui::MessageKind::Error);
        EXPECT_TRUE(dialogs.texts().last().contains(u"投注期数"_s)) << dialogs.texts().last().toStdString();
        EXPECT_FALSE(dialogs.texts().last().contains(u"投资期限已满"_s));
        EXPECT_EQ(w.gridModel()->rowCount(), 0);
    }
    setText(w, "edtdays", u"1"_s);
    click(w, "btnjisuan");
    click(w, "btnjisuan");
    EXPECT_EQ(dialogs.texts().last(), u"投资期限已满1天!"_s);
}

TEST(PlanWindows, HeadersFitAndWindowsCascade)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    for (const QString& item : {u"mnugudingjihua"_s, u"mnujieduanjihua"_s, u"mnukeibianjihua"_s})
        w.menuItem(item)->trigger();
    QList<QPoint> places;
    for (const QString& name : {u"Tfrmgudingjihua"_s, u"Tfrmjieduanjihua"_s, u"Tfrmkeibianjihua"_s}) {
        auto* plan = qobject_cast<ui::PlanWindow*>(w.toolWindows().find(name));
        ASSERT_TRUE(plan) << name.toStdString();
        EXPECT_LE(plan->width(), 1024) << name.toStdString();
        EXPECT_FALSE(places.contains(plan->pos())) << name.toStdString() << " opens on another";
        places << plan->pos();
        // A plan, then every column at least as wide as its header's text.
        if (name == u"Tfrmkeibianjihua"_s) {
            click(*plan, "btnnew");
            click(*plan, "btnjisuan");
        } else {
            click(*plan, "btnala");
        }
        QTableView* grid = plan->grid();
        QApplication::processEvents();
        int total = 0;
        for (int c = 0; c < plan->gridModel()->columnCount(); ++c) {
            const QString header = plan->gridModel()->headers().value(c);
            EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->sectionSizeHint(c))
                << name.toStdString() << " " << header.toStdString();
            total += grid->columnWidth(c);
        }
        // ... and all of them side by side in the grid at the window's first size.
        EXPECT_LE(total, grid->viewport()->width()) << name.toStdString();
    }
}

TEST(PlanPrinting, EmptyGridAndPdfPages)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmgudingjihua w(folder.folder());
    click(w, "btnprint");
    EXPECT_EQ(dialogs.texts(), QStringList{u"请先生成表格！"_s});

    click(w, "btnala");
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = folder.folder().path(u"plan.pdf"_s);
    printer.setOutputFileName(pdf);
    ui::TableReportRequest request{ReportLayout::FixedPlan, u"固定投资计划表"_s, u"前期亏损:0"_s,
                                   w.gridModel()->headers(), w.gridModel()->rows()};
    ASSERT_TRUE(ui::paintTableReport(printer, request));
    QFile out(pdf);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 4);
}

TEST(InvestMenu, PlanWindowsOpenWithoutALotteryAndCloseWithIt)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    for (const QString& item : {u"mnugudingjihua"_s, u"mnujieduanjihua"_s, u"mnukeibianjihua"_s}) {
        ASSERT_TRUE(w.menuItem(item)->isEnabled());
        w.menuItem(item)->trigger();
    }
    EXPECT_EQ(w.toolWindows().count(), 3);
    QPointer<QWidget> fixed = w.toolWindows().find(u"Tfrmgudingjihua"_s);
    ASSERT_TRUE(fixed);
    fixed->close(); // only hides
    EXPECT_TRUE(fixed);
    w.menuItem(u"mnugudingjihua"_s)->trigger();
    EXPECT_TRUE(fixed->isVisible());
    w.mnucloseClick();
    test::flushDeferredDeletes(); // closed windows go once control is back in the event loop
    EXPECT_TRUE(fixed.isNull());
    EXPECT_EQ(w.toolWindows().count(), 0);
}

TEST(VariablePlanWindow, AmountsPastTheBoundsAreRefused)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmkeibianjihua w(folder.folder());
    const QString file = folder.folder().path(u"huge.txt"_s);
    const auto writePlan = [&](const QByteArray& total, const QByteArray& net) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("0\r\n10\r\n16\r\n1000\r\n80\r\n8\r\n");
        for (const QByteArray& v : {QByteArray("1"), QByteArray("1"), QByteArray("8"),
                                    QByteArray("16"), total, QByteArray("1000"), net,
                                    QByteArray("0")})
            out.write(v + "\r\n");
    };

    // A running total near 2^63 is refused when the file is read, before anything changes.
    writePlan("9223372036854774807", "-9223372036854773807");
    dialogs.fileAnswers = {file};
    click(w, "btnload");
    EXPECT_EQ(dialogs.texts().last(),
              u"载入停止：第 1 期的“当期总投入” 9223372036854774807 不在 %1 到 %2 之间。"_s
                  .arg(-kMaxPlanAmount)
                  .arg(kMaxPlanAmount));
    EXPECT_EQ(w.gridModel()->rowCount(), 0);
    EXPECT_FALSE(w.findChild<QPushButton*>(u"btnjisuan"_s)->isEnabled());

    // A total at the bound loads.
    writePlan(QByteArray::number(-kMaxPlanAmount), "0");
    dialogs.fileAnswers = {file};
    click(w, "btnload");
    EXPECT_EQ(w.gridModel()->rowCount(), 1);
}
