#pragma once
// The web addresses the program reaches. The maker's server is a placeholder under the reserved
// ".example" domain: it never resolves, so the advertisement strip hides itself at once.

#include <QString>

namespace pickora::ui::web {

inline QString makerServer() { return QStringLiteral("http://www.karvo-pickora.example/"); }
inline QString advertiserPage() { return QStringLiteral("http://www.karvo-pickora.example/"); }

} // namespace pickora::ui::web
