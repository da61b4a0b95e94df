// Letter case in port names; see port_name_case.h.
#include "platform/port_name_case.h"

bool samePortName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool samePortName(const std::string& a, const std::string& b)
{
    return samePortName(QString::fromStdString(a), QString::fromStdString(b));
}
