#pragma once
// Text files as the program writes and reads them: GBK (the system code page of the Chinese
// texts), read back as UTF-8 when the bytes are valid UTF-8 and as GBK otherwise; written under a
// temporary name and renamed, so a failed write leaves the old file whole.

#include <QByteArray>
#include <QString>

namespace pickora {

QByteArray encodeGbk(const QString& text);
QString decodeGbkOrUtf8(const QByteArray& bytes);

// A part of a file name built from stored text (a lottery's name): path separators, "..",
// control characters and the characters Windows forbids in names are dropped, so the name
// cannot lead out of the folder it is put in.
QString fileNamePart(const QString& text);

// Writes `bytes` to `path` atomically; on failure returns false and a message for the player.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);
// Reads a whole file; on failure returns false and a message for the player.
bool readWholeFile(const QString& path, QByteArray* bytes, QString* error);

} // namespace pickora
