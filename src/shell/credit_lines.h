#pragma once
// The credit files of the about and splash windows (附属/about.txt, 附属/flash.txt): one display
// line per text line, GBK or UTF-8, CR LF or LF.

#include <QString>
#include <QStringList>
#include <optional>

namespace pickora::ui {

// The file's lines (a last empty line is not counted); nothing, with the reason, when it cannot
// be read.
std::optional<QStringList> readCreditLines(const QString& path, QString* error);

} // namespace pickora::ui
