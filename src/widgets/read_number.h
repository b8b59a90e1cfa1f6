#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pickora::ui {

// The whole number a control holds. Bad text shows an error box naming the field and the text,
// and gives nothing, so the caller stops the action with nothing changed.
std::optional<int> readWholeNumber(QWidget* parent, const QString& fieldName, const QString& text);
// The same for money and other 64-bit amounts.
std::optional<qint64> readWholeNumber64(QWidget* parent, const QString& fieldName,
                                        const QString& text);

} // namespace pickora::ui
