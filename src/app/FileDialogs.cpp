#include "app/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace {
FileDialogs::Chooser &chooser()
{
    static FileDialogs::Chooser current;
    return current;
}
} // namespace

std::optional<QString> FileDialogs::choose(const FileDialogRequest &request)
{
    if (chooser())
        return chooser()(request);
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, request.filter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (request.mode == FileDialogRequest::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void FileDialogs::setChooser(Chooser replacement)
{
    chooser() = std::move(replacement);
}
