// The real picture dialog, built on QFileDialog.
#include "app/picture_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> QtPictureDialog::Execute(const QString& initialFolder, const QString& startFile)
{
    QFileDialog dialog(nullptr, QString(), initialFolder, PictureDialog::tr("Bitmaps (*.bmp)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setSizeGripEnabled(true);
    if (!startFile.isEmpty()) dialog.selectFile(QFileInfo(startFile).fileName());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}
