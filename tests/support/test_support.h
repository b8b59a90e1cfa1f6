#pragma once
// Helpers of the UI tests: a program folder in a temporary directory with its database, and a
// dialogs responder that records every message box and answers the file dialogs.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "support/temp_program_folder.h"
#include "widgets/dialogs.h"

namespace pickora::test {

struct RecordedMessage {
    ui::MessageKind kind;
    QString title;
    QString text;
};

class ScriptedDialogs : public ui::DialogResponder {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    std::vector<RecordedMessage> messages;
    std::deque<QString> fileAnswers; // next answers of open/save dialogs ("" = cancel)
    std::vector<ui::FileDialogOptions> fileDialogs;

    QStringList texts() const;

    void message(QWidget*, ui::MessageKind kind, const QString& title, const QString& text) override;
    QString openFile(QWidget*, const ui::FileDialogOptions& options) override;
    QString saveFile(QWidget*, const ui::FileDialogOptions& options) override;
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
};

} // namespace pickora::test
