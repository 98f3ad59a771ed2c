#pragma once
// The transfer program: the form without the dialog when it has arguments, otherwise the
// running check and the dialog.

#include "transfer/convert/Transfer.h"

#include <memory>
#include <string>
#include <vector>

namespace vessant::transfer {

class CDataCarryDlg;

class CDataCarryApp {
public:
    explicit CDataCarryApp(RunningCheck isRunning);
    ~CDataCarryApp();

    // Refuses (after the "close ... first" message, with nothing written) while the
    // calendar or the old program runs; otherwise makes the dialog. Needs a QApplication.
    bool InitInstance();
    CDataCarryDlg* Dialog() const { return dialog_.get(); }

    // The whole program: arguments without the program name. Returns the exit status.
    int Run(int argc, char** argv);

private:
    RunningCheck isRunning_;
    std::unique_ptr<CDataCarryDlg> dialog_;
};

} // namespace vessant::transfer
