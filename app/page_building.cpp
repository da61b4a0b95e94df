// The pages' shared building helpers.
#include "app/page_building.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

QLabel* makeLabel(const char* name, const QString& caption, QRect bounds, QWidget* parent)
{
    auto* label = named(new QLabel(caption, parent), name);
    bounds.setWidth(std::max(bounds.width(), label->sizeHint().width()));
    label->setGeometry(bounds);
    return label;
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
