#include "widgets/tool_windows.h"

namespace pickora::ui {

QWidget* ToolWindows::find(const QString& key) const
{
    const auto it = windows_.find(key);
    return it == windows_.end() ? nullptr : it->second.data();
}

int ToolWindows::count() const
{
    int alive = 0;
    for (const auto& [key, window] : windows_)
        alive += window ? 1 : 0;
    return alive;
}

void ToolWindows::closeAll()
{
    for (auto& [key, window] : windows_)
        if (window) {
            window->hide();
            window->deleteLater();
        }
    windows_.clear();
}

} // namespace pickora::ui
