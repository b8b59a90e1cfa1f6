#pragma once
// Helpers of the Qt tests: a program folder in a temporary directory with its database, and a
// dialogs responder that records every message box and answers the file dialogs.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "widgets/dialogs.h"
#include "store/draw_types.h"
#include "store/program_folder.h"

namespace pickora::test {

class TempProgramFolder {
public:
    TempProgramFolder();
    ProgramFolder folder() const { return ProgramFolder(dir_.path()); }
    QString databaseFile() const { return folder().databaseFile(); }
    // The database with the four default lotteries, empty.
    void createDatabase() const;
    // Appends rows to a lottery's number table.
    void addDraws(const QString& lottery, const std::vector<StoredDraw>& draws) const;
    // `count` consecutive draws (issues 10010101, 10010102, ...; numbers cycling through 1..11).
    static std::vector<StoredDraw> sampleDraws(int count);
    // The number of rows of a table, read with a connection of its own.
    int rowCount(const QString& table) const;
    // Runs one statement on the database.
    void exec(const QString& statement) const;

private:
    QTemporaryDir dir_;
};

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
