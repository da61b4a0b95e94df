#include "app/desktop_identity.h"

#include <QApplication>
#include <QIcon>

void applyDesktopIdentity()
{
    const QString applicationId = "org.pixono.Pixono";
    // The application name is the window class's second part and what screen readers announce.
    QCoreApplication::setApplicationName("Pixono");
    QGuiApplication::setDesktopFileName(applicationId);
    QIcon embedded;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        embedded.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(QIcon::fromTheme(applicationId, embedded));
}
