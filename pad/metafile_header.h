// Reading the header of a WMF or EMF file: Qt draws no metafiles, so the pad only learns the size
// the header declares and shows the picture blank.
#pragma once

#include <QByteArray>
#include <QSize>

// The size in pixels (at 96 per inch) that a metafile of `fileBytes` bytes declares, read from its
// first bytes (`head`); 0 x 0 for a standard WMF, which declares none. Raises EPictureError
// "Metafile is not valid" unless the file starts with a placeable or standard WMF header or an EMF
// header record with its signature, and holds what that header says it holds.
QSize ReadMetafileSize(const QByteArray& head, qint64 fileBytes);
