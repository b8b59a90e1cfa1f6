#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/child.h"
#include "shell/record_set_model.h"
#include "shell/u_data.h"
#include "store/db_engine.h"
#include "store/lottery_schema.h"
#include "store/text_files.h"
#include "support/test_support.h"

using namespace Qt::StringLiterals;
using namespace pickora;

namespace {

const QString kGuangdong = u"广东体彩11选5"_s;
const QString kShandong = u"山东体彩11选5"_s;

struct EditorFixture {
    EditorFixture()
    {
        folder.createDatabase();
        // A 2009 issue, every number 1..11 somewhere, and a second lottery left empty.
        folder.addDraws(kGuangdong, {{"09123101", {5, 11, 2, 8, 1}},
                                     {"10061201", {10, 3, 4, 6, 7}},
                                     {"10061202", {9, 1, 10, 11, 2}}});
        editor = std::make_unique<ui::Tfrmdata>(folder.folder());
        editor->show();
    }
    template <class T> T* child(const QString& name) const { return test::child<T>(*editor, name); }
    void select(const QString& lottery) const
    {
        auto* list = child<QListWidget>(u"lstcaipiao"_s);
        list->setCurrentItem(list->findItems(lottery, Qt::MatchExactly).value(0));
    }
    // Types `values` into the row being edited, one per column from the first.
    void type(const QStringList& values) const
    {
        ui::RecordSetModel& model = editor->model();
        for (int c = 0; c < values.size(); ++c)
            ASSERT_TRUE(model.setData(model.index(model.pendingRow(), c), values[c], Qt::EditRole));
    }

    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<ui::Tfrmdata> editor;
};

} // namespace

TEST(DrawEditor, AddingModeRefusesClosingAndSurvivesALotteryChange)
{
    EditorFixture f;
    auto* btnedit = f.child<QPushButton>(u"btnedit"_s);
    auto* btnext = f.child<QPushButton>(u"btnext"_s);
    auto* navigator = f.child<QWidget>(u"dbv_caipiao"_s);
    auto* btnadd = f.child<QPushButton>(u"btnadd"_s);
    EXPECT_EQ(f.editor->windowTitle(), u"彩票数据"_s);
    EXPECT_FALSE(btnedit->isEnabled());

    f.select(kGuangdong);
    EXPECT_TRUE(btnedit->isEnabled());
    EXPECT_EQ(f.editor->currentRow(), 2) << "the newest draw is in view";
    EXPECT_FALSE(navigator->isEnabled());
    EXPECT_FALSE(btnadd->isEnabled());
    // "+" covers the navigator's fifth (insert) button.
    const QRect nav = navigator->geometry();
    EXPECT_EQ(btnadd->geometry(), QRect(nav.left() + nav.width() * 4 / 10, nav.top(),
                                        nav.width() / 10, nav.height()));

    f.editor->btneditClick();
    EXPECT_EQ(btnedit->text(), u"完成添加"_s);
    EXPECT_TRUE(navigator->isEnabled());
    EXPECT_TRUE(btnadd->isEnabled());
    EXPECT_FALSE(btnext->isEnabled());
    EXPECT_EQ(f.editor->model().pendingRow(), 2) << "the current row is put into editing";

    f.editor->close();
    EXPECT_TRUE(f.editor->isVisible());
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Warning);
    EXPECT_EQ(f.dialogs.messages[0].text, u"请单击《完成添加》按钮保存添加"_s);

    f.select(kShandong);
    EXPECT_EQ(f.editor->model().recordSet().tableName(), schema::numberTable(kShandong));
    EXPECT_TRUE(f.editor->adding());
    EXPECT_EQ(btnedit->text(), u"完成添加"_s);
    EXPECT_TRUE(f.editor->model().isEditable());

    f.editor->btneditClick();
    EXPECT_EQ(btnedit->text(), u"开始添加"_s);
    EXPECT_TRUE(btnext->isEnabled());
    f.editor->close();
    EXPECT_FALSE(f.editor->isVisible());
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
}

TEST(DrawEditor, NothingIsChosenAtOpenAndUntouchedNewRowsAreDropped)
{
    EditorFixture f;
    // Shown and active: the list took no lottery by itself, so the export asks for one.
    QApplication::setActiveWindow(f.editor.get());
    QApplication::processEvents();
    EXPECT_EQ(f.child<QListWidget>(u"lstcaipiao"_s)->currentItem(), nullptr);
    f.child<QPushButton>(u"btnsave"_s)->click();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, u"请选择要导出的彩票！"_s);
    f.dialogs.messages.clear();

    // "开始添加" on an empty table gives a new row; left blank it blocks nothing.
    auto* btnedit = f.child<QPushButton>(u"btnedit"_s);
    f.select(kShandong);
    f.editor->btneditClick();
    ASSERT_EQ(f.editor->model().state(), ui::RecordSetModel::State::Insert);
    f.editor->btneditClick();
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(btnedit->text(), u"开始添加"_s);
    EXPECT_EQ(f.editor->model().rowCount(), 0);

    // The same while switching lotteries: the blank row goes, the other table opens for adding.
    f.editor->btneditClick();
    ASSERT_EQ(f.editor->model().state(), ui::RecordSetModel::State::Insert);
    f.select(kGuangdong);
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(f.editor->model().recordSet().tableName(), schema::numberTable(kGuangdong));
    EXPECT_TRUE(f.editor->adding());
    EXPECT_EQ(f.editor->model().rowCount(), 3);
    // "+" then back to browsing: the untouched appended row is dropped, the table keeps 3 rows.
    f.child<QPushButton>(u"btnadd"_s)->click();
    EXPECT_EQ(f.editor->model().rowCount(), 4);
    f.editor->btneditClick();
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.editor->model().rowCount(), 3);
    EXPECT_EQ(f.editor->model().recordSet().rowCount(), 3);

    // A row typed into only partly is still checked and refused.
    f.editor->btneditClick();
    f.child<QPushButton>(u"btnadd"_s)->click();
    f.type({u"10061203"_s});
    f.editor->btneditClick();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(btnedit->text(), u"完成添加"_s);
}

TEST(DrawEditor, RowsAreCheckedBeforeTheyAreSaved)
{
    EditorFixture f;
    f.select(kGuangdong);
    f.editor->btneditClick();
    // Each refused row names what is wrong; the row stays in editing and nothing is written.
    const struct {
        QStringList row;
        QString said;
    } refused[] = {
        {{u"2612091"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}, u"8 位数字"_s},
        {{u"2612091a"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}, u"8 位数字"_s},
        {{u"26120901"_s, u"1"_s, u"12"_s, u"3"_s, u"4"_s, u"5"_s}, u"第 2 个号码“12”"_s},
        {{u"26120901"_s, u"0"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}, u"第 1 个号码“0”"_s},
        {{u"26120901"_s, u"1"_s, u"2"_s, u"3.5"_s, u"4"_s, u"5"_s}, u"第 3 个号码“3.5”"_s},
        {{u"26120901"_s, u"1"_s, u"2"_s, u"3"_s, u"x"_s, u"5"_s}, u"第 4 个号码“x”"_s},
        {{u"26120901"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u""_s}, u"第 5 个号码（空）"_s},
    };
    for (const auto& c : refused) {
        f.dialogs.messages.clear();
        f.editor->btnaddClick();
        f.type(c.row);
        f.editor->btneditClick();
        ASSERT_EQ(f.dialogs.messages.size(), 1u) << c.said.toStdString();
        EXPECT_EQ(f.dialogs.messages[0].kind, ui::MessageKind::Error);
        EXPECT_TRUE(f.dialogs.messages[0].text.contains(c.said))
            << f.dialogs.messages[0].text.toStdString();
        EXPECT_TRUE(f.editor->adding());
        EXPECT_EQ(f.editor->model().state(), ui::RecordSetModel::State::Insert);
        EXPECT_EQ(f.folder.rowCount(schema::numberTable(kGuangdong)), 3);
        f.editor->dbv_caipiaoClick(ui::DbNavigator::Cancel);
    }

    // A good row is saved in issue order, with its date taken from the issue.
    f.dialogs.messages.clear();
    f.editor->btnaddClick();
    f.type({u"10061203"_s, u"11"_s, u"1"_s, u"6"_s, u"7"_s, u"9"_s});
    f.editor->btneditClick();
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_FALSE(f.editor->adding());
    ui::RecordSetModel& model = f.editor->model();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.data(model.index(3, 2), Qt::DisplayRole).toString(), u"1"_s);
    EXPECT_EQ(model.data(model.index(3, 6), Qt::DisplayRole).toString(), u"2010-06-12"_s);
    EXPECT_EQ(f.folder.rowCount(schema::numberTable(kGuangdong)), 4);
}

TEST(DrawEditor, ExportWritesOneLinePerDraw)
{
    EditorFixture f;
    QTemporaryDir out;
    const QString file = out.filePath(u"历史.txt"_s);
    const auto exported = [&] {
        QFile written(file);
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray("(none)");
    };

    f.editor->btnsaveClick();
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"请选择要导出的彩票！"_s});
    EXPECT_TRUE(f.dialogs.fileDialogs.empty());

    f.dialogs.messages.clear();
    f.select(kGuangdong);
    f.dialogs.fileAnswers = {file};
    f.editor->btnsaveClick();
    EXPECT_EQ(exported(), QByteArray("9123101 05 11 02 08 01 \r\n"
                                     "10061201 10 03 04 06 07 \r\n"
                                     "10061202 09 01 10 11 02 \r\n"));
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功保存！"_s});
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1u);
    const ui::FileDialogOptions& asked = f.dialogs.fileDialogs[0];
    const QString attachments = f.folder.folder().attachmentsFolder();
    EXPECT_EQ(asked.filter, u"文本文件(*.txt)|*.txt"_s);
    EXPECT_EQ(asked.defaultSuffix, u"txt"_s);
    EXPECT_EQ(asked.startFolder, attachments);
    EXPECT_EQ(asked.proposedName, attachments + kGuangdong + u"历史号码.txt"_s);

    // An empty table gives an empty file, which replaces the earlier one.
    f.dialogs.messages.clear();
    f.select(kShandong);
    f.dialogs.fileAnswers = {file};
    f.editor->btnsaveClick();
    EXPECT_EQ(exported(), QByteArray());
    EXPECT_EQ(f.dialogs.texts(), QStringList{u"成功保存！"_s});
}

TEST(DrawEditor, ExportNamesFromStoredTextStayInTheFolder)
{
    struct Case {
        QString stored;
        QString part;
    };
    const Case cases[] = {
        {u"../../../../outside/evil"_s, u"outsideevil"_s},
        {u"..\\..\\windows\\evil"_s, u"windowsevil"_s},
        {u"./.../a..b/."_s, u"ab"_s},
        {u"C:/彩票:*?\"<>|\t名"_s, u"C彩票名"_s},
        {u" 广东体彩11选5 "_s, u"广东体彩11选5"_s},
        {u"/"_s, QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileNamePart(c.stored), c.part) << c.stored.toStdString();

    EditorFixture f;
    const QString hostile = u"../../../../outside/evil"_s;
    {
        db::DbConnection connection(u"t"_s);
        connection.open(f.folder.databaseFile());
        createLotteryTables(connection, {.name = hostile});
    }
    ui::Tfrmdata editor(f.folder.folder());
    auto* list = editor.findChild<QListWidget*>(u"lstcaipiao"_s);
    list->setCurrentItem(list->findItems(hostile, Qt::MatchExactly).value(0));
    f.dialogs.fileAnswers = {QString()};
    editor.btnsaveClick();
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(f.dialogs.fileDialogs[0].proposedName,
              f.folder.folder().attachmentsFolder() + u"outsideevil历史号码.txt"_s);
}
