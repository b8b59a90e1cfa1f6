#include "analysis/u_yilou.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmyilou::Tfrmyilou(const DrawStore& store, QWidget* parent)
    : OmissionWindow(OmissionVariant::Rebound, store, parent)
{
    setObjectName(u"Tfrmyilou"_s);
}

} // namespace pickora::ui
