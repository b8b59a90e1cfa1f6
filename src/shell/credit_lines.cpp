#include "shell/credit_lines.h"

#include "store/text_files.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

std::optional<QStringList> readCreditLines(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!readWholeFile(path, &bytes, error))
        return std::nullopt;
    QString text = decodeGbkOrUtf8(bytes);
    text.replace(u"\r\n"_s, u"\n"_s);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace pickora::ui
