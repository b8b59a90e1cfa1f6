#include <gtest/gtest.h>

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
