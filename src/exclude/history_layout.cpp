#include "exclude/history_layout.h"

#include <QHBoxLayout>
#include <QSplitter>

namespace pickora::ui {

void layoutHistoryWindow(QWidget* window, QWidget* left, QWidget* right)
{
    auto* layout = new QHBoxLayout(window);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* splitter = new QSplitter(Qt::Horizontal, window);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter);
}

} // namespace pickora::ui
