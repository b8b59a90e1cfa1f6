#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <gtest/gtest.h>

#include "support/child.h"
#include "acquire/draw_download.h"
#include "acquire/u_download2.h"
#include "acquire/u_download3.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "support/local_http_server.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kChongqing = u"重庆体彩11选5"_s;
const QString kGuangdong = u"广东体彩11选5"_s;
const QString kShandong = u"山东体彩11选5"_s;
const QString kJiangxi = u"江西体彩11选5"_s;
const QDate kToday(2010, 6, 12);

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(PICKORA_FIXTURES) + u"/download/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString listPath(const QString& id, int daysBack)
{
    return u"/lottery/draw/list/%1?d=%2"_s.arg(id, kToday.addDays(-daysBack).toString(u"yyyy-MM-dd"_s));
}

// "yymmddnn" of the n-th draw of the day `daysBack` days before today.
QString issue(int daysBack, int n)
{
    return kToday.addDays(-daysBack).toString(u"yyMMdd"_s) + u"%1"_s.arg(n, 2, 10, QChar(u'0'));
}

// A list page as the services publish it: the newest draw first, the issue line, then the line
// of ball spans. `draws` holds the issue lines and the numbers ("05 11 02 08 01").
QByteArray listPage(const std::vector<std::pair<QString, QString>>& draws)
{
    QByteArray page = "<html><body><table>\r\n";
    for (const auto& [issueLine, numbers] : draws) {
        page += "<tr><td class=\"issue\">\r\n" + issueLine.toLatin1() + "\r\n</td><td>\r\n";
        for (const QString& n : numbers.split(u' '))
            page += "<span class=\"ball_r\">" + n.toLatin1() + "</span>";
        page += "\r\n</td></tr>\r\n";
    }
    return page + "</table></body></html>\r\n";
}

struct StoredRow {
    QString issue;
    std::array<int, 5> numbers;
    QString date;
};

// A table's rows in the order they were stored.
std::vector<StoredRow> storedRows(const test::TempProgramFolder& folder, const QString& lottery)
{
    db::DbConnection connection(u"check"_s);
    connection.open(folder.databaseFile());
    db::RecordSet rows(connection);
    rows.openTable(schema::numberTable(lottery));
    std::vector<StoredRow> stored;
    for (rows.first(); !rows.eof(); rows.next())
        stored.push_back({rows.text(schema::kIssueColumn),
                          {rows.integer(u"1"_s), rows.integer(u"2"_s), rows.integer(u"3"_s),
                           rows.integer(u"4"_s), rows.integer(u"5"_s)},
                          rows.text(schema::kDateColumn)});
    return stored;
}

QStringList storedIssues(const test::TempProgramFolder& folder, const QString& lottery)
{
    QStringList issues;
    for (const StoredRow& row : storedRows(folder, lottery))
        issues << row.issue;
    return issues;
}

// The source ids of the list pages requested, each run of one id once ("23", "20", ...).
QStringList requestedSources(const test::LocalHttpServer& server)
{
    QStringList ids;
    for (const QString& path : server.requestedPaths()) {
        const QString id = path.section(u'/', 4, 4).section(u'?', 0, 0);
        if (ids.isEmpty() || ids.last() != id)
            ids << id;
    }
    return ids;
}

// The final message, line by line.
QStringList reportLines(const test::ScriptedDialogs& dialogs)
{
    return dialogs.messages.empty() ? QStringList() : dialogs.messages.back().text.split(u'\n');
}

const QString kPointToImport = u"可以用“彩票数据 → 导入开奖号码”从文件或粘贴的文本导入开奖号码，"
                               "或在下载窗口的“服务设置”中改用能连接的开奖服务。"_s;
const QString kDone = u"下载完成！"_s;

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct DownloadFixture {
    DownloadFixture()
    {
        folder.createDatabase();
        state.pageServer = server.baseUrl();
        state.feedServer = server.baseUrl();
        state.today = [] { return kToday; };
        state.timeoutMs = 3000;
    }
    // Pages with no draws for every day of a source not served otherwise.
    void serveEmptyDays(const QString& id)
    {
        for (int d = 0; d < 10; ++d)
            if (!served.contains(listPath(id, d)))
                serve(listPath(id, d), listPage({}));
    }
    void serve(const QString& path, const QByteArray& body)
    {
        served << path;
        server.serve(path, body);
    }
    // Runs "开始下载" in the modal window for the lottery box's item `choice`.
    void download(const QString& choice, std::function<void(ui::Tfrmdownload2&)> during = {})
    {
        ui::Tfrmdownload2 window(folder.folder(), state);
        test::whenModal([&](QWidget* modal) {
            auto* box = test::child<QComboBox>(*modal, u"comdown"_s);
            box->setCurrentIndex(box->findText(choice));
            if (during)
                during(window);
            test::child<QPushButton>(*modal, u"btndown"_s)->click();
        });
        window.exec();
    }

    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::LocalHttpServer server;
    ui::DownloadState state;
    QStringList served;
};

} // namespace

TEST(Download, WindowsLookAndExitWithoutFetching)
{
    DownloadFixture f;
    ui::Tfrmdownload2 window(f.folder.folder(), f.state);
    EXPECT_EQ(window.windowTitle(), u"数据下载"_s);
    EXPECT_EQ(window.size(), QSize(354, 74));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(test::child<QLabel>(window, u"lbltishi"_s)->text(), u"选择彩票："_s);
    auto* box = test::child<QComboBox>(window, u"comdown"_s);
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    EXPECT_EQ(items, (QStringList{u"所有彩票"_s, kChongqing, kGuangdong, kJiangxi, kShandong}));
    EXPECT_EQ(box->currentIndex(), 0);
    auto* start = test::child<QPushButton>(window, u"btndown"_s);
    EXPECT_EQ(start->text(), u"开始下载"_s);
    EXPECT_TRUE(start->isDefault());
    EXPECT_EQ(test::child<QPushButton>(window, u"btnclose"_s)->text(), u"退出"_s);
    EXPECT_TRUE(test::child<QLabel>(window, u"lbltitle"_s)->isHidden());

    test::whenModal([](QWidget* modal) { test::child<QPushButton>(*modal, u"btnclose"_s)->click(); });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(f.server.requestCount(), 0);
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_FALSE(f.state.firstDownloadDone);

    ui::Tfrmdownload3 quick(f.folder.folder(), f.state, kGuangdong);
    EXPECT_EQ(quick.size(), QSize(354, 74));
    EXPECT_TRUE(quick.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(quick.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(test::child<QLabel>(quick, u"lbltitle"_s)->text(), u"正在更新广东体彩11选5。。。"_s);
}

// Today's page is the fixture page holding draw 01 of 12 June 2010 (05 11 02 08 01).
TEST(Download, EmptyTableReceivesEveryDrawOfTheTenDaysOldestFirst)
{
    DownloadFixture f;
    f.serve(listPath(u"23"_s, 0), fixture(u"list_23.html"_s));
    QStringList expected;
    QByteArray oldestPage;
    for (int d = 9; d >= 1; --d) {
        const QByteArray page = listPage({{issue(d, 2), u"01 02 03 04 05"_s},
                                          {issue(d, 1), u"11 10 09 08 07"_s}});
        f.serve(listPath(u"23"_s, d), page);
        expected << issue(d, 1) << issue(d, 2);
        if (d == 9)
            oldestPage = page;
    }
    expected << u"10061201"_s << u"10061202"_s << u"10061203"_s;

    f.download(kGuangdong);
    EXPECT_EQ(storedIssues(f.folder, kGuangdong), expected);
    const StoredRow example = storedRows(f.folder, kGuangdong).at(18);
    EXPECT_EQ(example.issue, u"10061201"_s);
    EXPECT_EQ(example.date, u"2010-06-12"_s);
    EXPECT_EQ(example.numbers, (std::array<int, 5>{5, 11, 2, 8, 1}));
    EXPECT_EQ(storedRows(f.folder, kGuangdong).front().date, u"2010-06-03"_s);
    // Today's page first, nine days back last; the last page stays in "号码.txt".
    ASSERT_EQ(f.server.requestedPaths().size(), 10);
    EXPECT_EQ(f.server.requestedPaths().front(), listPath(u"23"_s, 0));
    EXPECT_EQ(f.server.requestedPaths().back(), listPath(u"23"_s, 9));
    QFile page(f.folder.folder().path(u"号码.txt"_s));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll(), oldestPage);
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Information);
    EXPECT_EQ(reportLines(f.dialogs), (QStringList{u"广东体彩11选5：新增 21 期"_s, kDone}));
    EXPECT_TRUE(f.state.firstDownloadDone);
    EXPECT_EQ(storedIssues(f.folder, kChongqing), QStringList());
}

TEST(Download, OnlyIssuesAfterTheLastStoredOneAreAppendedOnceEach)
{
    DownloadFixture f;
    f.folder.addDraws(kGuangdong, {{"10061101", {1, 2, 3, 4, 5}}, {"10061201", {5, 11, 2, 8, 1}}});
    f.serve(listPath(u"23"_s, 0), fixture(u"list_23.html"_s));
    f.serve(listPath(u"23"_s, 1), listPage({{issue(1, 2), u"01 02 03 04 06"_s},
                                            {issue(1, 1), u"01 02 03 04 05"_s}}));
    // A later page lists today's last draw once more.
    f.serve(listPath(u"23"_s, 2), listPage({{u"10061203"_s, u"09 03 10 06 04"_s}}));
    f.serveEmptyDays(u"23"_s);

    f.download(kGuangdong);
    EXPECT_EQ(storedIssues(f.folder, kGuangdong),
              (QStringList{u"10061101"_s, u"10061201"_s, u"10061202"_s, u"10061203"_s}));
}

TEST(Download, AllLotteriesWalkTheSourcesInOrderAndAFailingSourceLeavesItsTableAlone)
{
    DownloadFixture f;
    for (const QString& lottery : {kChongqing, kGuangdong, kShandong, kJiangxi})
        f.folder.addDraws(lottery, {{"10061101", {1, 2, 3, 4, 5}}});
    // 重庆: today's page is fine but the server refuses day 3.
    f.serve(listPath(u"558"_s, 0), fixture(u"list_558.html"_s));
    for (int d = 0; d < 10; ++d)
        if (d != 3 && d != 0)
            f.serve(listPath(u"558"_s, d), listPage({}));
    // 广东: garbage on every page.
    for (int d = 0; d < 10; ++d)
        f.serve(listPath(u"23"_s, d), QByteArray("\x00\xff*12345678*\x01", 14) + "<span class=\"ball");
    f.serve(listPath(u"20"_s, 0), fixture(u"list_20.html"_s));
    f.serveEmptyDays(u"20"_s);
    f.serve(listPath(u"22"_s, 0), fixture(u"list_22.html"_s));
    f.serveEmptyDays(u"22"_s);

    f.download(u"所有彩票"_s);
    EXPECT_EQ(requestedSources(f.server), (QStringList{u"558"_s, u"23"_s, u"20"_s, u"22"_s}));
    EXPECT_EQ(storedIssues(f.folder, kChongqing), QStringList{u"10061101"_s});
    EXPECT_EQ(storedIssues(f.folder, kGuangdong), QStringList{u"10061101"_s});
    EXPECT_EQ(storedIssues(f.folder, kShandong),
              (QStringList{u"10061101"_s, u"10061201"_s, u"10061202"_s}));
    // Ten-digit issues are stored by their last eight digits.
    EXPECT_EQ(storedIssues(f.folder, kJiangxi),
              (QStringList{u"10061101"_s, u"10061201"_s, u"10061202"_s}));
    // Each lottery's outcome, a pointer to the import, and "下载完成！" last.
    const QString host = u"127.0.0.1:%1"_s.arg(f.server.baseUrl().port());
    ASSERT_EQ(f.dialogs.messages.size(), 1U);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Warning);
    const QStringList lines = reportLines(f.dialogs);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(u"重庆体彩11选5：开奖服务 %1 返回的页面无法读取（"_s.arg(host)))
        << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1),
              (QStringList{u"广东体彩11选5：开奖服务 %1 返回的页面无法读取（十天的页面里没有读到开奖号码）"_s.arg(host),
                           u"山东体彩11选5：新增 2 期"_s, u"江西体彩11选5：新增 2 期"_s, kPointToImport, kDone}));
    EXPECT_TRUE(lines[0].contains(u"Not Found"_s, Qt::CaseInsensitive)) << lines[0].toStdString();
}

TEST(Download, RefusedConnectionsAndAStalledServerEndInTimeWithTheWindowPainting)
{
    DownloadFixture f;
    f.folder.addDraws(kGuangdong, {{"10061101", {1, 2, 3, 4, 5}}});
    {
        // A port that nobody listens on any more.
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
        f.state.pageServer = QUrl(u"http://127.0.0.1:%1/"_s.arg(closed.serverPort()));
    }
    f.download(u"所有彩票"_s);
    EXPECT_EQ(storedIssues(f.folder, kGuangdong), QStringList{u"10061101"_s});
    // Every lottery names the unreachable service; none reads as a success.
    const QStringList lines = reportLines(f.dialogs);
    ASSERT_EQ(lines.size(), 6);
    const QString refused = u"无法连接开奖服务 127.0.0.1:%1（"_s.arg(f.state.pageServer.port());
    for (int i = 0; i < 4; ++i) {
        const QString lottery = (QStringList{kChongqing, kGuangdong, kShandong, kJiangxi})[i];
        EXPECT_TRUE(lines[i].startsWith(lottery + u"："_s + refused)) << lines[i].toStdString();
    }
    EXPECT_EQ(lines.mid(4), (QStringList{kPointToImport, kDone}));

    f.dialogs.messages.clear();
    f.state.pageServer = f.server.baseUrl();
    f.state.timeoutMs = 800;
    f.server.stall(listPath(u"23"_s, 0));
    PaintCounter counter;
    bool titleShown = false;
    bool stillFetching = false;
    int paintsBefore = -1;
    int paintsAfter = -1;
    QElapsedTimer clock;
    clock.start();
    f.download(kGuangdong, [&](ui::Tfrmdownload2& window) {
        auto* title = test::child<QLabel>(window, u"lbltitle"_s);
        title->installEventFilter(&counter);
        // While the request hangs, a repaint asked for is carried out.
        QTimer::singleShot(300, &window, [&, title] {
            titleShown = title->isVisible() && title->text() == u"正在更新广东体彩11选5。。。"_s;
            paintsBefore = counter.paints;
            title->update();
        });
        QTimer::singleShot(500, &window, [&] {
            stillFetching = window.downloading();
            paintsAfter = counter.paints;
        });
    });
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_TRUE(titleShown);
    EXPECT_TRUE(stillFetching);
    EXPECT_GT(paintsAfter, paintsBefore);
    EXPECT_EQ(f.server.requestedPaths(), QStringList{listPath(u"23"_s, 0)});
    EXPECT_EQ(storedIssues(f.folder, kGuangdong), QStringList{u"10061101"_s});
    EXPECT_EQ(reportLines(f.dialogs),
              (QStringList{u"广东体彩11选5：无法连接开奖服务 127.0.0.1:%1（1 秒内没有回应）"_s.arg(
                               f.server.baseUrl().port()),
                           kPointToImport, kDone}));
}

TEST(Download, UnknownLotteryFetchesNothingAndStillFinishes)
{
    const struct {
        QString name;
        bool feed;
        QStringList report;
    } cases[] = {{QString(), false, {kDone}},
                 {u"福彩3D"_s, true, {u"福彩3D：数据下载不提供这个彩票的开奖号码"_s, kPointToImport, kDone}}};
    for (const auto& [name, feed, report] : cases) {
        SCOPED_TRACE(name.toStdString() + (feed ? " feed" : " pages"));
        DownloadFixture f;
        f.state.firstDownloadDone = feed;
        ui::Tfrmdownload3 window(f.folder.folder(), f.state, name);
        EXPECT_EQ(window.exec(), QDialog::Accepted);
        EXPECT_EQ(f.server.requestCount(), 0);
        EXPECT_EQ(reportLines(f.dialogs), report);
        EXPECT_TRUE(f.state.firstDownloadDone);
    }
}

TEST(Download, QuickDrawReadsTheListPagesFirstAndTheFeedAfterwards)
{
    test::MainWindowFixture m;
    test::LocalHttpServer server;
    ui::Tfrmmain& w = m.mainWindow();
    w.downloads().pageServer = server.baseUrl();
    w.downloads().feedServer = server.baseUrl();
    w.downloads().today = [] { return kToday; };
    server.serve(listPath(u"23"_s, 0), fixture(u"list_23.html"_s));
    for (int d = 1; d < 10; ++d)
        server.serve(listPath(u"23"_s, d), listPage({}));
    const QString feedPath = u"/static/gd11x5/newlyopenlist.xml"_s;
    server.serve(feedPath, fixture(u"feed_gd11x5.xml"_s));
    m.store->setProfile({.name = kGuangdong.toStdString()});
    m.store->setDrawPosition(DrawPosition::Middle);
    m.dialogs.messages.clear();

    w.tlbdataClick();
    EXPECT_EQ(server.requestedPaths().size(), 10);
    EXPECT_FALSE(server.requestedPaths().contains(feedPath));
    EXPECT_EQ(m.store->history().count(), 3);
    EXPECT_EQ(w.windowTitle(), u"Karvo11选5Pickora《广东体彩11选5中三》"_s);

    w.tlbdataClick();
    EXPECT_EQ(server.requestedPaths().size(), 11);
    EXPECT_EQ(server.requestedPaths().back(), feedPath);
    EXPECT_EQ(m.store->history().count(), 5);
    EXPECT_TRUE(m.store->lotteryOpen());
    const StoredRow fromFeed = storedRows(m.folder, kGuangdong).back();
    EXPECT_EQ(fromFeed.issue, u"10061205"_s);
    EXPECT_EQ(fromFeed.date, u"2010-06-12"_s);
    EXPECT_EQ(fromFeed.numbers, (std::array<int, 5>{4, 10, 7, 1, 9}));
    EXPECT_EQ(m.dialogs.texts(), (QStringList{u"广东体彩11选5：新增 3 期\n下载完成！"_s,
                                              u"广东体彩11选5：新增 2 期\n下载完成！"_s}));

    // "数据下载(&D)" closes the lottery before its window opens.
    bool closedFirst = false;
    test::whenModal([&](QWidget* modal) {
        closedFirst = qobject_cast<ui::Tfrmdownload2*>(modal) != nullptr && !m.store->lotteryOpen();
        test::child<QPushButton>(*modal, u"btnclose"_s)->click();
    });
    w.menuItem(u"mnudownload"_s)->trigger();
    EXPECT_TRUE(closedFirst);
}

TEST(Download, ServicesDialogRefusesABadAddressAndTheGoodOnesAreUsedAndSaved)
{
    DownloadFixture f;
    f.state.defaultPageServer = QUrl(u"https://kaijiang.pickora-results.example/"_s);
    f.state.defaultFeedServer = QUrl(u"https://feed.pickora-results.example/"_s);
    const QString mirror = f.server.baseUrl().toString() + u"mirror/11x5"_s;
    QStringList refusals;
    bool stillOpenAfterRefusal = false;
    ui::Tfrmdownload2 window(f.folder.folder(), f.state);
    test::whenModal([&](QWidget* download) {
        test::whenModal([&](QWidget* dialog) {
            auto* pages = dialog->findChild<QLineEdit*>(u"edtpages"_s);
            auto* feed = dialog->findChild<QLineEdit*>(u"edtfeed"_s);
            auto* ok = dialog->findChild<QPushButton*>(u"btnok"_s);
            pages->setText(u"kaijiang.example.com"_s);
            ok->click();
            feed->setText(u"https://feed example.com/"_s);
            pages->setText(mirror);
            ok->click();
            stillOpenAfterRefusal = dialog->isVisible();
            // "默认地址" brings back the built-in feed server.
            dialog->findChild<QPushButton*>(u"btndefault"_s)->click();
            pages->setText(mirror);
            ok->click();
        });
        download->findChild<QPushButton*>(u"btnservices"_s)->click();
        download->findChild<QPushButton*>(u"btnclose"_s)->click();
    });
    window.exec();
    for (const test::RecordedMessage& m : f.dialogs.messages)
        refusals << m.text;
    EXPECT_EQ(refusals, (QStringList{u"开奖列表页服务器的地址不对：地址要以 http:// 或 https:// 开头"_s,
                                     u"最新开奖XML服务器的地址不对：地址中有空格或不能用的字符"_s}));
    EXPECT_TRUE(stillOpenAfterRefusal);
    EXPECT_EQ(f.state.pageServer, QUrl(mirror + u"/"_s));
    EXPECT_EQ(f.state.feedServer, f.state.defaultFeedServer);

    // Written to the settings file (GBK, CR LF) and read back at the next start.
    QFile file(ui::serviceSettingsFile(f.folder.folder()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains("\r\npages=" + (mirror + u"/"_s).toLatin1() + "\r\n"));
    ui::DownloadState next;
    next.defaultPageServer = f.state.defaultPageServer;
    next.defaultFeedServer = f.state.defaultFeedServer;
    EXPECT_EQ(ui::loadServiceSettings(f.folder.folder(), next), QStringList());
    EXPECT_EQ(next.pageServer, f.state.pageServer);
    EXPECT_EQ(next.feedServer, f.state.feedServer);

    // The list pages are read under the mirror's path.
    f.dialogs.messages.clear();
    f.server.serve(u"/mirror/11x5"_s + listPath(u"23"_s, 0), fixture(u"list_23.html"_s));
    for (int d = 1; d < 10; ++d)
        f.server.serve(u"/mirror/11x5"_s + listPath(u"23"_s, d), listPage({}));
    f.download(kGuangdong);
    EXPECT_EQ(reportLines(f.dialogs), (QStringList{u"广东体彩11选5：新增 3 期"_s, kDone}));

    // A bad line keeps the default of its service and is reported.
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("pages=kaijiang.example.com\r\nfeed=https://feed.example.com/xml\r\n");
    file.close();
    EXPECT_EQ(ui::loadServiceSettings(f.folder.folder(), next),
              QStringList{u"第 1 行：地址要以 http:// 或 https:// 开头（kaijiang.example.com）"_s});
    EXPECT_EQ(next.pageServer, next.defaultPageServer);
    EXPECT_EQ(next.feedServer, QUrl(u"https://feed.example.com/xml/"_s));
}
