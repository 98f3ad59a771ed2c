#include "transfer/DataCarryApp.h"

#include "app/settings/OptionsStore.h"
#include "transfer/DataCarryDlg.h"
#include "transfer/TransferMessages.h"
#include "transfer/convert/TransferTextIds.h"

#include <QApplication>

#include <iostream>
#include <utility>

namespace vessant::transfer {

CDataCarryApp::CDataCarryApp(RunningCheck isRunning) : isRunning_(std::move(isRunning)) {}

CDataCarryApp::~CDataCarryApp() = default;

bool CDataCarryApp::InitInstance() {
    if (const std::wstring refusal = CloseProgramsMessage(isRunning_); !refusal.empty()) {
        ShowTransferMessage(nullptr, MessageKind::Information, TransferText(kIdProgramName), Q(refusal));
        return false;
    }
    dialog_ = std::make_unique<CDataCarryDlg>(SettingsDataFolderPath());
    return true;
}

int CDataCarryApp::Run(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsScriptedTransfer(arguments))
        return RunScriptedTransfer(arguments, SettingsDataFolderPath(), isRunning_, std::cout, std::cerr);

    QApplication application(argc, argv);
    QApplication::setWindowIcon(TransferIcon());
    if (!InitInstance())
        return 0;
    RunTransferModal(*dialog_);
    return 0;
}

} // namespace vessant::transfer
