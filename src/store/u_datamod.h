#pragma once
// The data module: the open lottery's long-lived connection and its number table's record set.

#include <QString>

#include "store/db_engine.h"

namespace pickora {

class Tdatamod {
public:
    explicit Tdatamod(QString databaseFile)
        : t_con(QStringLiteral("datamod")), t_caipiao(t_con), databaseFile_(std::move(databaseFile))
    {
    }

    const QString& databaseFile() const { return databaseFile_; }

    db::DbConnection t_con;
    db::RecordSet t_caipiao;

private:
    QString databaseFile_;
};

} // namespace pickora
