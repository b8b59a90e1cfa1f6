#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>

#include "support/child.h"
#include "widgets/text_table_model.h"
#include "recommend/u_juzheng.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

// The folder the build copies beside the program, with the shipped wheel files.
ProgramFolder shippedFolder() { return ProgramFolder(QStringLiteral(PICKORA_PROGRAM_FOLDER)); }

QComboBox* list(QWidget& w, const char* name) { return test::child<QComboBox>(w, QLatin1StringView(name)); }

void click(QWidget& w, const char* name) { test::child<QPushButton>(w, QLatin1StringView(name))->click(); }

void chooseKind(QWidget& w, int index)
{
    test::child<QGroupBox>(w, u"optjutype"_s)->findChildren<QRadioButton*>().at(index)->click();
}

void typeNumbers(ui::Tfrmjuzheng& w, const QList<int>& numbers)
{
    for (int i = 0; i < numbers.size(); ++i)
        w.numberBoxes()[i]->setText(QString::number(numbers[i]));
}

// The lines of a shipped matrix file as positions.
std::vector<QList<int>> matrixLines(const QString& name)
{
    QFile file(shippedFolder().wheelsFolder() + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    std::vector<QList<int>> lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QList<int> positions;
        for (const QByteArray& value : line.trimmed().split(' '))
            positions << value.toInt();
        lines.push_back(positions);
    }
    return lines;
}

QStringList row(const ui::Tfrmjuzheng& w, int r) { return w.gridModel()->rows().at(static_cast<std::size_t>(r)); }

} // namespace

TEST(WheelWindow, SettingsListsBoxesAndKinds)
{
    test::ScriptedDialogs dialogs;
    ui::Tfrmjuzheng w(shippedFolder());
    w.show();
    EXPECT_EQ(w.windowTitle(), u"旋转矩阵组号缩水"_s);
    EXPECT_EQ(w.size(), QSize(737, 563));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);

    struct Listed {
        const char* name;
        QString first, last, current;
        int count;
    };
    for (const Listed& l : {Listed{"comcainum", u"选1型"_s, u"选7型"_s, u"选6型"_s, 7},
                            Listed{"commainnum", u"1"_s, u"21"_s, u"10"_s, 21},
                            Listed{"comdannum", u"0"_s, u"2"_s, u"0"_s, 3},
                            Listed{"comoknum", u"1"_s, u"8"_s, u"6"_s, 8},
                            Listed{"combaonum", u"1"_s, u"8"_s, u"5"_s, 8}}) {
        QComboBox* box = list(w, l.name);
        ASSERT_TRUE(box) << l.name;
        EXPECT_EQ(box->count(), l.count) << l.name;
        EXPECT_EQ(box->itemText(0), l.first) << l.name;
        EXPECT_EQ(box->itemText(box->count() - 1), l.last) << l.name;
        EXPECT_EQ(box->currentText(), l.current) << l.name;
    }
    EXPECT_FALSE(list(w, "comdannum")->isEnabled());

    // 21 boxes in 3 rows of 7 inside the frame; box 9 is row 1, column 1.
    ASSERT_EQ(w.numberBoxes().size(), 21);
    const QGroupBox* frame = test::child<QGroupBox>(w, u"grphao"_s);
    EXPECT_EQ(frame->title(), u"请在下面框中输入你要包的号码："_s);
    const int fw = frame->width(), fh = frame->height();
    EXPECT_EQ(w.numberBoxes()[8]->geometry(),
              QRect((fw - 12) / 7 + 7, (fh - 15) / 3 + 15, (fw - 12) / 7 - 5, (fh - 15) / 3 - 5));

    const QColor white = QApplication::palette().color(QPalette::Base);
    const auto expectBoxes = [&](int base, int bankers) {
        for (int e = 1; e <= 21; ++e) {
            QLineEdit* box = w.numberBoxes()[e - 1];
            EXPECT_EQ(box->isVisible(), e <= base + bankers) << "box " << e;
            EXPECT_EQ(box->palette().color(QPalette::Base), e <= base ? white : QColor(Qt::red))
                << "box " << e;
        }
    };
    expectBoxes(10, 0);
    chooseKind(w, 1);
    EXPECT_EQ(list(w, "commainnum")->currentText(), u"9"_s);
    EXPECT_EQ(list(w, "comdannum")->currentText(), u"1"_s);
    EXPECT_TRUE(list(w, "comdannum")->isEnabled());
    expectBoxes(9, 1);
    list(w, "comdannum")->setCurrentIndex(2);
    list(w, "commainnum")->setCurrentIndex(6);
    expectBoxes(7, 2);
    chooseKind(w, 0);
    EXPECT_EQ(list(w, "commainnum")->currentText(), u"10"_s);
    EXPECT_EQ(list(w, "comdannum")->currentText(), u"0"_s);
    EXPECT_FALSE(list(w, "comdannum")->isEnabled());
    expectBoxes(10, 0);

    // A click into a box selects its whole text.
    QLineEdit* box = w.numberBoxes()[2];
    box->setText(u"07"_s);
    box->deselect();
    const QPointF at(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, box->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
    EXPECT_EQ(box->selectedText(), u"07"_s);
}

TEST(WheelWindow, BalancedAndBankerWheelsFromTheShippedFiles)
{
    test::ScriptedDialogs dialogs;
    ui::Tfrmjuzheng w(shippedFolder());
    // Box t holds 10 + t, so every bet shows the file's positions plus ten.
    typeNumbers(w, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    click(w, "btngen");
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(u'\n').toStdString();
    const std::vector<QList<int>> balanced = matrixLines(u"选六型10码中6保5.txt"_s);
    ASSERT_EQ(w.gridModel()->rowCount(), static_cast<int>(balanced.size()));
    EXPECT_EQ(w.gridModel()->headers(),
              (QStringList{u"序号"_s, u"号码1"_s, u"号码2"_s, u"号码3"_s, u"号码4"_s, u"号码5"_s, u"号码6"_s}));
    for (std::size_t r = 0; r < balanced.size(); ++r) {
        QStringList expected = {QString::number(r + 1)};
        for (const int t : balanced[r])
            expected << QString::number(10 + t);
        EXPECT_EQ(row(w, static_cast<int>(r)), expected);
    }
    const QString count = QString::number(balanced.size());
    EXPECT_EQ(test::child<QLineEdit>(w, u"edtjushu"_s)->text(), count);
    EXPECT_EQ(test::child<QLabel>(w, u"lblcode"_s)->text(), u"投注号码：共"_s + count + u" 注"_s);

    // "胆拖式": base 1 … 9 and banker 11 read 选五型09码中5保4.txt; every bet ends with 11.
    chooseKind(w, 1);
    typeNumbers(w, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11});
    click(w, "btngen");
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(u'\n').toStdString();
    const std::vector<QList<int>> reduced = matrixLines(u"选五型09码中5保4.txt"_s);
    ASSERT_EQ(w.gridModel()->rowCount(), static_cast<int>(reduced.size()));
    for (int r = 0; r < w.gridModel()->rowCount(); ++r) {
        QStringList expected = {QString::number(r + 1)};
        for (const int t : reduced[static_cast<std::size_t>(r)])
            expected << u"0"_s + QString::number(t);
        expected << u"11"_s;
        EXPECT_EQ(row(w, r), expected);
    }
}

TEST(WheelWindow, ChecksInOrderChangeNothing)
{
    test::ScriptedDialogs dialogs;
    ui::Tfrmjuzheng w(shippedFolder());
    struct Case {
        QStringList boxes;
        int guaranteedIndex;
        QString message;
    };
    const QString numbers = u"请在下面号码框中输入正确的号码数字！"_s;
    const QString repeated = u"请不要输入重复的号码数字！"_s;
    const QStringList ten = {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s};
    QStringList blank = ten, text = ten, twice = ten, padded = ten, zeroed = ten;
    blank[9] = u"  "_s;
    text[4] = u"5a"_s;
    twice[9] = u"3"_s;
    padded[9] = u" 3 "_s;
    zeroed[9] = u"03"_s; // texts differ: not a repeat
    for (const Case& c : {Case{{}, 7, u"没有该类型的矩阵！"_s}, // 中6保8 has no file, checked first
                          Case{blank, 4, numbers}, Case{text, 4, numbers},
                          Case{twice, 4, repeated}, Case{padded, 4, repeated},
                          Case{zeroed, 4, QString()}}) {
        dialogs.messages.clear();
        for (int e = 0; e < 21; ++e)
            w.numberBoxes()[e]->setText(c.boxes.value(e));
        list(w, "combaonum")->setCurrentIndex(c.guaranteedIndex);
        click(w, "btngen");
        EXPECT_EQ(dialogs.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.boxes.join(u',').toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_EQ(w.gridModel()->rowCount(), 0);
        }
    }
    EXPECT_GT(w.gridModel()->rowCount(), 0);
}

TEST(WheelWindow, MatrixFileStopsAtTextAndRefusesBadLines)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    QDir().mkpath(folder.folder().wheelsFolder());
    const QString file = folder.folder().wheelsFolder() + u"选三型05码中3保2.txt"_s;
    const auto writeMatrix = [&](const QByteArray& text) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    };
    ui::Tfrmjuzheng w(folder.folder());
    list(w, "comcainum")->setCurrentIndex(2);
    list(w, "commainnum")->setCurrentIndex(4);
    list(w, "comoknum")->setCurrentIndex(2);
    list(w, "combaonum")->setCurrentIndex(1);
    typeNumbers(w, {9, 7, 5, 3, 1});

    writeMatrix("1 2 3\r\n4,5, 1\r\n注：以上两注\r\n2 3 4\r\n");
    click(w, "btngen");
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(w.gridModel()->rowCount(), 2);
    EXPECT_EQ(row(w, 0), (QStringList{u"1"_s, u"05"_s, u"07"_s, u"09"_s}));
    EXPECT_EQ(row(w, 1), (QStringList{u"2"_s, u"01"_s, u"03"_s, u"09"_s}));

    for (const QByteArray& bad : {QByteArray("1 2 3\r\n1 2 6\r\n"), QByteArray("1 2 3\r\n1 2\r\n")}) {
        dialogs.messages.clear();
        writeMatrix(bad);
        click(w, "btngen");
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(u"旋转矩阵文件“选三型05码中3保2.txt”第 2 行"_s))
            << dialogs.messages[0].text.toStdString();
        EXPECT_EQ(w.gridModel()->rowCount(), 2); // the list shown before stays
    }
}

TEST(WheelWindow, PrintsTheListInTheTotalFilterLayout)
{
    test::ScriptedDialogs dialogs;
    ui::Tfrmjuzheng w(shippedFolder());
    click(w, "btnprint");
    EXPECT_EQ(dialogs.texts(), QStringList{u"请先生成表格！"_s});

    typeNumbers(w, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    click(w, "btngen");
    const int bets = w.gridModel()->rowCount();
    ASSERT_GT(bets, 0);
    const ui::TableReportRequest request = w.printRequest();
    EXPECT_EQ(request.layout, ReportLayout::TotalFilter);
    EXPECT_EQ(request.headers, (QStringList{u"序号"_s, u"投注号码"_s}));
    EXPECT_TRUE(request.title.contains(u"选六型10码中6保5"_s)) << request.title.toStdString();
    EXPECT_TRUE(request.settingsLine.startsWith(u"共%1注 打印日期:"_s.arg(bets)));
    ASSERT_EQ(request.rows.size(), static_cast<std::size_t>(bets));
    QString first;
    for (int c = 1; c <= 6; ++c)
        first += row(w, 0).at(c) + u' ';
    EXPECT_EQ(request.rows.front(), (QStringList{u"1"_s, first}));

    // The button goes to the printer dialog (refused by the test's dialogs: nothing printed).
    dialogs.messages.clear();
    click(w, "btnprint");
    EXPECT_FALSE(dialogs.texts().contains(u"请先生成表格！"_s));

    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(u"wheel.pdf"_s));
    ASSERT_TRUE(ui::paintTableReport(printer, request));
    QFile pdf(out.filePath(u"wheel.pdf"_s));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
              (bets + 24) / 25);
}

TEST(WheelWindow, SavesTheListUnderTheProposedName)
{
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    ui::Tfrmjuzheng w(shippedFolder());
    click(w, "btnsave");
    EXPECT_EQ(dialogs.texts(), QStringList{u"号码表格为空，无法保存！"_s});
    EXPECT_TRUE(dialogs.fileDialogs.empty());

    typeNumbers(w, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    click(w, "btngen");
    const QString saved = folder.folder().path(u"list.txt"_s);
    dialogs.messages.clear();
    dialogs.fileAnswers = {saved};
    click(w, "btnsave");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(dialogs.fileDialogs[0].proposedName, u"选六型10码中6保5投注号码.txt"_s);
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, shippedFolder().attachmentsFolder());
    EXPECT_EQ(dialogs.fileDialogs[0].filter, u"文本文件(*.txt)|*.txt"_s);
    EXPECT_EQ(dialogs.texts(), QStringList{u"成功保存！"_s});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expected;
    for (const QStringList& r : w.gridModel()->rows())
        expected += (r.mid(1).join(u' ') + u" \r\n"_s).toLatin1();
    EXPECT_EQ(file.readAll(), expected);

    chooseKind(w, 1);
    dialogs.fileAnswers = {QString()}; // cancelled
    click(w, "btnsave");
    ASSERT_EQ(dialogs.fileDialogs.size(), 2U);
    EXPECT_EQ(dialogs.fileDialogs[1].proposedName, u"选六型1胆9拖中6保5投注号码.txt"_s);
}

TEST(WheelWindow, MenuItemOpensOneWindowKeptUntilTheLotteryCloses)
{
    test::MainWindowFixture f;
    const QString lottery = u"重庆体彩11选5"_s;
    f.folder.addDraws(lottery, test::TempProgramFolder::sampleDraws(20));
    ui::Tfrmmain& w = f.mainWindow();
    f.openLottery(lottery);
    w.updateMenuState();
    QAction* item = w.menuItem(u"mnujuzheng"_s);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    QPointer<QWidget> first = w.toolWindows().find(u"Tfrmjuzheng"_s);
    ASSERT_TRUE(first);
    first->close(); // only hides
    item->trigger();
    EXPECT_EQ(w.toolWindows().find(u"Tfrmjuzheng"_s), first.data());
    EXPECT_TRUE(first->isVisible());
    w.mnucloseClick();
    test::flushDeferredDeletes();
    EXPECT_TRUE(first.isNull());
}
