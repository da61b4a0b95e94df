// Picture files by kind: the extension decides which reader judges the file's header and gets the
// bytes it needs; a file is never read further than its header says the picture reaches.
#include "pad/picture_file.h"

#include "pad/bitmap_file.h"
#include "pad/icon_file.h"
#include "pad/metafile_header.h"
#include "platform/file_name.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Holds a BMP's headers and colour table, the largest icon directory and any metafile header.
constexpr qint64 kHeadBytes = 1 << 20;

// A picture file's first bytes and its size, from which the format readers judge it before more is read.
class PictureFile {
public:
    PictureFile(const QString& fileName, const char* notValid) : notValid_(notValid)
    {
        if (!openForReading(file_, fileName)) throw EPictureError(notValid);
        size_ = file_.size();
        head_ = read(std::min(size_, kHeadBytes));
    }
    const QByteArray& head() const { return head_; }
    qint64 size() const { return size_; }
    // The file's first `count` bytes, `count` being at most its size.
    QByteArray start(qint64 count)
    {
        if (count <= head_.size()) return head_.left(count);
        return head_ + read(count - head_.size());
    }

private:
    QByteArray read(qint64 count)
    {
        QByteArray bytes = file_.read(count);
        if (bytes.size() != count) throw EPictureError(notValid_);
        return bytes;
    }

    QFile file_;
    const char* notValid_;
    qint64 size_ = 0;
    QByteArray head_;
};

QImage readBitmap(const QString& fileName)
{
    PictureFile file(fileName, kBitmapNotValid);
    return ReadBitmapFile(file.start(BitmapBytesToRead(file.head(), file.size())));
}

QImage readIcon(const QString& fileName)
{
    PictureFile file(fileName, kIconNotValid);
    return ReadIconFile(file.start(IconBytesToRead(file.head(), file.size())));
}

QSize readMetafileSize(const QString& fileName)
{
    const PictureFile file(fileName, kMetafileNotValid);
    return ReadMetafileSize(file.head(), file.size());
}

} // namespace

TPicture LoadPictureFile(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix();
    const auto is = [&](const char* kind) { return extension.compare(kind, Qt::CaseInsensitive) == 0; };
    if (is("bmp")) return {TGraphicKind::Bitmap, readBitmap(fileName), {}};
    if (is("ico")) return {TGraphicKind::Icon, readIcon(fileName), {}};
    if (is("wmf") || is("emf")) return {TGraphicKind::Metafile, QImage(), readMetafileSize(fileName)};
    throw UnknownExtensionError(extension.toStdString());
}
