#include "app/desktop_identity.h"

#include <QApplication>
#include <QIcon>

namespace {
// The desktop entry, the icon and the theme share it.
const char* const kApplicationId = "org.pixono.Pixono";
} // namespace

void applyDesktopIdentity()
{
    // The application name is the window class's second part and what screen readers announce.
    QCoreApplication::setApplicationName("Pixono");
    QGuiApplication::setDesktopFileName(kApplicationId);
}

void applyWindowIcon()
{
    QIcon embedded;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        embedded.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(QIcon::fromTheme(kApplicationId, embedded));
}
