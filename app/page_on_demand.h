// TPageOnDemand: a page of the window's tab widget that is made when first asked for, so that the
// window's first frame need not wait for it. Until then its tab holds an empty stand-in under the same
// caption. The page takes the stand-in's place as soon as anything asks for it, and once its tab is
// chosen; the window asks right after its first frame.
#pragma once

#include <QObject>

#include <functional>

class QTabWidget;

class TPageSlot : public QObject {
public:
    // Adds the stand-in's tab to `tabs`; `make` makes the page, inside `tabs`.
    void Place(QTabWidget& tabs, const QString& caption, std::function<QWidget*()> make);
    bool Made() const { return page_ != nullptr; }
    QWidget* Page();  // made first, if it is not yet

private:
    QTabWidget* tabs_ = nullptr;
    QWidget* standIn_ = nullptr;
    QWidget* page_ = nullptr;
    std::function<QWidget*()> make_;
};

template <class Page> class TPageOnDemand {
public:
    void Place(QTabWidget& tabs, const QString& caption, std::function<Page*()> make)
    {
        slot_.Place(tabs, caption, std::move(make));
    }
    bool Made() const { return slot_.Made(); }
    Page* get() const { return static_cast<Page*>(slot_.Page()); }
    Page* operator->() const { return get(); }
    operator Page*() const { return get(); }

private:
    mutable TPageSlot slot_;
};
