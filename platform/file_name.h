// File names are bytes on Linux, while the program holds them as QString. These conversions lose
// nothing: a name valid in the file-name encoding converts as QFile::decodeName/encodeName convert it,
// and each byte that belongs to no valid character stands for itself as U+DC80..U+DCFF, a lone
// surrogate that no valid name contains.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QFile;

QString fileNameFromBytes(std::string_view bytes);
std::string fileNameToBytes(const QString& name);

// Whether the name is that of a regular file (following symbolic links).
bool isRegularFile(const QString& name);
// Opens the named file for reading in `file`, through the name's bytes. Returns false when it cannot.
bool openForReading(QFile& file, const QString& name);
