#include "widgets/table_report.h"

#include <QDate>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

// "录书" and "宋体" are rarely installed here: the CJK faces Debian ships stand in for them.
QFont titleFont()
{
    QFont font;
    font.setFamilies({u"录书"_s, u"LiSu"_s, u"WenQuanYi Micro Hei"_s, u"Noto Sans CJK SC"_s,
                      u"Noto Serif CJK SC"_s});
    font.setPointSize(18);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QFont bodyFont()
{
    QFont font;
    font.setFamilies({u"宋体"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s, u"WenQuanYi Micro Hei"_s,
                      u"Noto Sans CJK SC"_s});
    font.setPointSize(10);
    return font;
}

std::string utf8(const QString& text) { return text.toStdString(); }

} // namespace

bool hasTable(const std::vector<QStringList>& rows)
{
    return !rows.empty() && !rows.front().value(1).isEmpty();
}

QString reportDateToday()
{
    const QDate today = QDate::currentDate();
    return QString::fromStdString(reportDate(today.year(), today.month(), today.day()));
}

namespace {

// Draws laid-out pages on a printer whose painter is begun.
bool paintPages(QPrinter& printer, QPainter& painter, const std::vector<ReportPage>& pages)
{
    const QFont title = titleFont();
    const QFont body = bodyFont();
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, printer.resolution() / 150));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.setPen(pen);
        for (const ReportLine& line : pages[p].lines)
            painter.drawLine(line.x1, line.y1, line.x2, line.y2);
        for (const ReportText& text : pages[p].texts) {
            painter.setFont(text.font == ReportFont::Title ? title : body);
            // Positions are top-left corners; Qt draws from the baseline.
            painter.drawText(QPoint(text.x, text.y + painter.fontMetrics().ascent()),
                             QString::fromStdString(text.text));
        }
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

bool paintTableReport(QPrinter& printer, const TableReportRequest& request)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());

    ReportInput input;
    input.layout = request.layout;
    input.width = page.width();
    input.height = page.height();
    input.title = utf8(request.title);
    input.titleWidth = QFontMetrics(titleFont(), &printer).horizontalAdvance(request.title);
    input.settingsLine = utf8(request.settingsLine);
    for (const QString& header : request.headers)
        input.headers.push_back(utf8(header));
    for (const QStringList& row : request.rows) {
        std::vector<std::string> cells;
        for (const QString& cell : row)
            cells.push_back(utf8(cell));
        input.rows.push_back(std::move(cells));
    }
    return paintPages(printer, painter, layoutReport(input));
}

bool paintSettingsPage(QPrinter& printer, const SettingsPageRequest& request)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    SettingsPageInput input;
    input.width = page.width();
    input.height = page.height();
    input.title = utf8(request.title);
    input.titleWidth = QFontMetrics(titleFont(), &printer).horizontalAdvance(request.title);
    input.date = utf8(reportDateToday());
    for (const auto& [left, right] : request.lines)
        input.lines.emplace_back(utf8(left), utf8(right));
    return paintPages(printer, painter, {layoutSettingsPage(input)});
}

bool printSettingsPage(QWidget* parent, const SettingsPageRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setDocName(request.title);
    if (!dialogs::choosePrinter(parent, printer))
        return false;
    if (!paintSettingsPage(printer, request)) {
        dialogs::error(parent, u"请安装打印机！"_s);
        return false;
    }
    return true;
}

bool printTableReport(QWidget* parent, const TableReportRequest& request)
{
    if (!hasTable(request.rows)) {
        dialogs::information(parent, u"请先生成表格！"_s);
        return false;
    }
    // The offsets of the layout are in the units of a common 600 dpi printer.
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setDocName(request.title);
    if (!dialogs::choosePrinter(parent, printer))
        return false;
    if (!paintTableReport(printer, request)) {
        dialogs::error(parent, u"请安装打印机！"_s);
        return false;
    }
    return true;
}

} // namespace pickora::ui
