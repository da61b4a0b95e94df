// The pages' shared building helpers.
#include "app/page_building.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

QLabel* makeLabel(const char* name, const QString& caption, QRect bounds, QWidget* parent)
{
    auto* label = named(new QLabel(caption, parent), name);
    bounds.setWidth(std::max(bounds.width(), label->sizeHint().width()));
    label->setGeometry(bounds);
    return label;
}

namespace {

// A caption as read aloud: without its markup tags and mnemonic marks ("&&" reads as "&"). By hand
// rather than by a regular expression, whose compiling was a noticeable part of building a page.
QString spokenCaption(const QString& caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    bool inTag = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (inTag) inTag = c != u'>';
        else if (c == u'<') inTag = true;
        else if (c != u'&' || (i + 1 < caption.size() && caption[i + 1] == u'&')) spoken += c;
    }
    return spoken;
}

} // namespace

void nameControlsAfterLabels(QWidget* page)
{
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->buddy()) continue;
        const QString name = spokenCaption(label->text());
        QList<QWidget*> named = label->buddy()->findChildren<QWidget*>();
        named.prepend(label->buddy());
        for (QWidget* control : named)
            if (control->accessibleName().isEmpty() && control->focusPolicy() != Qt::NoFocus)
                control->setAccessibleName(name);
    }
}

QVBoxLayout* fillingLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QString latin1Text(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString choiceText(std::string_view name)
{
    return QCoreApplication::translate("Playing", std::string(name).c_str());
}
