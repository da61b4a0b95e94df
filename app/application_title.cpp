#include "app/application_title.h"

namespace {
QString& title()
{
    static QString current;
    return current;
}
} // namespace

void SetApplicationTitle(const QString& newTitle) { title() = newTitle; }

const QString& ApplicationTitle() { return title(); }
