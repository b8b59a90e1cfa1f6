#pragma once
// Every message box and file dialog of the program goes through here, so tests can answer them
// without a person: install a DialogResponder and the real dialogs are never shown.

#include <QString>
#include <memory>

class QMessageBox;
class QPrinter;
class QWidget;

namespace pickora::ui {

enum class MessageKind { Information, Warning, Error };

struct FileDialogOptions {
    QString caption;
    QString filter;        // as the windows write it: "文本文件(*.txt)|*.txt"
    QString defaultSuffix; // "txt"
    QString startFolder;
    QString proposedName;
};

class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    virtual void message(QWidget* parent, MessageKind kind, const QString& title,
                         const QString& text) = 0;
    // An empty text means the user cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

namespace dialogs {

// The program's title, the default title of message boxes.
QString applicationTitle();

// The message box the functions below show: one OK button, at least as wide as `title` needs in
// a title bar (titleRoom), so the title is never cut.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, MessageKind kind, const QString& title,
                                            const QString& text);
int titleRoom(const QString& title);

void information(QWidget* parent, const QString& text, const QString& title = applicationTitle());
void warning(QWidget* parent, const QString& text, const QString& title = applicationTitle());
void error(QWidget* parent, const QString& text, const QString& title = QStringLiteral("错误"));

QString openFile(QWidget* parent, const FileDialogOptions& options);
QString saveFile(QWidget* parent, const FileDialogOptions& options);
bool choosePrinter(QWidget* parent, QPrinter& printer);

// "文本文件(*.txt)|*.txt|..." (pairs of caption and pattern) as a Qt name filter list.
QString qtNameFilter(const QString& pipeFilter);

// Every file dialog starts in `folder` instead of the folder its window asks for, and a proposed
// name keeps only its file name, placed there; an empty text restores the windows' own folders.
void setStartFolderOverride(const QString& folder);
// The options a file dialog is shown with (the override applied).
FileDialogOptions shownOptions(const FileDialogOptions& options);

// Replaces the real dialogs (nullptr restores them). For tests.
void setResponder(DialogResponder* responder);

} // namespace dialogs

} // namespace pickora::ui
