#pragma once
// The folder chooser: file-system folders only, and no button for making a new one (the
// old program's folder is there already or nowhere).

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vessant::transfer {

class CFolderDlg {
public:
    static constexpr int kChosen = 1;
    static constexpr int kCancelled = 2;

    // Opens at initialFolder, or at the current folder when that is empty or not a folder.
    CFolderDlg(QString initialFolder, QWidget* owner);

    // kChosen, with Path() the folder chosen, or kCancelled.
    int DoModal();
    const QString& Path() const { return path_; }

    // Answers in place of the chooser (tests): given the folder it would open at, the
    // folder chosen or nullopt for a cancel. An empty function restores the chooser.
    static void SetChooserHook(std::function<std::optional<QString>(const QString& start)> hook);

private:
    QString StartFolder() const;

    QString initial_;
    QWidget* owner_;
    QString path_;
};

} // namespace vessant::transfer
