#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>

#include "shell/startup.h"

#include "widgets/dialogs.h"
#include "widgets/read_number.h"
#include "support/test_support.h"

using namespace Qt::StringLiterals;
using namespace pickora;

TEST(Dialogs, PipeFiltersBecomeQtFilters)
{
    EXPECT_EQ(ui::dialogs::qtNameFilter(u"文本文件(*.txt)|*.txt"_s), u"文本文件(*.txt)"_s);
    EXPECT_EQ(ui::dialogs::qtNameFilter(u"数据库(*.mdb)|*.mdb|所有文件|*.*"_s),
              u"数据库(*.mdb);;所有文件 (*.*)"_s);
}

TEST(Dialogs, BadWholeNumberNamesTheFieldAndTheText)
{
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(ui::readWholeNumber(nullptr, u"投入期数"_s, u" 12 "_s), 12);
    EXPECT_EQ(ui::readWholeNumber(nullptr, u"投入期数"_s, u"-3"_s), -3);
    EXPECT_TRUE(dialogs.messages.empty());
    for (const QString& bad : {u"12a"_s, u""_s, u"1.5"_s, u"99999999999"_s})
        EXPECT_FALSE(ui::readWholeNumber(nullptr, u"投入期数"_s, bad).has_value());
    ASSERT_EQ(dialogs.messages.size(), 4U);
    EXPECT_EQ(dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, u"“投入期数”中的“12a”不是有效的整数。"_s);
}

TEST(Dialogs, QtTextsAreChineseAndTitlesFit)
{
    const QLocale before;
    QTranslator* translator = ui::installChineseQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_zh_CN.qm not found in "
                                   << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
    {
        const auto box = ui::dialogs::makeMessageBox(nullptr, ui::MessageKind::Information,
                                                     ui::dialogs::applicationTitle(), u"成功保存！"_s);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), u"确定"_s);
        // A short text still leaves the whole program title room in the title bar.
        box->show();
        QFont bold = QApplication::font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(ui::dialogs::applicationTitle()) + 100);
        box->hide();
    }
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    const QList<QAbstractButton*> buttons = files.findChildren<QAbstractButton*>();
    EXPECT_TRUE(std::any_of(buttons.begin(), buttons.end(),
                            [](QAbstractButton* b) { return b->text() == u"取消"_s; }));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QLocale::setDefault(before);
}
