#include "shell/desktop_links.h"

#include <QDesktopServices>

namespace pickora::ui::desktop {

namespace {
std::function<bool(const QUrl&)>& opener()
{
    static std::function<bool(const QUrl&)> installed;
    return installed;
}
} // namespace

bool openUrl(const QUrl& url)
{
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void setOpener(std::function<bool(const QUrl&)> replacement) { opener() = std::move(replacement); }

} // namespace pickora::ui::desktop
