#include "widgets/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace pickora::ui::dialogs {

namespace {

DialogResponder* g_responder = nullptr;
QString g_startFolder;

void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text)
{
    if (g_responder) {
        g_responder->message(parent, kind, title, text);
        return;
    }
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, kind, title, text);
    box->exec();
}

QFileDialog* makeFileDialog(QWidget* parent, const FileDialogOptions& options)
{
    auto* dialog = new QFileDialog(parent, options.caption, options.startFolder);
    dialog->setNameFilter(qtNameFilter(options.filter));
    dialog->setDefaultSuffix(options.defaultSuffix);
    if (!options.proposedName.isEmpty())
        dialog->selectFile(options.proposedName);
    return dialog;
}

QString runFileDialog(QFileDialog* dialog)
{
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().constFirst();
    delete dialog;
    return chosen;
}

} // namespace

QString applicationTitle() { return u"Karvo11选5Pickora"_s; }

int titleRoom(const QString& title)
{
    // The title bar's font is the window manager's; a bold application font with room for the
    // icon and the close button is a safe estimate.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 140;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, MessageKind kind, const QString& title,
                                            const QString& text)
{
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                                    : QMessageBox::Critical;
    auto box = std::make_unique<QMessageBox>(icon, title, text, QMessageBox::Ok, parent);
    // A short text makes a narrow box whose title bar cuts the title ("Karvo… ickora"): a
    // spacer under everything keeps the box at least as wide as the title needs.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleRoom(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

void information(QWidget* parent, const QString& text, const QString& title)
{
    showMessage(parent, MessageKind::Information, title, text);
}

void warning(QWidget* parent, const QString& text, const QString& title)
{
    showMessage(parent, MessageKind::Warning, title, text);
}

void error(QWidget* parent, const QString& text, const QString& title)
{
    showMessage(parent, MessageKind::Error, title, text);
}

void setStartFolderOverride(const QString& folder) { g_startFolder = folder; }

FileDialogOptions shownOptions(const FileDialogOptions& options)
{
    if (g_startFolder.isEmpty())
        return options;
    FileDialogOptions shown = options;
    shown.startFolder = g_startFolder;
    if (!options.proposedName.isEmpty())
        shown.proposedName = QDir(g_startFolder).filePath(QFileInfo(options.proposedName).fileName());
    return shown;
}

QString openFile(QWidget* parent, const FileDialogOptions& requested)
{
    const FileDialogOptions options = shownOptions(requested);
    if (g_responder)
        return g_responder->openFile(parent, options);
    QFileDialog* dialog = makeFileDialog(parent, options);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString saveFile(QWidget* parent, const FileDialogOptions& requested)
{
    const FileDialogOptions options = shownOptions(requested);
    if (g_responder)
        return g_responder->saveFile(parent, options);
    QFileDialog* dialog = makeFileDialog(parent, options);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog);
}

bool choosePrinter(QWidget* parent, QPrinter& printer)
{
    if (g_responder)
        return g_responder->choosePrinter(parent, printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString qtNameFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(u';', u' ');
        // The caption usually shows its pattern in brackets already, which is what Qt reads.
        if (!caption.endsWith(u')'))
            caption += u" ("_s + patterns + u')';
        filters << caption;
    }
    return filters.join(u";;"_s);
}

void setResponder(DialogResponder* responder) { g_responder = responder; }

} // namespace pickora::ui::dialogs
