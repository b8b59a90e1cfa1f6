#pragma once
// Printing a grid as the ruled, paged table report: the precondition, the printer dialog and the
// painting of the laid-out pages.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "widgets/report_layout.h"

class QPrinter;
class QWidget;

namespace pickora::ui {

struct TableReportRequest {
    ReportLayout layout = ReportLayout::FixedPlan;
    QString title;
    QString settingsLine;
    QStringList headers;
    std::vector<QStringList> rows; // the grid's body rows
};

// "请先生成表格！" when there is no table (no body row, or row 1 column 1 empty); otherwise the
// printer dialog, then the pages. Failures report "请安装打印机！". Returns whether it printed.
bool printTableReport(QWidget* parent, const TableReportRequest& request);

// Paints the pages on a printer already chosen; false when the printer fails.
bool paintTableReport(QPrinter& printer, const TableReportRequest& request);

// A page of settings (no table, no precondition): the title, the print date and the pairs of
// texts, left and right, line by line. Failures report "请安装打印机！".
struct SettingsPageRequest {
    QString title;
    std::vector<std::pair<QString, QString>> lines;
};
bool printSettingsPage(QWidget* parent, const SettingsPageRequest& request);
bool paintSettingsPage(QPrinter& printer, const SettingsPageRequest& request);

// Whether a grid holds a table worth printing.
bool hasTable(const std::vector<QStringList>& rows);

// Today's date as the reports print it: "2026-12-8".
QString reportDateToday();

} // namespace pickora::ui
