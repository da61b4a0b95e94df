// Port names are the same when they differ in letter case only, by one rule wherever they are
// compared (the window's list, the stored name, the device table's own names): Qt's case folding.
#pragma once

#include <QString>

#include <string>

bool samePortName(const QString& a, const QString& b);
// The same for UTF-8 names.
bool samePortName(const std::string& a, const std::string& b);
