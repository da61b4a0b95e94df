// The application title, held by the Qt application object.
#include "app/application_title.h"

#include <QCoreApplication>

void SetApplicationTitle(const QString& title)
{
    QCoreApplication::setApplicationName(title);
}

QString ApplicationTitle()
{
    return QCoreApplication::applicationName();
}
