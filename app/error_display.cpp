// The error display: the full-stop rule and the hand-over to the message presenter.
#include "app/error_display.h"

#include "app/application_title.h"
#include "app/message_presenter.h"
#include "app/message_translation.h"

#include <cstdio>

QString TErrorDisplay::BoxText(const QString& message)
{
    // A translation that ends in the ideographic full stop has its own.
    if (!message.isEmpty() && message.back().unicode() > u'.' && message.back() != u'\u3002')
        return message + u'.';
    return message;
}

void TErrorDisplay::Show(const QString& message)
{
    if (toStandardError_) {
        QString line = BoxText(message);
        line.replace(u'\n', u' ');
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return;
    }
    CurrentMessagePresenter().showError(ApplicationTitle(), BoxText(TranslatedMessage(message)));
}

void TErrorDisplay::Show(const std::exception& error)
{
    // Exception::what() is its message, so one path serves both kinds.
    Show(QString::fromUtf8(error.what()));
}

TErrorDisplay& ErrorDisplay()
{
    static TErrorDisplay display;
    return display;
}
