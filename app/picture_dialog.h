// The open-file dialog for pad pictures. The window asks it through this interface, so tests can put a
// scripted chooser in place of the modal dialog.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class PictureDialog {
    Q_DECLARE_TR_FUNCTIONS(PictureDialog)

public:
    virtual ~PictureDialog() = default;
    // Runs the dialog modally, starting in `initialFolder` with `startFile` preselected (either may be
    // empty). Returns the chosen file's full name, or nothing when the user cancels.
    virtual std::optional<QString> Execute(const QString& initialFolder, const QString& startFile) = 0;
};

// Qt's file dialog: filter "Bitmaps (*.bmp)", an existing file only, resizable, no read-only box.
class QtPictureDialog final : public PictureDialog {
public:
    std::optional<QString> Execute(const QString& initialFolder, const QString& startFile) override;
};
