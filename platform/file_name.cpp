// Lossless file-name conversion over Qt's file-name encoding, and opening by the name's bytes.
#include "platform/file_name.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

constexpr char16_t kEscapedByte = 0xDC00;  // + the byte, for bytes 0x80..0xFF

// The length of the character that `lead` begins, by its bit pattern; 1 for a byte that begins none.
size_t sequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// A low surrogate in that range after a high one is half of a character beyond U+FFFF, not a byte.
bool isEscapedByte(const QString& name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= kEscapedByte + 0x80 && c <= kEscapedByte + 0xFF && !(i > 0 && name[i - 1].isHighSurrogate());
}

} // namespace

QString fileNameFromBytes(std::string_view bytes)
{
    const QByteArray whole(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString decoded = QFile::decodeName(whole);
    if (QFile::encodeName(decoded) == whole) return decoded;
    QString name;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = std::min(sequenceLength(static_cast<unsigned char>(bytes[at])), bytes.size() - at);
        const QByteArray piece(bytes.data() + at, static_cast<qsizetype>(length));
        const QString character = QFile::decodeName(piece);
        if (static_cast<unsigned char>(bytes[at]) >= 0x80 && QFile::encodeName(character) != piece) {
            name += QChar(static_cast<char16_t>(kEscapedByte + static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            name += character;
            at += length;
        }
    }
    return name;
}

std::string fileNameToBytes(const QString& name)
{
    std::string bytes;
    qsizetype runBegin = 0;
    const auto flushRun = [&](qsizetype end) { bytes += QFile::encodeName(name.mid(runBegin, end - runBegin)).toStdString(); };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name, i)) continue;
        flushRun(i);
        bytes += static_cast<char>(name[i].unicode() - kEscapedByte);
        runBegin = i + 1;
    }
    flushRun(name.size());
    return bytes;
}

bool isRegularFile(const QString& name)
{
    struct stat status {};
    return stat(fileNameToBytes(name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool openForReading(QFile& file, const QString& name)
{
    const int descriptor = open(fileNameToBytes(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return false;
    if (file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    close(descriptor);
    return false;
}
