#include "store/history_export.h"

namespace pickora {

std::string historyExportLine(std::span<const int> values)
{
    std::string line;
    for (const int value : values) {
        if (value < 10)
            line += '0';
        line += std::to_string(value);
        line += ' ';
    }
    return line;
}

} // namespace pickora
