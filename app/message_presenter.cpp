// The real message boxes: QMessageBox without a parent, so it is centred on the screen and blocks
// every window of the program until it is closed.
#include "app/message_presenter.h"

#include <QMessageBox>

namespace {

MessagePresenter* installedPresenter = nullptr;

void runBox(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void QtMessagePresenter::showError(const QString& title, const QString& text)
{
    runBox(QMessageBox::Critical, title, text);
}

void QtMessagePresenter::showNotice(const QString& title, const QString& text)
{
    runBox(QMessageBox::NoIcon, title, text);
}

MessagePresenter& CurrentMessagePresenter()
{
    static QtMessagePresenter realBoxes;
    return installedPresenter ? *installedPresenter : realBoxes;
}

void InstallMessagePresenter(MessagePresenter* presenter)
{
    installedPresenter = presenter;
}
