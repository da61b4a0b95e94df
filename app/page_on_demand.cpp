// The page made on demand and put in its stand-in's place.
#include "app/page_on_demand.h"

#include <QSignalBlocker>
#include <QTabWidget>

void TPageSlot::Place(QTabWidget& tabs, const QString& caption, std::function<QWidget*()> make)
{
    tabs_ = &tabs;
    make_ = std::move(make);
    standIn_ = new QWidget;
    tabs.addTab(standIn_, caption);
    // Chosen before the page is made (a click in the first moments), it is made once the choice has
    // settled, not while the tab widget is still switching.
    connect(&tabs, &QTabWidget::currentChanged, this, [this] {
        if (!page_ && tabs_->currentWidget() == standIn_)
            QMetaObject::invokeMethod(this, [this] { Page(); }, Qt::QueuedConnection);
    });
}

QWidget* TPageSlot::Page()
{
    if (page_) return page_;
    page_ = make_();
    const int index = tabs_->indexOf(standIn_);
    const bool current = tabs_->currentIndex() == index;
    // The same page stays in front for everything else, so nothing is told of a change.
    const QSignalBlocker quiet(tabs_);
    tabs_->insertTab(index, page_, tabs_->tabText(index));
    delete standIn_;  // its tab goes with it
    standIn_ = nullptr;
    if (current) tabs_->setCurrentIndex(index);
    return page_;
}
