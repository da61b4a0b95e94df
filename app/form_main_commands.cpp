// TFormMain's commands: the picture dialog, the keyboard shortcuts, the two buttons, the panic key and
// the close request of a signal.
#include "app/form_main.h"

#include "app/application_title.h"
#include "app/error_display.h"
#include "app/message_presenter.h"
#include "app/picture_dialog.h"
#include "app/program_paths.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The folder part of a file name, up to and including its last separator.
QString folderOf(const QString& fileName)
{
    return fileName.left(fileName.lastIndexOf(u'/') + 1);
}

} // namespace

void TFormMain::BrowseImageFile()
{
    CancelPointerCapture();  // the dialog takes the pointer
    const QString current = currentImageFileName();
    const QString folder = current.isEmpty() ? QString::fromStdString(ExePath()) : folderOf(current);
    const std::optional<QString> chosen = pictureDialog_->Execute(folder, lastPictureFile_);
    if (!chosen) return;
    lastPictureFile_ = *chosen;
    if (QFileInfo(*chosen).suffix().compare("bmp", Qt::CaseInsensitive) != 0) {
        CurrentMessagePresenter().showNotice(ApplicationTitle(), "Only bitmaps can be used.");
        return;
    }
    setImageFile(*chosen);
}

void TFormMain::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (key == Qt::Key_Escape) Panic();
    Guarded([&] {
        // Only Alt is tested, so Ctrl and Shift may be held as well.
        if (!shift.testFlag(Qt::AltModifier)) return;
        if (key == Qt::Key_I) BrowseImageFile();
        if (key == Qt::Key_X) close();
    });
}

void TFormMain::BitBtnBrowseImageFileClick()
{
    Guarded([this] { BrowseImageFile(); });
}

void TFormMain::BitBtnExitClick()
{
    Guarded([this] { close(); });
}

void TFormMain::Panic()
{
    Guarded([this] { heldKeys_.ReleaseAll(); });
    Guarded([this] { pad_.Panic(); });
}

// The Exit button's path, once every box and dialog is closed; errors from here on go to standard
// error, so nothing waits for a user who may be gone.
void TFormMain::CloseOnSignal()
{
    closingBySignal_ = true;
    ErrorDisplay().WriteToStandardError(true);
    BitBtnExitClick();
}

// The display is gone and the process ends as soon as this returns: the closing steps run now, as
// for a signal, and nothing waits for a user who can no longer see anything.
void TFormMain::EndForLostDisplay()
{
    closingBySignal_ = true;
    ErrorDisplay().WriteToStandardError(true);
    FormDestroy();
}
