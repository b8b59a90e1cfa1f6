#include "support/test_support.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <stdexcept>

#include "store/db_engine.h"
#include "store/draw_history.h"
#include "store/lottery_schema.h"

using namespace Qt::StringLiterals;

namespace pickora::test {

ScriptedDialogs::ScriptedDialogs() { ui::dialogs::setResponder(this); }

ScriptedDialogs::~ScriptedDialogs() { ui::dialogs::setResponder(nullptr); }

QStringList ScriptedDialogs::texts() const
{
    QStringList all;
    for (const RecordedMessage& m : messages)
        all << m.text;
    return all;
}

void ScriptedDialogs::message(QWidget*, ui::MessageKind kind, const QString& title,
                              const QString& text)
{
    messages.push_back({kind, title, text});
}

QString ScriptedDialogs::openFile(QWidget*, const ui::FileDialogOptions& options)
{
    fileDialogs.push_back(options);
    if (fileAnswers.empty())
        return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::saveFile(QWidget* parent, const ui::FileDialogOptions& options)
{
    return openFile(parent, options);
}

} // namespace pickora::test
