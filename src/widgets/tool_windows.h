#pragma once
// The tool windows of the filter and investment menus: created on first use, shown again by the
// next use, and closed and forgotten when the lottery is closed.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>

namespace pickora::ui {

class ToolWindows {
public:
    // The window registered under `key`, made by `make()` when there is none yet; then shown.
    template <class Make>
    QWidget* show(const QString& key, Make make)
    {
        QPointer<QWidget>& slot = windows_[key];
        if (!slot)
            slot = make();
        slot->show();
        slot->raise();
        slot->activateWindow();
        return slot;
    }
    // The window registered under `key`, made (and left hidden) when there is none yet.
    template <class Make>
    QWidget* ensure(const QString& key, Make make)
    {
        QPointer<QWidget>& slot = windows_[key];
        if (!slot)
            slot = make();
        return slot;
    }
    QWidget* find(const QString& key) const;
    int count() const;
    // Closes and forgets every window. They are deleted once control is back in the event loop,
    // so a window whose long loop is pumping events is never deleted under its own feet.
    void closeAll();

private:
    std::map<QString, QPointer<QWidget>> windows_;
};

} // namespace pickora::ui
