#include "app/application_title.h"

#include <QCoreApplication>

namespace {
QString& title()
{
    static QString current;
    return current;
}
} // namespace

void SetApplicationTitle(const QString& newTitle) { title() = newTitle; }

QString ApplicationTitle() { return title().isEmpty() ? QCoreApplication::applicationName() : title(); }
