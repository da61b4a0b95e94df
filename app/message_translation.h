// The message boxes' errors in the user's language. The program raises its errors in English, and
// standard error keeps them so; a box shows the translation of the whole message, or of the pattern the
// message follows, with its parts translated in turn.
#pragma once

#include <QString>

QString TranslatedMessage(const QString& message);
