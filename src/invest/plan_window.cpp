#include "invest/plan_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/text_table_model.h"
#include "widgets/table_report.h"
#include "widgets/dialogs.h"
#include "widgets/read_number.h"
#include "store/text_files.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

PlanWindow::PlanWindow(ProgramFolder folder, const QString& objectName, const QString& caption,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), folder_(std::move(folder))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    resize(630, 480);
    model_ = new TextTableModel(this);
    model_->setFirstColumnFixed(true);
    grdjihua = new QTableView(this);
    grdjihua->setObjectName(u"grdjihua"_s);
    grdjihua->setModel(model_);
    styleAnalysisGrid(grdjihua);
    // The columns share the grid's width whenever the grid itself is resized.
    grdjihua->installEventFilter(this);
    side_ = new QVBoxLayout;
}

QLineEdit* PlanWindow::addField(const char* name, const QString& label, const QString& text)
{
    auto* caption = new QLabel(label, this);
    caption->setObjectName(u"lbl"_s + QLatin1StringView(name).mid(3));
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QLatin1StringView(name));
    edit->setFixedWidth(90);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(edit);
    side_->addLayout(row);
    labels_.emplace_back(edit, QString(label).remove(u'：'));
    return edit;
}

void PlanWindow::addSharedFields()
{
    edtprekui = addField("edtprekui", u"前期亏损："_s, u"0"_s);
    edtlirun = addField("edtlirun", u"预期利润："_s, u"10"_s);
    edtinofsin = addField("edtinofsin", u"单倍投入："_s, u"16"_s);
    edtoutofsin = addField("edtoutofsin", u"单注奖金："_s, u"1000"_s);
    edtdays = addField("edtdays", u"投注期数："_s, u"80"_s);
}

QPushButton* PlanWindow::addButton(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1StringView(name));
    side_->addWidget(button);
    return button;
}

void PlanWindow::finishLayout(const QStringList& headers)
{
    side_->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grdjihua, 1);
    layout->addLayout(side_);

    // The empty grid already shows its header row; the window opens wide enough for every
    // header to show whole (up to a small screen), beside the room kept for the scroll bar.
    model_->setTable(headers, {});
    int columns = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        columns += grdjihua->horizontalHeader()->sectionSizeHint(c);
    layout->activate();
    const int room = grdjihua->width() - 2 * grdjihua->frameWidth() - 20;
    if (columns > room)
        resize(std::min(1000, width() + columns - room), height());

    // Each plan window opens a step below and to the right of those opened before it.
    int earlier = 0;
    if (parentWidget())
        for (const PlanWindow* other :
             parentWidget()->findChildren<PlanWindow*>(Qt::FindDirectChildrenOnly))
            earlier += other != this;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        QPoint topLeft = area.center() - rect().center() + QPoint(30, 30) * earlier;
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - height())));
        move(topLeft);
    }
}

std::optional<qint64> PlanWindow::readField(QLineEdit* edit)
{
    QString label = edit->objectName();
    for (const auto& [box, text] : labels_)
        if (box == edit)
            label = text;
    return readWholeNumber64(this, label, edit->text());
}

bool PlanWindow::accept(const std::string& problem)
{
    if (problem.empty())
        return true;
    dialogs::error(this, QString::fromStdString(problem));
    return false;
}

std::optional<PlanSettings> PlanWindow::readSettings()
{
    PlanSettings s;
    for (const auto& [edit, target] :
         {std::pair{edtdays, &s.periods}, std::pair{edtprekui, &s.priorLoss},
          std::pair{edtlirun, &s.expectedProfit}, std::pair{edtinofsin, &s.unitStake},
          std::pair{edtoutofsin, &s.unitPrize}}) {
        const auto value = readField(edit);
        if (!value)
            return std::nullopt;
        *target = *value;
    }
    return s;
}

QStringList PlanWindow::rowTexts(const PlanRow& row)
{
    QStringList texts;
    for (const std::int64_t value : row)
        texts << QString::number(value);
    return texts;
}

void PlanWindow::showTable(const QStringList& headers, std::vector<QStringList> rows)
{
    model_->setTable(headers, std::move(rows));
    applyColumnWidths();
}

std::vector<QStringList> PlanWindow::gridRows() const { return model_->rows(); }

void PlanWindow::applyColumnWidths()
{
    // Every column is at least as wide as its header; the room left over (the grid's width less
    // 20 for the scroll bar) is shared out equally.
    const int columns = model_->columnCount();
    if (columns == 0)
        return;
    std::vector<int> widths;
    int used = 0;
    for (int c = 0; c < columns; ++c) {
        widths.push_back(std::max(30, grdjihua->horizontalHeader()->sectionSizeHint(c)));
        used += widths.back();
    }
    const int spare = std::max(0, grdjihua->width() - 2 * grdjihua->frameWidth() - 20 - used);
    for (int c = 0; c < columns; ++c)
        grdjihua->setColumnWidth(c, widths[static_cast<std::size_t>(c)] + spare / columns);
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdjihua && event->type() == QEvent::Resize)
        applyColumnWidths();
    return QWidget::eventFilter(watched, event);
}

void PlanWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the plan stays until the lottery is closed.
    event->ignore();
    hide();
}

bool PlanWindow::savePlan(const QString& proposedName, const QStringList& settings)
{
    const QString file = dialogs::saveFile(
        this, {u"保存"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, folder_.attachmentsFolder(),
               proposedName});
    if (file.isEmpty())
        return false;
    std::vector<std::string> settingLines;
    for (const QString& s : settings)
        settingLines.push_back(s.toStdString());
    std::vector<std::vector<std::string>> rows;
    for (const QStringList& row : model_->rows()) {
        std::vector<std::string> cells;
        for (int c = 0; c < model_->columnCount(); ++c)
            cells.push_back(row.value(c).toStdString());
        rows.push_back(std::move(cells));
    }
    const QString text = QString::fromStdString(planFileText(settingLines, rows));
    QString error;
    if (!writeFileAtomically(file, encodeGbk(text), &error)) {
        dialogs::error(this, error);
        return false;
    }
    dialogs::information(this, u"成功保存！"_s);
    return true;
}

std::optional<LoadedPlan> PlanWindow::loadPlan(const QString& proposedName, int settingsCount,
                                               int columns)
{
    const QString file = dialogs::openFile(
        this, {u"载入"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, folder_.attachmentsFolder(),
               proposedName});
    if (file.isEmpty())
        return std::nullopt;
    QByteArray bytes;
    QString error;
    if (!readWholeFile(file, &bytes, &error)) {
        dialogs::error(this, error);
        return std::nullopt;
    }
    return parsePlanFile(decodeGbkOrUtf8(bytes).toStdString(), settingsCount, columns);
}

void PlanWindow::printPlan(ReportLayout layout, const QString& title, const QString& settingsLine)
{
    printTableReport(this, {layout, title, settingsLine, model_->headers(), model_->rows()});
}

} // namespace pickora::ui
