#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "acquire/u_import.h"
#include "shell/record_set_model.h"
#include "shell/u_data.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;
const QString kShandong = u"山东体彩11选5"_s;

// Processes events until `done` holds, for at most two seconds.
bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QString fixturePath(const QString& name) { return QStringLiteral(PICKORA_FIXTURES) + u"/import/"_s + name; }

// The rows of a table as "issue n1 n2 n3 n4 n5 date", in issue order.
QStringList tableRows(const test::TempProgramFolder& folder, const QString& lottery)
{
    db::DbConnection connection(u"check"_s);
    connection.open(folder.databaseFile());
    db::RecordSet rows(connection);
    rows.openTable(schema::numberTable(lottery), schema::kIssueColumn);
    QStringList texts;
    for (rows.first(); !rows.eof(); rows.next()) {
        QStringList fields;
        for (int c = 0; c < rows.columnCount(); ++c)
            fields << rows.text(c);
        texts << fields.join(u' ');
    }
    return texts;
}

struct ImportFixture {
    ImportFixture()
    {
        folder.createDatabase();
        folder.addDraws(kGuangdong, {{"24061201", {5, 11, 2, 8, 1}}, {"24061202", {1, 5, 7, 9, 11}}});
    }
    std::unique_ptr<ui::Tfrmimport> open(const QString& lottery = kGuangdong, DrawStore* store = nullptr)
    {
        auto window = std::make_unique<ui::Tfrmimport>(folder.folder(), store, lottery);
        window->show();
        return window;
    }
    static void paste(ui::Tfrmimport& window, const QString& text)
    {
        window.findChild<QPlainTextEdit*>(u"memtext"_s)->setPlainText(text);
        window.refreshPreview();
    }
    // "status issue numbers note" of every preview row.
    static QStringList previewRows(const ui::Tfrmimport& window)
    {
        const ui::ImportPreviewModel& model = window.preview();
        QStringList rows;
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.data(model.index(r, c), Qt::DisplayRole).toString();
            rows << cells.join(u'|');
        }
        return rows;
    }
    static QString counts(const ui::Tfrmimport& window)
    {
        return window.findChild<QLabel*>(u"lblcount"_s)->text();
    }

    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
};

const QString kMixedText = u"期号\t开奖日期\t星期\t开奖号码\t和值\n"
                           "24061203\t2024-06-12\t星期三\t03 08 01 11 06\t29\n"
                           "24061201\t2024-06-12\t星期三\t05,11,02,08,01\t27\n"
                           "\n"
                           "24061202 01 02 03 04 05\n"
                           "24061204 01 02 03 04\n"
                           "24061205 01 02 03 04 12\n"
                           "24061206 07 07 01 02 03\n"
                           "07 08 09 10 11\n"
                           "2024061207,2024/06/12,4,10,7,1,9\n"_s;

} // namespace

TEST(Import, PastedMixedTextShowsEveryLineWithItsStatusAndTheCounts)
{
    ImportFixture f;
    auto window = f.open();
    EXPECT_EQ(window->windowTitle(), u"导入开奖号码"_s);
    EXPECT_EQ(window->chosenLottery(), kGuangdong);
    auto* btnimport = window->findChild<QPushButton*>(u"btnimport"_s);
    EXPECT_FALSE(btnimport->isEnabled());

    QApplication::clipboard()->setText(kMixedText);
    window->findChild<QPushButton*>(u"btnpaste"_s)->click();
    EXPECT_EQ(window->findChild<QPlainTextEdit*>(u"memtext"_s)->toPlainText(), kMixedText);
    EXPECT_EQ(ImportFixture::previewRows(*window),
              (QStringList{u"2|24061203|03 08 01 11 06|2024-06-12|新增|"_s,
                           u"3|24061201|05 11 02 08 01|2024-06-12|已有|"_s,
                           u"5|24061202|01 02 03 04 05|2024-06-12|冲突|已存的号码是 01 05 07 09 11"_s,
                           u"6|24061204|||不导入|号码有 4 个，应为 5 个"_s,
                           u"7|24061205|||不导入|号码 12 不在 01..11 之间"_s,
                           u"8|24061206|||不导入|号码 07 重复"_s,
                           u"9||||不导入|没有期号"_s,
                           u"10|24061207|04 10 07 01 09|2024-06-12|新增|"_s}));
    EXPECT_EQ(ImportFixture::counts(*window), u"新增 2 期，已有 1 期，冲突 1 行，不导入 4 行"_s);
    EXPECT_TRUE(btnimport->isEnabled());

    // The preview follows an edit by itself.
    window->findChild<QPlainTextEdit*>(u"memtext"_s)->setPlainText(u"24061208 01 02 03 04 05"_s);
    EXPECT_TRUE(waitFor([&] {
        return ImportFixture::counts(*window) == u"新增 1 期，已有 0 期，冲突 0 行，不导入 0 行"_s;
    }));

    // Closing writes nothing.
    window->findChild<QPushButton*>(u"btnclose"_s)->click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(f.folder.rowCount(schema::numberTable(kGuangdong)), 2);
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(Import, IntoAnEmptyTableThenExportGivesTheSameDrawsAndASecondImportAddsNothing)
{
    ImportFixture f;
    // Out of order, one repeated, a 2009 issue, three shapes.
    const QString pasted = u"24061203\t2024-06-12\t星期三\t03 08 01 11 06\n"
                           "9123101 05 11 02 08 01 \n"
                           "2024061201,2024/06/12,5,11,2,8,1\n"
                           "24061203 03 08 01 11 06\n"_s;
    {
        auto window = f.open(kShandong);
        ImportFixture::paste(*window, pasted);
        window->findChild<QPushButton*>(u"btnimport"_s)->click();
        EXPECT_EQ(window->importedCount(), 3);
        EXPECT_EQ(window->result(), QDialog::Accepted);
        EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功导入 3 期！"_s});
    }
    // Written in issue order, dates from the lines or from the issue.
    EXPECT_EQ(tableRows(f.folder, kShandong),
              (QStringList{u"09123101 5 11 2 8 1 2009-12-31"_s, u"24061201 5 11 2 8 1 2024-06-12"_s,
                           u"24061203 3 8 1 11 6 2024-06-12"_s}));

    // The draw editor's export reads back as the same draws.
    QTemporaryDir out;
    const QString file = out.filePath(u"历史.txt"_s);
    {
        ui::Tfrmdata editor(f.folder.folder());
        auto* list = editor.findChild<QListWidget*>(u"lstcaipiao"_s);
        list->setCurrentItem(list->findItems(kShandong, Qt::MatchExactly).value(0));
        f.dialogs.fileAnswers = {file};
        editor.btnsaveClick();
    }
    QFile exported(file);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray bytes = exported.readAll();
    const ImportText again = readDrawText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QStringList readBack;
    for (const ImportedLine& line : again.lines)
        readBack << QString::fromStdString(line.issue + " " + numbersText(line.numbers));
    EXPECT_EQ(readBack, (QStringList{u"09123101 05 11 02 08 01"_s, u"24061201 05 11 02 08 01"_s,
                                     u"24061203 03 08 01 11 06"_s}));

    // The same text, and the export itself, a second time: nothing new.
    f.dialogs.messages.clear();
    for (const QString& text : {pasted, QString::fromLatin1(bytes)}) {
        auto window = f.open(kShandong);
        ImportFixture::paste(*window, text);
        EXPECT_EQ(window->preview().plan().newLines, 0);
        EXPECT_FALSE(window->findChild<QPushButton*>(u"btnimport"_s)->isEnabled());
        window->btnimportClick();
        EXPECT_EQ(window->importedCount(), 0);
    }
    EXPECT_EQ(f.dialogs.texts(), (QStringList{u"没有新的开奖号码可以导入。"_s, u"没有新的开奖号码可以导入。"_s}));
    EXPECT_EQ(f.folder.rowCount(schema::numberTable(kShandong)), 3);
}

TEST(Import, AConflictingLineChangesNoStoredRow)
{
    ImportFixture f;
    const QStringList before = tableRows(f.folder, kGuangdong);
    auto window = f.open();
    ImportFixture::paste(*window, u"24061201 01 02 05 08 11\n24061202 11 09 07 05 01\n24061203 03 08 01 11 06\n"_s);
    EXPECT_EQ(window->preview().plan().conflictingLines, 2);
    window->findChild<QPushButton*>(u"btnimport"_s)->click();
    EXPECT_EQ(window->importedCount(), 1);
    EXPECT_EQ(tableRows(f.folder, kGuangdong), before + QStringList{u"24061203 3 8 1 11 6 2024-06-12"_s});
}

TEST(Import, AStorageErrorDuringTheImportLeavesTheTableAsItWas)
{
    ImportFixture f;
    // The table refuses the second of three new draws.
    f.folder.exec(u"CREATE TRIGGER refuse BEFORE INSERT ON \"广东体彩11选5彩票号码表\" "
                  "WHEN NEW.\"记录期号\" = '24061204' BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    const QStringList before = tableRows(f.folder, kGuangdong);
    auto window = f.open();
    ImportFixture::paste(*window, u"24061203 03 08 01 11 06\n24061204 01 02 03 04 05\n24061205 04 10 07 01 09\n"_s);
    EXPECT_EQ(window->preview().plan().newLines, 3);
    window->findChild<QPushButton*>(u"btnimport"_s)->click();
    EXPECT_EQ(tableRows(f.folder, kGuangdong), before);
    EXPECT_EQ(window->importedCount(), 0);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_TRUE(f.dialogs.messages[0].text.startsWith(u"导入没有完成，号码表保持原样。"_s));
    EXPECT_TRUE(f.dialogs.messages[0].text.contains(u"disk full"_s));
}

TEST(Import, FilesInGbkAndUtf8WithOrWithoutByteOrderMark)
{
    for (const QString& name : {u"web_table_gbk.txt"_s, u"web_table_utf8.txt"_s, u"csv_header_bom.csv"_s,
                                u"typed_gbk.txt"_s}) {
        SCOPED_TRACE(name.toStdString());
        ImportFixture f;
        auto window = f.open(kShandong);
        f.dialogs.fileAnswers = {fixturePath(name)};
        window->findChild<QPushButton*>(u"btnfile"_s)->click();
        ASSERT_EQ(f.dialogs.fileDialogs.size(), 1U);
        EXPECT_EQ(f.dialogs.fileDialogs[0].filter, u"文本文件(*.txt;*.csv)|*.txt;*.csv|所有文件(*)|*"_s);
        const QString shown = window->findChild<QPlainTextEdit*>(u"memtext"_s)->toPlainText();
        EXPECT_TRUE(shown.contains(u"期"_s));
        EXPECT_FALSE(shown.startsWith(QChar(0xFEFF)));
        const QStringList rows = ImportFixture::previewRows(*window);
        ASSERT_GE(rows.size(), 2);
        EXPECT_TRUE(rows[0].contains(u"|24061201|05 11 02 08 01|2024-06-12|新增|"_s)
                    || rows[0].contains(u"|24061203|03 08 01 11 06|2024-06-12|新增|"_s))
            << rows[0].toStdString();
    }
    // A file that cannot be read.
    ImportFixture f;
    auto window = f.open(kShandong);
    f.dialogs.fileAnswers = {fixturePath(u"missing.txt"_s)};
    window->findChild<QPushButton*>(u"btnfile"_s)->click();
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_TRUE(f.dialogs.messages[0].text.startsWith(u"无法打开文件"_s));
}

TEST(Import, MenuItemImportsIntoTheOpenLotteryAndReloadsIt)
{
    test::MainWindowFixture m;
    m.folder.addDraws(kGuangdong, {{"24061201", {5, 11, 2, 8, 1}}});
    ui::Tfrmmain& w = m.mainWindow();
    // "导入开奖号码(&I)" comes right after "数据下载(&D)".
    QAction* download = w.menuItem(u"mnudownload"_s);
    QAction* item = w.menuItem(u"mnuimport"_s);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), u"导入开奖号码(&I)"_s);
    QMenu* data = nullptr;
    for (QAction* menu : w.menuBar()->actions())
        if (menu->text() == u"彩票数据(&D)"_s)
            data = menu->menu();
    ASSERT_NE(data, nullptr);
    const QList<QAction*> items = data->actions();
    ASSERT_GE(items.indexOf(download), 0);
    EXPECT_EQ(items.indexOf(item), items.indexOf(download) + 1);

    m.openLottery(kGuangdong);
    ASSERT_EQ(m.store->history().count(), 1);
    bool onlyTheOpenLottery = false;
    test::whenModal([&](QWidget* modal) {
        auto* box = modal->findChild<QComboBox*>(u"comcaipiao"_s);
        onlyTheOpenLottery = box->count() == 1 && box->currentText() == kGuangdong && !box->isEnabled();
        auto* window = qobject_cast<ui::Tfrmimport*>(modal);
        ASSERT_NE(window, nullptr);
        ImportFixture::paste(*window, u"24061202 01 05 07 09 11\n24061203 03 08 01 11 06"_s);
        modal->findChild<QPushButton*>(u"btnimport"_s)->click();
    });
    item->trigger();
    EXPECT_TRUE(onlyTheOpenLottery);
    EXPECT_TRUE(m.store->lotteryOpen());
    EXPECT_EQ(m.store->history().count(), 3);
    EXPECT_EQ(m.store->history().draws.back().issue, 24061203);

    // With no lottery open, any lottery of the catalogue can be chosen.
    w.mnucloseClick();
    QStringList choices;
    test::whenModal([&](QWidget* modal) {
        auto* box = modal->findChild<QComboBox*>(u"comcaipiao"_s);
        for (int i = 0; i < box->count(); ++i)
            choices << box->itemText(i);
        modal->findChild<QPushButton*>(u"btnclose"_s)->click();
    });
    item->trigger();
    EXPECT_EQ(choices, schema::defaultLotteries());
}

TEST(Import, DrawEditorButtonImportsIntoTheSelectedLotteryAndShowsTheRows)
{
    ImportFixture f;
    ui::Tfrmdata editor(f.folder.folder());
    editor.show();
    auto* list = editor.findChild<QListWidget*>(u"lstcaipiao"_s);
    list->setCurrentItem(list->findItems(kGuangdong, Qt::MatchExactly).value(0));
    ASSERT_EQ(editor.model().rowCount(), 2);
    auto* button = editor.findChild<QPushButton*>(u"btnimport"_s);
    ASSERT_NE(button, nullptr);
    QString chosen;
    test::whenModal([&](QWidget* modal) {
        chosen = modal->findChild<QComboBox*>(u"comcaipiao"_s)->currentText();
        auto* window = qobject_cast<ui::Tfrmimport*>(modal);
        ASSERT_NE(window, nullptr);
        ImportFixture::paste(*window, u"24061203 03 08 01 11 06"_s);
        modal->findChild<QPushButton*>(u"btnimport"_s)->click();
    });
    button->click();
    EXPECT_EQ(chosen, kGuangdong);
    EXPECT_EQ(editor.model().rowCount(), 3);
    EXPECT_EQ(editor.currentRow(), 2);

    // While adding, the import waits.
    editor.findChild<QPushButton*>(u"btnedit"_s)->click();
    EXPECT_FALSE(button->isEnabled());
}
