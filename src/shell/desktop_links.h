#pragma once
// Opening a document or a web address with the desktop's program for it (the help book, the web
// pages of the menus). Tests install an opener that records the addresses instead.

#include <QUrl>
#include <functional>

namespace pickora::ui::desktop {

// Asks the desktop to open `url`; false when it could not even try.
bool openUrl(const QUrl& url);

// Replaces QDesktopServices (an empty function restores it). For tests.
void setOpener(std::function<bool(const QUrl&)> opener);

} // namespace pickora::ui::desktop
