#include "store/text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace pickora {

QByteArray encodeGbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return text.toUtf8();
    return encoder.encode(text);
}

QString decodeGbkOrUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        return asUtf8;
    QStringDecoder gbk("GBK");
    return gbk.isValid() ? QString(gbk.decode(bytes)) : asUtf8;
}

QString fileNamePart(const QString& text)
{
    QString name;
    name.reserve(text.size());
    for (const QChar c : text)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F
            && !QStringView(u"/\\:*?\"<>|").contains(c))
            name += c;
    // Dropping separators may join dots into a new "..": repeat until none is left.
    while (name.contains(u".."))
        name.replace(u".."_s, QString());
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = u"无法写入文件：%1\n%2"_s.arg(path, file.errorString());
        return false;
    }
    return true;
}

bool readWholeFile(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = u"无法打开文件：%1\n%2"_s.arg(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}

} // namespace pickora
