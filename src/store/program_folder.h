#pragma once
// Every fixed path of the program lies under the program folder, the executable's folder.

#include <QString>

namespace pickora {

class ProgramFolder {
public:
    // `root` is made absolute and ends with a separator.
    explicit ProgramFolder(const QString& root);
    // The folder of the running executable.
    static ProgramFolder ofExecutable();

    const QString& root() const { return root_; }
    QString path(const QString& relative) const { return root_ + relative; }
    QString databaseFile() const { return path(QStringLiteral("数据库/彩票数据.mdb")); }
    QString databaseFolder() const { return path(QStringLiteral("数据库/")); }
    QString attachmentsFolder() const { return path(QStringLiteral("附属/")); }
    QString backgroundPicture() const { return path(QStringLiteral("图片/back.bmp")); }
    QString wheelsFolder() const { return path(QStringLiteral("旋转矩阵/")); }

private:
    QString root_;
};

// The user's desktop folder, or an empty text when there is none.
QString desktopFolder();

} // namespace pickora
