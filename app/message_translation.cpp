#include "app/message_translation.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const char* const kContext = "Message";

// Messages made of parts: %1 stands for a name, %2 for another message.
const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("Message", "MIDI output port '%1' could not be opened: %2"),
    QT_TRANSLATE_NOOP("Message", "MIDI output port '%1' is not there yet; Pixono plays on it as soon as it appears"),
    QT_TRANSLATE_NOOP("Message", "MIDI output Device '%1' not installed"),
    QT_TRANSLATE_NOOP("Message", "Unable to write to %1"),
    QT_TRANSLATE_NOOP("Message", "Unknown picture file extension (.%1)"),
};

// Whole messages, raised as they stand elsewhere (the MIDI services' error texts among them); marked
// here, where the boxes translate them.
[[maybe_unused]] const char* const kWholeMessages[] = {
    QT_TRANSLATE_NOOP("Message", "The MIDI operation succeeded"),
    QT_TRANSLATE_NOOP("Message", "The MIDI back end reported a failure"),
    QT_TRANSLATE_NOOP("Message", "There is no MIDI output device with that number"),
    QT_TRANSLATE_NOOP("Message", "The MIDI output device is already in use"),
    QT_TRANSLATE_NOOP("Message", "The MIDI output handle does not stand for an open device"),
    QT_TRANSLATE_NOOP("Message", "There is not enough memory for the MIDI output"),
    QT_TRANSLATE_NOOP("Message", "The MIDI result code is unknown"),
    QT_TRANSLATE_NOOP("Message", "The MIDI message header has not been prepared"),
    QT_TRANSLATE_NOOP("Message", "The MIDI message header is still queued for output"),
    QT_TRANSLATE_NOOP("Message", "The MIDI output device is busy: its queue is full"),
    QT_TRANSLATE_NOOP("Message", "The MIDI output device went away"),
    QT_TRANSLATE_NOOP("Message",
                      "No audio output answered; start PipeWire, PulseAudio or JACK, or connect a sound card"),
    QT_TRANSLATE_NOOP("Message", "No JACK server is running; start JACK or PipeWire, then choose the port again"),
    QT_TRANSLATE_NOOP("Message", "Specified error number is out of range"),
    QT_TRANSLATE_NOOP("Message", "MIDI Output device not open"),
    QT_TRANSLATE_NOOP("Message", "Invalid MIDI out device ID"),
    QT_TRANSLATE_NOOP("Message", "Change to MIDI out Device ID while device was open"),
    QT_TRANSLATE_NOOP("Message", "Change to ProductName while MIDI out device was open"),
    QT_TRANSLATE_NOOP("Message", "A long MIDI message needs at least one byte"),
    QT_TRANSLATE_NOOP("Message", "Bitmap image is not valid"),
    QT_TRANSLATE_NOOP("Message", "Icon image is not valid"),
    QT_TRANSLATE_NOOP("Message", "Metafile is not valid"),
    QT_TRANSLATE_NOOP("Message", "Integer overflow"),
    QT_TRANSLATE_NOOP("Message", "Range check error"),
    QT_TRANSLATE_NOOP("Message", "Division by zero"),
    QT_TRANSLATE_NOOP("Message", "Cannot create the notify window's event descriptor"),
};

QString translated(const QString& source)
{
    return QCoreApplication::translate(kContext, source.toUtf8().constData());
}

// A reason within a message begins in lower case (an acronym excepted); so does its translation.
QString wholeTranslated(const QString& message)
{
    QString text = translated(message);
    if (text != message || message.isEmpty() || !message[0].isLower()) return text;
    const QString capitalised = message[0].toUpper() + message.mid(1);
    text = translated(capitalised);
    if (text == capitalised) return message;
    if (text.size() < 2 || !text[1].isUpper()) text[0] = text[0].toLower();
    return text;
}

} // namespace

QString TranslatedMessage(const QString& message)
{
    const QString whole = wholeTranslated(message);
    if (whole != message) return whole;
    for (const char* pattern : kPatterns) {
        QString expression = QRegularExpression::escape(QString::fromLatin1(pattern));
        expression.replace(QStringLiteral("\\%1"), QStringLiteral("(.*)"));
        expression.replace(QStringLiteral("\\%2"), QStringLiteral("(.*)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(expression),
                               QRegularExpression::DotMatchesEverythingOption)
                .match(message);
        if (!match.hasMatch()) continue;
        const QString text = QCoreApplication::translate(kContext, pattern);
        if (match.lastCapturedIndex() == 1) return text.arg(match.captured(1));
        return text.arg(match.captured(1), TranslatedMessage(match.captured(2)));
    }
    return message;
}
