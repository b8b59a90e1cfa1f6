#include "widgets/read_number.h"

#include "widgets/dialogs.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

std::optional<int> readWholeNumber(QWidget* parent, const QString& fieldName, const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok)
        return value;
    dialogs::error(parent, u"“%1”中的“%2”不是有效的整数。"_s.arg(fieldName, text));
    return std::nullopt;
}

std::optional<qint64> readWholeNumber64(QWidget* parent, const QString& fieldName,
                                        const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (ok)
        return value;
    dialogs::error(parent, u"“%1”中的“%2”不是有效的整数。"_s.arg(fieldName, text));
    return std::nullopt;
}

} // namespace pickora::ui
