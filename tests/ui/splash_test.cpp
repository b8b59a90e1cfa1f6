#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

#include "support/child.h"
#include "shell/jpeg_picture.h"
#include "shell/tick_source.h"
#include "shell/u_flash.h"
#include "store/text_files.h"
#include "support/test_support.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

// Ticks when the test says so.
class HandTicks : public ui::TickSource {
public:
    void start() override { running = true; }
    void stop() override { running = false; }
    void advance() { if (running) emit tick(); }
    bool running = false;
};

const QStringList kFlashLines = {u"出品：甲工作室"_s, u"Karvo11选5Pickora"_s, u"网址：乙"_s,
                                 u"QQ：1"_s,          u"邮箱：丙"_s,          u"电话：2"_s};

struct SplashFolder {
    SplashFolder(bool withText, const QByteArray& picture)
    {
        const ProgramFolder root = folder.folder();
        QDir().mkpath(root.attachmentsFolder());
        QDir().mkpath(root.path(u"图片"_s));
        if (withText)
            write(root.attachmentsFolder() + u"flash.txt"_s,
                  encodeGbk(kFlashLines.join(u"\r\n"_s) + u"\r\n"_s));
        if (!picture.isNull())
            write(root.path(u"图片/flash.jpg"_s), picture);
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString line(const ui::Tfrmflash& splash, const QString& name) const
    {
        return test::child<QLabel>(splash, name)->text();
    }

    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
};

QByteArray samplePicture()
{
    QImage image(551, 337, QImage::Format_RGB32);
    image.fill(QColor(30, 60, 120));
    return encodeJpeg(image);
}

} // namespace

TEST(Splash, ShowsTheCreditLinesAndClosesOnItsFifthTick)
{
    SplashFolder f(true, samplePicture());
    HandTicks ticks;
    ui::Tfrmflash splash(f.folder.folder(), &ticks);
    EXPECT_EQ(splash.size(), QSize(551, 337));
    EXPECT_TRUE(splash.hasPicture());
    EXPECT_TRUE(f.dialogs.messages.empty());
    // Line 2 of the file is not shown.
    const std::pair<QString, int> placed[] = {{u"lblchuping"_s, 0}, {u"lblweb"_s, 2},
                                              {u"lblqq"_s, 3},      {u"lblmail"_s, 4},
                                              {u"lblphone"_s, 5}};
    for (const auto& [name, line] : placed)
        EXPECT_EQ(f.line(splash, name), kFlashLines[line]) << name.toStdString();

    splash.show();
    EXPECT_TRUE(ticks.running);
    for (int i = 1; i < ui::Tfrmflash::kTicksShown; ++i) {
        ticks.advance();
        EXPECT_TRUE(splash.isVisible()) << "tick " << i;
    }
    ticks.advance();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(ticks.running);
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST(Splash, MissingFilesLeaveTheFirstTextsOrNoPicture)
{
    const QByteArray picture = samplePicture();
    const struct {
        const char* what;
        bool withText;
        QByteArray picture;
        bool messageShown;
        bool pictureShown;
    } cases[] = {
        // The picture is read after the lines, so a missing text file leaves it out too.
        {"no text file", false, picture, true, false},
        {"no picture", true, QByteArray(), false, false},
        {"a picture cut short", true, picture.left(picture.size() / 2), false, false},
        {"a picture that is no JPEG", true, QByteArray("GIF89a not a jpeg at all"), false, false},
    };
    for (const auto& c : cases) {
        SplashFolder f(c.withText, c.picture);
        HandTicks ticks;
        ui::Tfrmflash splash(f.folder.folder(), &ticks);
        EXPECT_EQ(f.dialogs.messages.size(), c.messageShown ? 1u : 0u) << c.what;
        EXPECT_EQ(splash.hasPicture(), c.pictureShown) << c.what;
        EXPECT_EQ(f.line(splash, u"lblweb"_s), c.withText ? kFlashLines[2] : u"网址："_s) << c.what;
        splash.show();
        for (int i = 0; i < ui::Tfrmflash::kTicksShown; ++i)
            ticks.advance();
        EXPECT_FALSE(splash.isVisible()) << c.what;
    }
}
