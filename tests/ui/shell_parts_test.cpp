#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>

#include "shell/advert_strip.h"
#include "widgets/bar_chart.h"
#include "support/local_http_server.h"
#include "ui/ui_fixture.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

// The smallest GIF picture there is: one white pixel.
const QByteArray kGif = QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=");

// Runs the strip against `server` and returns whether it stayed shown.
bool runStrip(ui::AdvertStrip& strip, const QUrl& server)
{
    bool shown = false;
    bool done = false;
    QEventLoop loop;
    QObject::connect(&strip, &ui::AdvertStrip::finished, &loop, [&](bool s) {
        shown = s;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    strip.show();
    strip.start(server);
    if (!done)
        loop.exec();
    EXPECT_TRUE(done) << "the strip never finished";
    return shown && strip.isVisible();
}

} // namespace

TEST(AdvertStrip, ShowsThePictureOnlyWhenBothFilesArrive)
{
    test::TempProgramFolder folder;
    const QString picture = folder.folder().path(u"guanggao.gif"_s);
    {
        test::LocalHttpServer server;
        server.serve(u"/guanggao.gif"_s, kGif);
        server.serve(u"/ggurl.txt"_s, "http://127.0.0.1/\r\n");
        ui::AdvertStrip strip(folder.folder().root());
        EXPECT_TRUE(runStrip(strip, server.baseUrl()));
        EXPECT_EQ(server.requestCount(), 2);
        QFile saved(picture);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), kGif);
    }
    {
        // The link file is missing: the strip hides, although the picture came.
        test::LocalHttpServer server;
        server.serve(u"/guanggao.gif"_s, kGif);
        ui::AdvertStrip strip(folder.folder().root());
        EXPECT_FALSE(runStrip(strip, server.baseUrl()));
    }
    {
        // The picture is missing: the old one is deleted before the fetch and nothing is saved.
        test::LocalHttpServer server;
        ui::AdvertStrip strip(folder.folder().root());
        EXPECT_FALSE(runStrip(strip, server.baseUrl()));
        EXPECT_FALSE(QFile::exists(picture));
    }
}

TEST(ToolWindows, CreatedOnceShownAgainAndForgottenAtClose)
{
    test::MainWindowFixture f;
    ui::Tfrmmain& w = f.mainWindow();
    int made = 0;
    const auto make = [&] {
        ++made;
        return new QWidget(&w, Qt::Tool);
    };
    QPointer<QWidget> first = w.toolWindows().show(u"plan"_s, make);
    first->hide();
    EXPECT_EQ(w.toolWindows().show(u"plan"_s, make), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(made, 1);
    w.toolWindows().show(u"filter"_s, make);
    EXPECT_EQ(w.toolWindows().count(), 2);

    w.mnucloseClick();
    test::flushDeferredDeletes(); // closed windows go once control is back in the event loop
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(w.toolWindows().count(), 0);
    EXPECT_NE(w.toolWindows().show(u"plan"_s, make), nullptr);
    EXPECT_EQ(made, 3);
}

TEST(BarChartOwnership, RedrawsDeleteWhatTheyReplace)
{
    ui::BarChart chart(u"遗漏"_s);
    chart.showBars({u"1"_s, u"2"_s}, {{u"次数"_s, Qt::blue, {3, 5}}}, false);
    const QList<QAbstractAxis*> axes = chart.chart()->axes();
    QList<QPointer<QObject>> replaced;
    for (QAbstractSeries* series : chart.chart()->series())
        replaced << series;
    ASSERT_EQ(replaced.size(), 1);
    chart.showBars({u"1"_s}, {{u"次数"_s, Qt::red, {4}}}, true);
    for (const QPointer<QObject>& old : replaced)
        EXPECT_TRUE(old.isNull()) << "a replaced series outlived the redraw";
    // The chart keeps its one pair of axes.
    EXPECT_EQ(chart.chart()->axes(), axes);
    EXPECT_EQ(axes.size(), 2);
}
