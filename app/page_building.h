// Small helpers that the window's pages share to build their controls in code: object names as the
// window's design gives them, labels sized to their text, and page layouts with no margins.
#pragma once

#include <QRect>
#include <QString>

#include <string_view>

class QLabel;
class QVBoxLayout;
class QWidget;

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// A label at `bounds`, at least as wide as its text.
QLabel* makeLabel(const char* name, const QString& caption, QRect bounds, QWidget* parent);
// Every control that a label of `page` stands for, and the fields inside it that take the focus, are
// named after the label's text for screen readers (where they have no name of their own).
void nameControlsAfterLabels(QWidget* page);
// A layout that fills `page` edge to edge, its children stacked with no gaps.
QVBoxLayout* fillingLayout(QWidget* page);
QString latin1Text(std::string_view text);
// A playing choice's name (a scale, a pitch mode ...) as the user's language shows it; the names are
// marked for translation in context "Playing" where they are defined.
QString choiceText(std::string_view name);
