#include "analysis/u_piantai.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

Tfrmpiantai::Tfrmpiantai(const DrawStore& store, QWidget* parent)
    : OmissionWindow(OmissionVariant::Skew, store, parent)
{
    setObjectName(u"Tfrmpiantai"_s);
}

} // namespace pickora::ui
