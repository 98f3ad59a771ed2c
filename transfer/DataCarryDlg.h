#pragma once
// "Transfer Vessant User Data": the old program's folder, the choice of title language
// and description, and the button that carries the old files over. The dialog stays
// open after a transfer; Close ends the program.

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vessant::transfer {

class CDataCarryDlg : public QDialog {
    Q_OBJECT
public:
    // dataFolder: the calendar's data folder, which the transfer writes into.
    explicit CDataCarryDlg(std::filesystem::path dataFolder, QWidget* parent = nullptr);

    const QString& OldFolder() const { return oldFolder_; }

    // The controls, for the tests.
    QLineEdit* FolderField() const { return folderField_; }
    QLineEdit* StatusField() const { return statusField_; }
    QLineEdit* DataFolderField() const { return dataFolderField_; }
    QRadioButton* EnglishButton() const { return english_; }
    QRadioButton* HebrewButton() const { return hebrew_; }
    QCheckBox* TitleAsDescription() const { return titleAsDescription_; }
    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* TransferButton() const { return transfer_; }
    QPushButton* AboutButton() const { return about_; }
    QPushButton* CloseButton() const { return close_; }

private:
    void Browse();
    void Transfer();
    void About();

    std::filesystem::path dataFolder_;
    QString oldFolder_;
    QLineEdit* folderField_ = nullptr;
    QLineEdit* statusField_ = nullptr;
    QLineEdit* dataFolderField_ = nullptr;
    QRadioButton* english_ = nullptr;
    QRadioButton* hebrew_ = nullptr;
    QCheckBox* titleAsDescription_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* transfer_ = nullptr;
    QPushButton* about_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vessant::transfer
