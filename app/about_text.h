// The short manual shown on the About page, one entry per line.
#pragma once

#include <QStringList>

QStringList AboutLines();
