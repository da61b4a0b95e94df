#include "platform/file_name.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>

TEST(FileName, EveryByteSequenceComesBackAsItWasAndValidNamesAsQtDecodesThem)
{
    for (const std::string bytes : {"/pictures/plain.bmp", "/pictures/caf\xc3\xa9.bmp", "/p/\xf0\x90\x82\x80.bmp",
                                    "/p/lat\xe9in.bmp", "\xc3", "\xc3" "A\xff\xfe", "\xed\xb2\x80", "\xe2\x82",
                                    "\xc0\xaf", "\xf4\x90\x80\x80"}) {
        const QString name = fileNameFromBytes(bytes);
        EXPECT_EQ(fileNameToBytes(name), bytes) << name.toStdString();
        const QByteArray raw = QByteArray::fromStdString(bytes);
        if (QFile::encodeName(QFile::decodeName(raw)) == raw) {
            EXPECT_EQ(name, QFile::decodeName(raw));
        }
    }
}
