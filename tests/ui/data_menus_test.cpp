#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "shell/desktop_links.h"
#include "shell/u_about.h"
#include "store/database_copy.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "store/text_files.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int drawsIn(const QString& databaseFile)
{
    db::DbConnection connection(u"check"_s);
    connection.open(databaseFile);
    db::RecordSet rows(connection);
    rows.openTable(schema::numberTable(kGuangdong));
    return rows.rowCount();
}

// The main window, its start-up message (no background picture in a test folder) forgotten.
ui::Tfrmmain& quietMainWindow(test::MainWindowFixture& f)
{
    ui::Tfrmmain& w = f.mainWindow();
    f.dialogs.messages.clear();
    return w;
}

// `file`'s bytes with the first page of the Guangdong draws overwritten: the file still lists its
// tables, but SQLite's check finds the damage.
QByteArray withDamagedDrawsPage(const QString& file)
{
    int page = 0;
    {
        db::DbConnection connection(u"damage"_s);
        connection.open(file);
        QSqlQuery query(QSqlDatabase::database(connection.connectionName()));
        query.exec(u"SELECT rootpage FROM sqlite_master WHERE name = '%1'"_s.arg(
            schema::numberTable(kGuangdong)));
        page = query.next() ? query.value(0).toInt() : 0;
    }
    constexpr int kPageSize = 4096;
    QByteArray bytes = contents(file);
    if (page > 1 && page * kPageSize <= bytes.size())
        bytes.replace((page - 1) * kPageSize, kPageSize, QByteArray(kPageSize, '\xff'));
    return bytes;
}

// Records the addresses the program asks the desktop to open.
struct RecordedLinks {
    RecordedLinks()
    {
        ui::desktop::setOpener([this](const QUrl& url) {
            urls << url;
            return opens;
        });
    }
    ~RecordedLinks() { ui::desktop::setOpener({}); }
    QList<QUrl> urls;
    bool opens = true;
};

} // namespace

TEST(DataMenus, BackupCopiesWhileTheLotteryStaysOpen)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(30));
    ui::Tfrmmain& w = quietMainWindow(f);
    f.openLottery(kGuangdong);
    QTemporaryDir out;
    const QString backup = out.filePath(u"备份.mdb"_s);

    f.dialogs.fileAnswers = {backup};
    w.menuItem(u"mnubackup"_s)->trigger();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功备份！"_s});
    EXPECT_TRUE(f.store->lotteryOpen());
    EXPECT_TRUE(f.datamod->t_con.isOpen());
    EXPECT_EQ(programDatabaseProblem(backup), QString());
    EXPECT_EQ(drawsIn(backup), 30);
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1u);
    const ui::FileDialogOptions& asked = f.dialogs.fileDialogs[0];
    EXPECT_EQ(asked.filter, u"数据库(*.mdb)|*.mdb"_s);
    EXPECT_EQ(asked.defaultSuffix, u"mdb"_s);
    EXPECT_EQ(asked.startFolder, desktopFolder());
    EXPECT_EQ(asked.proposedName, u"彩票数据"_s);

    // A copy onto the database itself leaves the open lottery's connection on the file.
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {f.folder.databaseFile()};
    w.menuItem(u"mnubackup"_s)->trigger();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功备份！"_s});
    f.datamod->t_con.exec(u"DELETE FROM %1"_s.arg(db::quoteIdentifier(schema::numberTable(kGuangdong))));
    EXPECT_EQ(drawsIn(f.folder.databaseFile()), 0);

    // A copy that cannot be made is reported as such.
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {out.filePath(u"没有这个文件夹/备份.mdb"_s)};
    w.menuItem(u"mnubackup"_s)->trigger();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_TRUE(f.store->lotteryOpen());
}

TEST(DataMenus, RestoreReplacesTheDatabaseOnlyWithOneOfThisProgram)
{
    test::MainWindowFixture f;
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(200));
    ui::Tfrmmain& w = quietMainWindow(f);
    QTemporaryDir out;
    const QString backup = out.filePath(u"备份.mdb"_s);
    copyDatabase(f.folder.databaseFile(), backup);
    f.folder.addDraws(kGuangdong, test::TempProgramFolder::sampleDraws(5));
    const QByteArray current = contents(f.folder.databaseFile());

    // Cancelled: the lottery was closed first and stays closed.
    f.openLottery(kGuangdong);
    w.menuItem(u"mnurestore"_s)->trigger();
    EXPECT_FALSE(f.store->lotteryOpen());
    EXPECT_FALSE(f.datamod->t_con.isOpen());
    EXPECT_TRUE(f.dialogs.messages.empty());
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(f.dialogs.fileDialogs[0].filter, u"数据库(*.mdb)|*.mdb"_s);
    EXPECT_EQ(f.dialogs.fileDialogs[0].startFolder, desktopFolder());
    EXPECT_EQ(f.dialogs.fileDialogs[0].proposedName, QString());

    // Files that are not a database of this program are refused; the database is untouched.
    const QString foreign = out.filePath(u"foreign.mdb"_s);
    {
        db::DbConnection connection(u"foreign"_s);
        writeFile(foreign, {});
        connection.open(foreign, db::DbConnection::EmptyFile::Allow);
        connection.exec(u"CREATE TABLE notes (text VARCHAR(20))"_s);
    }
    const struct {
        const char* what;
        QByteArray bytes;
    } refused[] = {{"a text file", "1001 01 02 03 04 05\r\n"},
                   {"a truncated database", contents(backup).left(contents(backup).size() / 2)},
                   {"a database with a damaged page", withDamagedDrawsPage(backup)},
                   {"a database of another program", contents(foreign)}};
    for (const auto& c : refused) {
        f.dialogs.messages.clear();
        const QString chosen = out.filePath(u"chosen.mdb"_s);
        writeFile(chosen, c.bytes);
        f.dialogs.fileAnswers = {chosen};
        w.menuItem(u"mnurestore"_s)->trigger();
        ASSERT_EQ(f.dialogs.messages.size(), 1u) << c.what;
        EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error) << c.what;
        EXPECT_TRUE(f.dialogs.messages[0].text.contains(chosen)) << c.what;
        EXPECT_EQ(contents(f.folder.databaseFile()), current) << c.what;
    }

    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {backup};
    w.menuItem(u"mnurestore"_s)->trigger();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功恢复！"_s});
    EXPECT_EQ(drawsIn(f.folder.databaseFile()), 200);
    EXPECT_FALSE(f.store->lotteryOpen());
}

TEST(DataMenus, HelpAndWebItemsOpenTheirAddresses)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = quietMainWindow(f);
    RecordedLinks links;
    const struct {
        QString item;
        QString url;
    } items[] = {{u"mnukarvoweb"_s, u"http://www.karvo-pickora.example/"_s},
                 {u"mnutiyuweb"_s, u"https://www.lottery.gov.cn/"_s},
                 {u"mnufuliweb"_s, u"https://www.cwl.gov.cn/"_s},
                 {u"mnushishicaiweb"_s, u"http://www.shishicai.example/assist/bonusvideo.aspx?lt=4"_s},
                 {u"mnuhomepage"_s, u"http://www.karvo-pickora.example/index.asp"_s},
                 {u"mnuqq"_s, u"http://www.karvo-pickora.example/qq.asp"_s}};
    for (const auto& c : items) {
        links.urls.clear();
        w.menuItem(c.item)->trigger();
        EXPECT_EQ(links.urls, QList<QUrl>{QUrl(c.url)}) << c.item.toStdString();
    }

    // The help book; its HTML pages when the desktop cannot open it.
    const QString book = f.folder.folder().path(u"帮助/Karvo乐透彩Pickora帮助.chm"_s);
    const QString pages = f.folder.folder().path(u"帮助/html/index.html"_s);
    writeFile(book, "ITSF");
    writeFile(pages, "<html></html>");
    links.urls.clear();
    w.menuItem(u"mnuhelp"_s)->trigger();
    EXPECT_EQ(links.urls, QList<QUrl>{QUrl::fromLocalFile(book)});
    links.urls.clear();
    links.opens = false;
    w.menuItem(u"mnuhelp"_s)->trigger();
    EXPECT_EQ(links.urls, (QList<QUrl>{QUrl::fromLocalFile(book), QUrl::fromLocalFile(pages)}));
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(DataMenus, AboutWindowShowsTheCreditLinesAndOutlivesTheLottery)
{
    const QStringList lines = {u"作者：甲"_s, u"版权所有：乙"_s, u"网址：丙"_s, u"QQ：1"_s,
                               u"客服电话：2"_s, u"手机：3"_s, u"邮箱：丁"_s};
    const QStringList names = {u"lblauthor"_s, u"lblbanquan"_s, u"lblweb"_s, u"lblqq"_s,
                               u"lblphone1"_s, u"lblphone2"_s, u"lblmail"_s};
    for (const bool present : {true, false}) {
        test::MainWindowFixture f;
        if (present)
            writeFile(f.folder.folder().attachmentsFolder() + u"about.txt"_s,
                      encodeGbk(lines.join(u"\r\n"_s) + u"\r\n"_s));
        ui::Tfrmmain& w = quietMainWindow(f);
        w.menuItem(u"mnuabout"_s)->trigger();
        auto* about = w.findChild<ui::Tfrmabout*>();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), u"关于本程序"_s);
        EXPECT_EQ(about->size(), QSize(405, 207));
        EXPECT_EQ(f.dialogs.messages.size(), present ? 0u : 1u);
        for (int i = 0; i < names.size(); ++i) {
            ASSERT_EQ(about->lineLabels().at(i)->objectName(), names[i]);
            if (present)
                EXPECT_EQ(about->lineLabels().at(i)->text(), lines[i]);
            else // the first texts stay: the caption before the colon
                EXPECT_EQ(about->lineLabels().at(i)->text(), lines[i].section(u'：', 0, 0) + u'：');
        }
        about->close();
        w.mnucloseClick();
        w.menuItem(u"mnuabout"_s)->trigger();
        EXPECT_EQ(w.findChildren<ui::Tfrmabout*>(), QList<ui::Tfrmabout*>{about});
        EXPECT_TRUE(about->isVisible());
    }
}
