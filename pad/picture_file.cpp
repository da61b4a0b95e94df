// Picture files by kind: the extension decides which reader gets the file's bytes.
#include "pad/picture_file.h"

#include "pad/bitmap_file.h"
#include "pad/icon_file.h"
#include "pad/metafile_header.h"

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray readAll(const QString& fileName, const char* notValid)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw EPictureError(notValid);
    return file.readAll();
}

} // namespace

TPicture LoadPictureFile(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix();
    const auto is = [&](const char* kind) { return extension.compare(kind, Qt::CaseInsensitive) == 0; };
    if (is("bmp")) return {TGraphicKind::Bitmap, ReadBitmapFile(readAll(fileName, kBitmapNotValid)), {}};
    if (is("ico")) return {TGraphicKind::Icon, ReadIconFile(readAll(fileName, kIconNotValid)), {}};
    if (is("wmf") || is("emf")) return {TGraphicKind::Metafile, QImage(), ReadMetafileSize(readAll(fileName, kMetafileNotValid))};
    throw UnknownExtensionError(extension.toStdString());
}
